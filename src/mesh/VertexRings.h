// The rings of one run: which host vertices belong to which tube circle.
//
// A ring holds the host indices of one circle's vertices in creation order;
// the ring list holds the rings in sweep order. Both only ever grow at the
// end. Copies are deep: a ring appended to the list is the list's own.
#pragma once

#include <cstdint>

#include "platform/TArrayAsVector.h"

// Host vertex indices are signed 32-bit (the host's `long`).
class SelectVertiesOfArrow : public TArrayAsVector<std::int32_t> {
public:
    ~SelectVertiesOfArrow() override = default;
};

class SelectVertiesOfArrowAll : public TArrayAsVector<SelectVertiesOfArrow> {
public:
    ~SelectVertiesOfArrowAll() override = default;

    // Allocates, in advance, room for `rings` rings of `indicesPerRing`
    // indices each, so that appending them later allocates nothing. The run
    // calls this before its first change to the host.
    void ReserveRings(std::size_t rings, std::size_t indicesPerRing) {
        Reserve(GetItemsInContainer() + rings);
        for (SelectVertiesOfArrow* ring = SpareBegin(); ring != SpareEnd(); ++ring)
            ring->Reserve(indicesPerRing);
    }
};
