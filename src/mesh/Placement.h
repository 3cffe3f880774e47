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
