#include "mesh/RingSweep.h"

#include "host/HostAccess.h"
#include "mesh/SweepArguments.h"
#include "mesh/TubeCircle.h"
#include "mesh/VertexArithmetic.h"

namespace {

// The turns: each rewrites two coordinates of a vertex from their old values.
struct TurnXY {
    static void Apply(HostVertex& vertex, SineCosine theta) {
        const CoordinatePair turned = TurnProper(vertex.x, vertex.y, theta);
        vertex.x = turned.first;
        vertex.y = turned.second;
    }
};

struct TurnYZ {
    static void Apply(HostVertex& vertex, SineCosine theta) {
        const CoordinatePair turned = TurnProper(vertex.y, vertex.z, theta);
        vertex.y = turned.first;
        vertex.z = turned.second;
    }
};

struct TurnXZ {
    static void Apply(HostVertex& vertex, SineCosine theta) {
        const CoordinatePair turned = TurnMirrored(vertex.x, vertex.z, theta);
        vertex.x = turned.first;
        vertex.z = turned.second;
    }
};

// A view outside 0..2 has no ring plane and no turn.
struct NoTurn {
    static void Apply(HostVertex&, SineCosine) {}
};

// The ring operations reach each vertex through the record afresh; they call
// no slot.
template <class Turn>
void TurnRing(const SelectVertiesOfArrow& ring, SineCosine theta) {
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) Turn::Apply(HostVertexAt(ring[k]), theta);
}

// What a turn and then TranslateRing do to a ring, in one pass over it. A
// circle's vertices are distinct, so every vertex ends exactly as after the
// two passes.
template <class Turn>
void TurnAndMoveRing(const SelectVertiesOfArrow& ring, SineCosine theta, const Offset& offset) {
    const ScaledOffset move = ScaleOffset(offset, *HostContext->unitScale);
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) {
        HostVertex& vertex = HostVertexAt(ring[k]);
        Turn::Apply(vertex, theta);
        MoveHostVertex(vertex, move);
    }
}

// The turn of each view, then the move by the section's offset (zero in a
// view without a plane).
void TurnAndMoveForView(const SelectVertiesOfArrow& ring, std::int32_t view, SineCosine theta,
                        const Offset& offset) {
    switch (view) {
    case 0: TurnAndMoveRing<TurnXY>(ring, theta, offset); break;
    case 1: TurnAndMoveRing<TurnXZ>(ring, theta, offset); break;
    case 2: TurnAndMoveRing<TurnYZ>(ring, theta, offset); break;
    default: TurnAndMoveRing<NoTurn>(ring, theta, offset); break;
    }
}

}  // namespace

void RotateRingXY(const SelectVertiesOfArrow& ring, double angle) { TurnRing<TurnXY>(ring, SineCosineOf(angle)); }
void RotateRingXZ(const SelectVertiesOfArrow& ring, double angle) { TurnRing<TurnXZ>(ring, SineCosineOf(angle)); }
void RotateRingYZ(const SelectVertiesOfArrow& ring, double angle) { TurnRing<TurnYZ>(ring, SineCosineOf(angle)); }

void TranslateRing(const SelectVertiesOfArrow& ring, const Offset& offset) {
    const ScaledOffset move = ScaleOffset(offset, *HostContext->unitScale);
    for (std::size_t k = 0; k < ring.GetItemsInContainer(); ++k) MoveHostVertex(HostVertexAt(ring[k]), move);
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
    // Every circle has the same angles, radius, view and scale, so the same
    // coordinates: they are computed once (the same values, from the same
    // calls, as circle by circle).
    const TubeCircleShape circle = ShapeTubeCircle(sweep.tubeSections, sweep.tubeRadius);

    RunningAngle theta(sweep.ringSections);
    for (std::size_t j = 0; j < ringCount; ++j) {
        ring.Flush();
        AppendTubeCircle(circle, ring);
        const SineCosine section = SineCosineOf(theta.Value());
        const std::int32_t view = *HostContext->activeView;
        TurnAndMoveForView(ring, view, section, SectionOffset(view, sweep.ringRadius, section));
        theta.Advance();
        rings.Add(ring);  // a copy, into the storage reserved above
    }
}
