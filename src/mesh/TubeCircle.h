// One circle of new host vertices, joined round by edges.
#pragma once

#include <cstdint>
#include <vector>

#include "mesh/RunningAngle.h"
#include "mesh/VertexRings.h"

// Appends `sections` vertices on a circle of `radius` user units about the
// host origin, in the plane of the active view, each marked selected, then
// the edges (k-1, k) as it goes and the closing edge (last, first). Their
// indices are appended to `ring`. Always returns true; a count below 1
// appends nothing.
bool BuildTubeCircle(std::int32_t sections, SelectVertiesOfArrow& ring, double radius);

// The sines and cosines of the running angles of a circle of `sections`
// positions. Every circle of a sweep has the same angles, so the sweep
// computes them once and builds each circle from them with AppendTubeCircle.
std::vector<SineCosine> CircleAngles(std::int32_t sections);

// BuildTubeCircle for a circle whose angles are given: one vertex per entry.
void AppendTubeCircle(const std::vector<SineCosine>& angles, SelectVertiesOfArrow& ring, double radius);
