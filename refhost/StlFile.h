// Binary .stl: the triangles in user units (host units / unitScale), with
// their unit normals from the winding (zero for a degenerate triangle).
#pragma once

#include <string>

#include "refhost/MeshData.h"

// Faces that name no vertex of the mesh are left out. unitScale must be
// finite and non-zero (the caller checks).
std::string WriteStl(const MeshData& mesh, double unitScale);
