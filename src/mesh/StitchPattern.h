// The steps that stitch one band: the strip between ring A and ring B.
//
// Quad j of a band spans positions p = j and q = j + 1 of both rings, where
// position T stands for 0; quad T−1 is the band's closing quad. Every quad
// is four steps, in this order: the rung (A[p], B[p]), the diagonal, and
// the two faces on that diagonal. The order of a face's corners is its
// winding, and the corner it starts with is part of the pattern too: every
// entry below is exact.
//
// Laid out as a grid (rings to the right in sweep order, positions upward),
// every face lists its corners clockwise, which with the sweep's geometry
// makes (b − a) × (c − a) point out of the tube in every view.
#pragma once

#include <array>
#include <cstdint>

enum class Corner : std::uint8_t { Ap, Aq, Bp, Bq };

struct StitchStep {
    bool isFace;
    Corner corners[3];  // an edge uses the first two
};

using QuadPattern = std::array<StitchStep, 4>;

struct BandPattern {
    QuadPattern quad;         // j = 0 … T−2
    QuadPattern closingQuad;  // j = T−1
};

constexpr StitchStep Edge(Corner a, Corner b) { return {false, {a, b, a}}; }
constexpr StitchStep Face(Corner a, Corner b, Corner c) { return {true, {a, b, c}}; }

// Ring k (A) with ring k+1 (B), for k = 0 … R−2. Each quad is split along
// the diagonal from A[q] to B[p].
inline constexpr BandPattern kOrdinaryBand{
    {Edge(Corner::Ap, Corner::Bp), Edge(Corner::Aq, Corner::Bp),
     Face(Corner::Aq, Corner::Bp, Corner::Ap), Face(Corner::Bp, Corner::Aq, Corner::Bq)},
    {Edge(Corner::Ap, Corner::Bp), Edge(Corner::Aq, Corner::Bp),
     Face(Corner::Ap, Corner::Aq, Corner::Bp), Face(Corner::Bq, Corner::Bp, Corner::Aq)},
};

// Ring 0 (A, the first) with ring R−1 (B, the last). Here the sweep passes
// from B to A, so B is the earlier ring: the diagonal runs from B[p] to
// A[q], the first ring's index comes first in every edge, and the faces
// wind the other way round.
inline constexpr BandPattern kClosingBand{
    {Edge(Corner::Ap, Corner::Bp), Edge(Corner::Aq, Corner::Bp),
     Face(Corner::Ap, Corner::Bp, Corner::Aq), Face(Corner::Bq, Corner::Aq, Corner::Bp)},
    {Edge(Corner::Ap, Corner::Bp), Edge(Corner::Aq, Corner::Bp),
     Face(Corner::Bp, Corner::Aq, Corner::Ap), Face(Corner::Aq, Corner::Bp, Corner::Bq)},
};

// The four host indices of one quad.
struct QuadCorners {
    std::int32_t ap, aq, bp, bq;

    constexpr std::int32_t operator[](Corner corner) const {
        switch (corner) {
        case Corner::Ap: return ap;
        case Corner::Aq: return aq;
        case Corner::Bp: return bp;
        case Corner::Bq: return bq;
        }
        return ap;
    }
};
