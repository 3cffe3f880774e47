#include "mesh/RingSweep.h"

#include "host/HostAccess.h"
#include "mesh/SweepArguments.h"
#include "mesh/TubeCircle.h"
#include "mesh/VertexArithmetic.h"

namespace {

// The turns reach each vertex through the record afresh; they call no slot.
void TurnRingXY(const SelectVertiesOfArrow& ring, SineCosine theta) {
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) {
        HostVertex& vertex = HostVertexAt(ring[k]);
        const CoordinatePair turned = TurnProper(vertex.x, vertex.y, theta);
        vertex.x = turned.first;
        vertex.y = turned.second;
    }
}

void TurnRingYZ(const SelectVertiesOfArrow& ring, SineCosine theta) {
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) {
        HostVertex& vertex = HostVertexAt(ring[k]);
        const CoordinatePair turned = TurnProper(vertex.y, vertex.z, theta);
        vertex.y = turned.first;
        vertex.z = turned.second;
    }
}

void TurnRingXZ(const SelectVertiesOfArrow& ring, SineCosine theta) {
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) {
        HostVertex& vertex = HostVertexAt(ring[k]);
        const CoordinatePair turned = TurnMirrored(vertex.x, vertex.z, theta);
        vertex.x = turned.first;
        vertex.z = turned.second;
    }
}

// The turn of each view; a view outside 0..2 has no ring plane and no turn.
void TurnRingForView(const SelectVertiesOfArrow& ring, std::int32_t view, SineCosine theta) {
    switch (view) {
    case 0: TurnRingXY(ring, theta); break;
    case 1: TurnRingXZ(ring, theta); break;
    case 2: TurnRingYZ(ring, theta); break;
    default: break;
    }
}

}  // namespace

void RotateRingXY(const SelectVertiesOfArrow& ring, double angle) { TurnRingXY(ring, SineCosineOf(angle)); }
void RotateRingXZ(const SelectVertiesOfArrow& ring, double angle) { TurnRingXZ(ring, SineCosineOf(angle)); }
void RotateRingYZ(const SelectVertiesOfArrow& ring, double angle) { TurnRingYZ(ring, SineCosineOf(angle)); }

void TranslateRing(const SelectVertiesOfArrow& ring, const Offset& offset) {
    const double scale = *HostContext->unitScale;
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) {
        HostVertex& vertex = HostVertexAt(ring[k]);
        vertex.x = MovedCoordinate(vertex.x, offset.x, scale);
        vertex.y = MovedCoordinate(vertex.y, offset.y, scale);
        vertex.z = MovedCoordinate(vertex.z, offset.z, scale);
    }
}

void SweepTubeCircles(std::int32_t ringSections, std::int32_t tubeSections, SelectVertiesOfArrowAll& rings,
                      double ringRadius, double tubeRadius) {
    const SweepArguments sweep = ClampSweepArguments(ringSections, tubeSections, ringRadius, tubeRadius);
    const auto ringCount = static_cast<std::size_t>(sweep.ringSections);
    const auto ringSize = static_cast<std::size_t>(sweep.tubeSections);

    // Every allocation of the sweep happens here, before its first host
    // call: running out of memory must not leave half a torus in the model.
    // The list's rings and the one working ring are sized now, so the loop
    // below only copies indices into storage that already exists.
    rings.ReserveRings(ringCount, ringSize);
    SelectVertiesOfArrow ring;
    ring.Reserve(ringSize);
    // Every circle has the same angles; their sines and cosines are computed
    // once (the same values, from the same calls, as circle by circle).
    const std::vector<SineCosine> circle = CircleAngles(sweep.tubeSections);

    RunningAngle theta(sweep.ringSections);
    for (std::size_t j = 0; j < ringCount; ++j) {
        ring.Flush();
        AppendTubeCircle(circle, ring, sweep.tubeRadius);
        const SineCosine section = SineCosineOf(theta.Value());
        const std::int32_t view = *HostContext->activeView;
        TurnRingForView(ring, view, section);
        TranslateRing(ring, SectionOffset(view, sweep.ringRadius, section));
        theta.Advance();
        rings.Add(ring);  // a copy, into the storage reserved above
    }
}
