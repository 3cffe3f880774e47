#include "mesh/RingStitch.h"

#include "host/HostAccess.h"
#include "mesh/StitchPattern.h"

namespace {

// The patterns are constants, so each step is resolved when compiling: the
// loop that reaches the host is just its slot calls in order.
template <StitchStep Step>
void AppendStep(const QuadCorners& quad) {
    if constexpr (Step.isFace)
        AppendHostFace(quad[Step.corners[0]], quad[Step.corners[1]], quad[Step.corners[2]]);
    else
        AppendHostEdge(quad[Step.corners[0]], quad[Step.corners[1]]);
}

template <QuadPattern Quad>
void AppendQuad(const QuadCorners& quad) {
    AppendStep<Quad[0]>(quad);
    AppendStep<Quad[1]>(quad);
    AppendStep<Quad[2]>(quad);
    AppendStep<Quad[3]>(quad);
}

// Quads j = 0 … T−2 in turn, then the closing quad, each finished before
// the next starts.
template <BandPattern Band>
void StitchBand(const SelectVertiesOfArrow& a, const SelectVertiesOfArrow& b) {
    const std::size_t last = a.GetItemsInContainer() - 1;
    for (std::size_t p = 0; p < last; ++p) AppendQuad<Band.quad>(QuadCorners{a[p], a[p + 1], b[p], b[p + 1]});
    AppendQuad<Band.closingQuad>(QuadCorners{a[last], a[0], b[last], b[0]});
}

// The sweep always delivers at least four rings of the same size, at least
// four indices each. Anything else is not a tube; stitching it would make
// doubled or dangling elements, so it is left alone.
bool IsStitchable(const SelectVertiesOfArrowAll& rings) {
    const std::size_t count = rings.GetItemsInContainer();
    if (count < 3) return false;
    const std::size_t size = rings[0].GetItemsInContainer();
    if (size < 2) return false;
    for (std::size_t k = 1; k < count; ++k)
        if (rings[k].GetItemsInContainer() != size) return false;
    return true;
}

}  // namespace

void StitchRings(const SelectVertiesOfArrowAll& rings) {
    if (!IsStitchable(rings)) return;
    const std::size_t count = rings.GetItemsInContainer();
    for (std::size_t k = 0; k + 1 < count; ++k) StitchBand<kOrdinaryBand>(rings[k], rings[k + 1]);
    StitchBand<kClosingBand>(rings[0], rings[count - 1]);
}
