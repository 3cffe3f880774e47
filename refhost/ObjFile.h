// Wavefront .obj in host units: `v x y z` with integer coordinates in array
// order, `l a b` for every edge, `f a b c` for every triangle, 1-based.
#pragma once

#include <string>
#include <string_view>

#include "refhost/MeshData.h"

// The mesh verbatim, in the order the host holds it. Vertex status is not
// kept (every vertex reads back with status 0).
std::string WriteObj(const MeshData& mesh);

// Reads `v`, `l` (a polyline: one edge per consecutive pair) and triangular
// `f` statements (`a`, `a/t`, `a/t/n`, `a//n` and negative, relative
// indices); ignores comments, vt, vn, vp, o, g, s, mtllib and usemtl.
// Anything else, a coordinate that is not a 32-bit integer, a polygon other
// than a triangle or an index to no vertex read so far throws MeshFileError.
MeshData ReadObj(std::string_view text, const std::string& fileName);
