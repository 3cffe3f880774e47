#include "mesh/Placement.h"

#include "host/HostAccess.h"
#include "mesh/RingSweep.h"

void TranslateRings(const SelectVertiesOfArrowAll& rings, const Offset& centre) {
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k) TranslateRing(rings[k], centre);
}

void ClearHostSelection() {
    // The count is read afresh at every test, as a signed value.
    for (std::int32_t i = 0; i < *HostContext->vertexCount; ++i) {
        HostVertex& vertex = HostVertexAt(i);
        if (vertex.status == 1) vertex.status = 0;
    }
}

void SelectRingVertices(const SelectVertiesOfArrowAll& rings) {
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k) {
        const SelectVertiesOfArrow& ring = rings[k];
        for (std::size_t j = 0; j < ring.GetItemsInContainer(); ++j) HostVertexAt(ring[j]).status = 1;
    }
}

std::int32_t CountRingVertices(const SelectVertiesOfArrowAll& rings) {
    // A run's R·T fits: the run refuses counts that would overflow the host.
    std::size_t count = 0;
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k) count += rings[k].GetItemsInContainer();
    return static_cast<std::int32_t>(count);
}
