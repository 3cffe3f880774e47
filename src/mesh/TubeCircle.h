// One circle of new host vertices, joined round by edges.
#pragma once

#include <cstdint>
#include <vector>

#include "mesh/VertexArithmetic.h"
#include "mesh/VertexRings.h"

// Appends `sections` vertices on a circle of `radius` user units about the
// host origin, in the plane of the active view, each marked selected, then
// the edges (k-1, k) as it goes and the closing edge (last, first). Their
// indices are appended to `ring`. Always returns true; a count below 1
// appends nothing.
bool BuildTubeCircle(std::int32_t sections, SelectVertiesOfArrow& ring, double radius);

// The host coordinates of a circle's vertices, in creation order. They
// depend only on the count, the radius, the view and the unit scale, which
// stay the same for every circle of a sweep, so the sweep computes them
// once and builds every circle from them.
struct TubeCircleShape {
    std::int32_t sections;
    // One point per vertex; empty in a view without a plane, where the
    // vertices keep the coordinates the host gave them.
    std::vector<HostPoint> points;
};

// The shape BuildTubeCircle gives a circle in the host's current view and
// unit scale.
TubeCircleShape ShapeTubeCircle(std::int32_t sections, double radius);

// BuildTubeCircle for a circle whose shape is given.
void AppendTubeCircle(const TubeCircleShape& shape, SelectVertiesOfArrow& ring);
