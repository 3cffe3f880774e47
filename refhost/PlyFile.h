// Stanford .ply in host units, with the per-vertex status and the edges:
//   element vertex N: property int x, y, z; property uchar status
//   element edge M:   property int vertex1, vertex2
//   element face F:   property list uchar int vertex_indices (triangles)
// Indices are 0-based.
#pragma once

#include <string>
#include <string_view>

#include "refhost/MeshData.h"

// ASCII, the mesh verbatim in host order. The status byte is written as an
// unsigned byte (a status of -1 is 255) and reads back as the same byte.
std::string WritePly(const MeshData& mesh);

// Reads ASCII and binary_little_endian files. Vertices need x, y and z with
// whole values in the 32-bit range (any numeric type); status is optional
// (0 when missing); edges need vertex1 and vertex2; faces a list named
// vertex_indices (or vertex_index) of exactly three valid indices. Other
// properties and elements are skipped. Throws MeshFileError naming the file
// and the line (ASCII) or the element (binary).
MeshData ReadPly(std::string_view bytes, const std::string& fileName);
