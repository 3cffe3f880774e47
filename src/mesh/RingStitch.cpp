#include "mesh/RingStitch.h"

#include "host/HostAccess.h"
#include "mesh/StitchPattern.h"

namespace {

void AppendStep(const StitchStep& step, const QuadCorners& quad) {
    if (step.isFace)
        AppendHostFace(quad[step.corners[0]], quad[step.corners[1]], quad[step.corners[2]]);
    else
        AppendHostEdge(quad[step.corners[0]], quad[step.corners[1]]);
}

// Quads j = 0 … T−2 in turn, then the closing quad, each finished before
// the next starts.
void StitchBand(const BandPattern& band, const SelectVertiesOfArrow& a, const SelectVertiesOfArrow& b) {
    const std::size_t size = a.GetItemsInContainer();
    for (std::size_t p = 0; p < size; ++p) {
        const bool closing = p + 1 == size;
        const std::size_t q = closing ? 0 : p + 1;
        const QuadCorners corners{a[p], a[q], b[p], b[q]};
        for (const StitchStep& step : closing ? band.closingQuad : band.quad) AppendStep(step, corners);
    }
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
    for (std::size_t k = 0; k + 1 < count; ++k) StitchBand(kOrdinaryBand, rings[k], rings[k + 1]);
    StitchBand(kClosingBand, rings[0], rings[count - 1]);
}
