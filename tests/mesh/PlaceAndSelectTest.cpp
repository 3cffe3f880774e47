// The end of a run in one call must leave the host exactly as the four
// steps it stands for, whatever the ring list: one unbroken block of
// indices (a run's rings) anywhere in the host, or any other list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/Placement.h"

namespace {

using RingIndices = std::vector<std::vector<std::int32_t>>;

struct PlaceCase {
    std::string name;
    std::int32_t hostVertices;
    RingIndices rings;
};

void PrintTo(const PlaceCase& c, std::ostream* out) { *out << c.name; }

SelectVertiesOfArrowAll RingList(const RingIndices& indices) {
    SelectVertiesOfArrowAll list;
    for (const std::vector<std::int32_t>& entries : indices) {
        SelectVertiesOfArrow ring;
        for (const std::int32_t index : entries) ring.Add(index);
        list.Add(ring);
    }
    return list;
}

// A host whose vertices carry every kind of status (1 among them, where the
// run's new vertices stand too) and coordinates that truncate differently
// when moved.
std::vector<std::uint8_t> HostAfter(const PlaceCase& c, void (*finish)(const SelectVertiesOfArrowAll&)) {
    MemoryHost host(HostMode::Strict);
    host.unitScale = 10.0;
    host.selectedVertexCount = 99;
    const std::int8_t statuses[] = {0, 1, 2, 1, -1, 1};
    for (std::int32_t i = 0; i < c.hostVertices; ++i) host.AddVertex(7 * i - 40, 13 - 3 * i, i % 5 - 2, statuses[i % 6]);
    HostContext = host.Context();
    finish(RingList(c.rings));
    return host.Image();
}

constexpr Offset kCentre{2.5, -0.07, 0.33};

void FourSteps(const SelectVertiesOfArrowAll& rings) {
    TranslateRings(rings, kCentre);
    ClearHostSelection();
    SelectRingVertices(rings);
    *HostContext->selectedVertexCount = CountRingVertices(rings);
}

void OneCall(const SelectVertiesOfArrowAll& rings) { PlaceAndSelectRings(rings, kCentre); }

class PlaceAndSelect : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceAndSelect, LeavesTheHostAsTheFourSteps) {
    EXPECT_EQ(HostAfter(GetParam(), OneCall), HostAfter(GetParam(), FourSteps));
}

INSTANTIATE_TEST_SUITE_P(
    RingLists, PlaceAndSelect,
    testing::Values(PlaceCase{"BlockAtTheEnd", 20, {{8, 9, 10, 11}, {12, 13, 14, 15}, {16, 17, 18, 19}}},
                    PlaceCase{"BlockIsTheWholeHost", 6, {{0, 1, 2}, {3, 4, 5}}},
                    PlaceCase{"BlockWithOldVerticesAfterIt", 20, {{3, 4, 5}, {6, 7, 8}}},
                    PlaceCase{"Gap", 20, {{3, 4, 5}, {7, 8, 9}}},
                    PlaceCase{"Descending", 20, {{5, 4, 3}, {2, 1, 0}}},
                    PlaceCase{"RepeatedIndex", 20, {{2, 3}, {3, 4}}},
                    PlaceCase{"EmptyRingsOnly", 8, {{}, {}}},
                    PlaceCase{"NoRings", 8, {}}),
    [](const testing::TestParamInfo<PlaceCase>& test) { return test.param.name; });

}  // namespace
