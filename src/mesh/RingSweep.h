// The sweep: one tube circle per ring section, turned and moved into place.
#pragma once

#include <cstdint>

#include "mesh/Offset.h"
#include "mesh/VertexRings.h"

// Builds `ringSections` circles of `tubeSections` vertices and appends their
// rings to `rings` in sweep order. Zero radii and counts below 4 are raised
// on the sweep's own copies (SweepArguments.h). Section j's circle is turned
// by θ_j, the running sum of 2π / ringSections, and moved out by the ring
// radius; in a view outside 0..2 it is neither turned nor moved. All of the
// sweep's own allocations (the rings and the circle's coordinates, computed
// once for every circle) are made before its first host call.
void SweepTubeCircles(std::int32_t ringSections, std::int32_t tubeSections,
                      SelectVertiesOfArrowAll& rings, double ringRadius, double tubeRadius);

// Rewrite two coordinates of every vertex of the ring, truncating each
// result toward zero. RotateRingXZ is a rotation combined with a mirror (at
// angle 0 it swaps x and z); the view-1 geometry depends on it.
void RotateRingXY(const SelectVertiesOfArrow& ring, double angle);
void RotateRingXZ(const SelectVertiesOfArrow& ring, double angle);
void RotateRingYZ(const SelectVertiesOfArrow& ring, double angle);

// Moves every vertex of the ring by offset × *unitScale; the sum of the old
// coordinate and the scaled offset is truncated, not the offset alone.
void TranslateRing(const SelectVertiesOfArrow& ring, const Offset& offset);
