// Joins each ring to the next, and the last to the first, with edges and
// consistently wound triangles, closing the tube.
#pragma once

#include "mesh/VertexRings.h"

void StitchRings(const SelectVertiesOfArrowAll& rings);
