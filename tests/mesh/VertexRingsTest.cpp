#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/VertexRings.h"

namespace {

SelectVertiesOfArrow RingOf(std::int32_t first, std::int32_t count) {
    SelectVertiesOfArrow ring;
    for (std::int32_t i = 0; i < count; ++i) ring.Add(first + i);
    return ring;
}

std::vector<std::int32_t> Sequence(std::int32_t first, std::int32_t count) {
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < count; ++i) values.push_back(first + i);
    return values;
}

TEST(VertexRings, RingGrowsFromOneByWholeSteps) {
    SelectVertiesOfArrow ring;
    EXPECT_EQ(ring.GetItemsInContainer(), 0u);
    EXPECT_EQ(ring.Capacity(), 1u);
    std::vector<std::size_t> capacityAfter;  // capacity after the n-th append
    for (std::int32_t i = 0; i < 600; ++i) {
        ring.Add(i);
        capacityAfter.push_back(ring.Capacity());
    }
    EXPECT_EQ(capacityAfter[0], 1u);
    EXPECT_EQ(capacityAfter[1], 257u);
    EXPECT_EQ(capacityAfter[256], 257u);
    EXPECT_EQ(capacityAfter[257], 513u);
    EXPECT_EQ(IndicesOf(ring), Sequence(0, 600));
}

TEST(VertexRings, CopyOfARingIsItsOwn) {
    std::optional<SelectVertiesOfArrow> original = RingOf(100, 12);
    SelectVertiesOfArrow copied(*original);
    SelectVertiesOfArrow assigned = RingOf(7, 30);  // larger: its storage is reused
    assigned = *original;
    original->Add(999);
    original.reset();
    EXPECT_EQ(IndicesOf(copied), Sequence(100, 12));
    EXPECT_EQ(IndicesOf(assigned), Sequence(100, 12));
}

TEST(VertexRings, ListKeepsCopiesInAppendOrderThroughGrowth) {
    SelectVertiesOfArrowAll rings;
    {
        SelectVertiesOfArrow ring;
        for (std::int32_t k = 0; k < 300; ++k) {  // past the first growth of the list
            ring.Flush();
            for (std::int32_t j = 0; j < 3; ++j) ring.Add(3 * k + j);
            rings.Add(ring);
        }
        ring.Add(-1);  // changing and then destroying the appended ring
    }
    ASSERT_EQ(rings.GetItemsInContainer(), 300u);
    for (std::int32_t k = 0; k < 300; ++k) EXPECT_EQ(IndicesOf(rings[k]), Sequence(3 * k, 3)) << k;
}

TEST(VertexRings, ReservedRingsTakeTheirAppendsWithoutGrowing) {
    SelectVertiesOfArrowAll rings;
    rings.ReserveRings(5, 12);
    const SelectVertiesOfArrow* storage = &rings[0];
    for (std::int32_t k = 0; k < 5; ++k) rings.Add(RingOf(12 * k, 12));
    EXPECT_EQ(&rings[0], storage);
    EXPECT_EQ(rings.Capacity(), 5u);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(rings[k].Capacity(), 12u) << k;
    EXPECT_EQ(IndicesOf(rings[4]), Sequence(48, 12));
}

}  // namespace
