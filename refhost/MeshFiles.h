// Mesh files by extension: .obj and .ply are read; .obj, .ply and .stl are
// written.
#pragma once

#include <string>

#include "refhost/MeshData.h"

// Reads the whole file. Throws MeshFileError for a file that cannot be
// opened or read, or is malformed.
MeshData ReadMeshFile(const std::string& path);

// The bytes of the file that `path` names by its extension; unitScale turns
// host units into the user units of .stl.
std::string FormatMeshFile(const std::string& path, const MeshData& mesh, double unitScale);
