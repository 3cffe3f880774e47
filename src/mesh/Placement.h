// The end of a run: move the new object to the centre and make its
// vertices the host's whole selection.
#pragma once

#include <cstdint>

#include "mesh/Offset.h"
#include "mesh/VertexRings.h"

void TranslateRings(const SelectVertiesOfArrowAll& rings, const Offset& centre);

// Status 1 drops to 0 on every host vertex; any other status is kept.
void ClearHostSelection();

void SelectRingVertices(const SelectVertiesOfArrowAll& rings);

// The number of ring entries: R·T for a run.
std::int32_t CountRingVertices(const SelectVertiesOfArrowAll& rings);

// The end of a run in one call: TranslateRings, ClearHostSelection,
// SelectRingVertices, then CountRingVertices into the host's selected-vertex
// count. The host ends exactly as after those four steps. When the rings
// hold one unbroken sequence of host indices (first, first + 1, ... in ring
// order), as a run's rings do, each vertex is visited once: the new ones are
// moved and selected together and only the others are deselected. Other
// ring lists take the four steps one after another.
void PlaceAndSelectRings(const SelectVertiesOfArrowAll& rings, const Offset& centre);
