// One circle of new host vertices, joined round by edges.
#pragma once

#include <cstdint>

#include "mesh/VertexRings.h"

// Appends `sections` vertices on a circle of `radius` user units about the
// host origin, in the plane of the active view, each marked selected, then
// the edges (k-1, k) as it goes and the closing edge (last, first). Their
// indices are appended to `ring`. Always returns true.
bool BuildTubeCircle(std::int32_t sections, SelectVertiesOfArrow& ring, double radius);
