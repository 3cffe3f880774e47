// A picture of the host mesh for a person: flat-shaded triangles lit from
// the viewer's side, seen from a three-quarter view above the front right,
// the selected vertices highlighted, and the host axes R/L (x), F/B (y) and
// U/D (z) drawn through the origin.
#pragma once

#include <string>

#include "refhost/MeshData.h"

// False where the program was built without cairo (the Windows build).
bool PreviewAvailable();

// The PNG file's bytes; `caption` is written at the top. Throws
// std::runtime_error when the picture cannot be made.
std::string RenderPreviewPng(const MeshData& mesh, const std::string& caption);
