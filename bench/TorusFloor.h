// The floors a run is measured against: the same torus (the same integers,
// edges and faces, in the same order) made with nothing else to do.
//
// BuildArrayTorus writes it straight into preallocated arrays; BuildTorus-
// ThroughHost appends it through the host's grow and create slots. Both are
// written independently of the plug-in's mesh code, so that a test
// comparing them with a real run checks one against the other.
#pragma once

#include <cstdint>
#include <vector>

#include "host/ModelerContext.h"

struct TorusShape {
    std::int32_t ringSections;  // after the sweep's clamps (at least 4)
    std::int32_t tubeSections;
    double ringRadius;          // user units, after the clamps
    double tubeRadius;
    double unitScale;
    std::int32_t view;          // 0, 1 or 2
    double centre[3];           // user units, absolute
};

// The torus every benchmark builds: the dialog's defaults (ring radius 1.00,
// tube radius 0.50) with N ring and N tube sections, in view 0, on a host
// with unit scale 1000 and its cursor at the origin.
inline TorusShape DefaultTorusOfSize(std::int32_t n) { return TorusShape{n, n, 1.0, 0.5, 1000.0, 0, {0.0, 0.0, 0.0}}; }

// How a floor gets the sines and cosines of the tube circle's angles.
enum class CircleAngles {
    PerVertex,  // evaluated for every vertex, as the circle formula reads
    Tabled,     // evaluated once per torus and reused for every ring
};

struct ArrayTorus {
    std::vector<std::int32_t> coordinates;  // x, y, z per vertex
    std::vector<std::int32_t> edges;        // a, b per edge
    std::vector<std::int32_t> faces;        // a, b, c per face

    // Sizes the arrays for the whole torus once, so that building into them
    // allocates nothing.
    void Reserve(const TorusShape& shape);
};

// Vertex indices start at `firstVertex`, as in a host that already holds
// that many vertices.
void BuildArrayTorus(const TorusShape& shape, std::int32_t firstVertex, ArrayTorus& torus,
                     CircleAngles angles = CircleAngles::PerVertex);

void BuildTorusThroughHost(const TorusShape& shape, ModelerContext& host,
                           CircleAngles angles = CircleAngles::PerVertex);
