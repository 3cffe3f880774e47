#include <gtest/gtest.h>

#include <vector>

#include "MeshTestHost.h"
#include "mesh/Placement.h"
#include "mesh/RingSweep.h"

namespace {

SelectVertiesOfArrowAll RingsOver(std::int32_t first, std::int32_t rings, std::int32_t size) {
    SelectVertiesOfArrowAll list;
    SelectVertiesOfArrow ring;
    for (std::int32_t k = 0; k < rings; ++k) {
        ring.Flush();
        for (std::int32_t j = 0; j < size; ++j) ring.Add(first + k * size + j);
        list.Add(ring);
    }
    return list;
}

struct CentreCase {
    double scale;
    Offset centre;
    HostPoint from;
    HostPoint to;
};

class TranslateRingsByCentre : public testing::TestWithParam<CentreCase> {};

TEST_P(TranslateRingsByCentre, MovesEachRingVertexOnceAndNoOtherVertex) {
    const auto& [scale, centre, from, to] = GetParam();
    BoundHost bound(0, 10);  // vertices 4 … 9 form two rings of three
    bound.host.unitScale = scale;
    for (std::int32_t i = 4; i < 10; ++i) {
        bound.host.Vertices()[i].x = from.x;
        bound.host.Vertices()[i].y = from.y;
        bound.host.Vertices()[i].z = from.z;
    }
    const std::vector<HostVertex> old(bound.host.Vertices(), bound.host.Vertices() + 4);
    TranslateRings(RingsOver(4, 2, 3), centre);
    for (std::int32_t i = 4; i < 10; ++i) EXPECT_EQ(PointAt(bound.host, i), to) << i;
    for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(PointAt(bound.host, i), (HostPoint{old[i].x, old[i].y, old[i].z}));
}

INSTANTIATE_TEST_SUITE_P(
    Centres, TranslateRingsByCentre,
    testing::Values(CentreCase{1000.0, {0.0, 0.0, 0.0}, {123, -456, 789}, {123, -456, 789}},
                    CentreCase{100.0, {3.0, -2.0, 0.5}, {10, 20, 30}, {310, -180, 80}},
                    // The sum is truncated: 12.5 → 12, -7.5 → -7.
                    CentreCase{1.0, {2.5, 2.5, 2.5}, {10, -10, 0}, {12, -7, 2}}));

TEST(Placement, ClearingKeepsEveryStatusButOne) {
    BoundHost bound(0);
    const std::int8_t statuses[] = {1, 0, 2, -1, 1, 127, 1};
    for (std::int8_t status : statuses) bound.host.AddVertex(0, 0, 0, status);
    ClearHostSelection();
    const std::int8_t expected[] = {0, 0, 2, -1, 0, 127, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(bound.host.Vertices()[i].status, expected[i]) << i;
}

TEST(Placement, SelectingWritesOnlyTheStatusOfRingVertices) {
    BoundHost bound(0, 12);  // statuses 0, 1, 2, 0, 1, 2, …
    MemoryHost expected;
    for (std::int32_t i = 0; i < 12; ++i) {
        const HostVertex& vertex = bound.host.Vertices()[i];
        const bool inRing = i >= 3 && i < 9;
        expected.AddVertex(vertex.x, vertex.y, vertex.z, inRing ? 1 : vertex.status);
    }
    SelectRingVertices(RingsOver(3, 2, 3));
    EXPECT_EQ(bound.host.Image(), expected.Image());
}

TEST(Placement, CountsRingEntries) {
    EXPECT_EQ(CountRingVertices(SelectVertiesOfArrowAll{}), 0);
    EXPECT_EQ(CountRingVertices(RingsOver(100, 12, 12)), 144);
    EXPECT_EQ(CountRingVertices(RingsOver(0, 5, 7)), 35);
}

TEST(Placement, EmptyListChangesNothing) {
    BoundHost bound(0, 6);
    const auto before = bound.host.Image();
    TranslateRings(SelectVertiesOfArrowAll{}, Offset{5.0, 6.0, 7.0});
    SelectRingVertices(SelectVertiesOfArrowAll{});
    EXPECT_EQ(bound.host.Image(), before);
}

}  // namespace
