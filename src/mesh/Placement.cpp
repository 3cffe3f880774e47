#include "mesh/Placement.h"

#include <optional>

#include "host/HostAccess.h"
#include "mesh/RingSweep.h"
#include "mesh/VertexArithmetic.h"

namespace {

// The host indices from `first` up to, not including, `end`.
struct IndexBlock {
    std::int64_t first;
    std::int64_t end;
};

// The block the rings' entries form, if they are one unbroken ascending
// sequence in list and ring order.
std::optional<IndexBlock> UnbrokenIndexBlock(const SelectVertiesOfArrowAll& rings) {
    std::optional<IndexBlock> block;
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k) {
        const SelectVertiesOfArrow& ring = rings[k];
        for (std::size_t j = 0; j < ring.GetItemsInContainer(); ++j) {
            if (!block) block = IndexBlock{ring[j], ring[j]};
            if (ring[j] != block->end) return std::nullopt;
            ++block->end;
        }
    }
    return block;
}

// What ClearHostSelection does, for the vertices from `begin` up to, not
// including, `end` or the host's count, whichever comes first.
void ClearSelectionBetween(std::int64_t begin, std::int64_t end) {
    for (std::int64_t i = begin; i < end && i < *HostContext->vertexCount; ++i) {
        HostVertex& vertex = HostVertexAt(static_cast<std::int32_t>(i));
        if (vertex.status == 1) vertex.status = 0;
    }
}

}  // namespace

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

void PlaceAndSelectRings(const SelectVertiesOfArrowAll& rings, const Offset& centre) {
    const std::optional<IndexBlock> block = UnbrokenIndexBlock(rings);
    if (!block) {
        TranslateRings(rings, centre);
        ClearHostSelection();
        SelectRingVertices(rings);
    } else {
        // Clearing a new vertex's selection would only be undone by selecting
        // it: the new ones are moved and selected, the others deselected.
        ClearSelectionBetween(0, block->first);
        const ScaledOffset move = ScaleOffset(centre, *HostContext->unitScale);
        for (std::int64_t i = block->first; i < block->end; ++i) {
            HostVertex& vertex = HostVertexAt(static_cast<std::int32_t>(i));
            MoveHostVertex(vertex, move);
            vertex.status = 1;
        }
        ClearSelectionBetween(block->end, INT32_MAX);
    }
    *HostContext->selectedVertexCount = CountRingVertices(rings);
}
