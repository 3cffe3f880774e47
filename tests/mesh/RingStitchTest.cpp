#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"

namespace {

struct Step {
    bool isFace;
    std::int32_t a, b, c;
};

Step E(std::int32_t a, std::int32_t b) { return {false, a, b, 0}; }
Step F(std::int32_t a, std::int32_t b, std::int32_t c) { return {true, a, b, c}; }

// The stitching of 4 rings of 4 vertices, ring k holding 4k … 4k+3.
std::vector<Step> WorkedExample() {
    const std::vector<Step> firstBand = {
        E(0, 4), E(1, 4), F(1, 4, 0), F(4, 1, 5),  // quad 0
        E(1, 5), E(2, 5), F(2, 5, 1), F(5, 2, 6),  // quad 1
        E(2, 6), E(3, 6), F(3, 6, 2), F(6, 3, 7),  // quad 2
        E(3, 7),                                   // the last rung
        E(0, 7), F(3, 0, 7), F(4, 7, 0),           // the closing quad
    };
    const std::vector<Step> closingBand = {
        E(0, 12), E(1, 12), F(0, 12, 1), F(13, 1, 12),
        E(1, 13), E(2, 13), F(1, 13, 2), F(14, 2, 13),
        E(2, 14), E(3, 14), F(2, 14, 3), F(15, 3, 14),
        E(3, 15),
        E(0, 15), F(15, 0, 3), F(0, 15, 12),
    };
    std::vector<Step> steps;
    for (std::int32_t raise : {0, 4, 8})
        for (Step step : firstBand) steps.push_back({step.isFace, step.a + raise, step.b + raise, step.c + raise});
    steps.insert(steps.end(), closingBand.begin(), closingBand.end());
    return steps;
}

// Each step preceded by its grow call to the count + 1.
std::vector<HostCall> HostCallsOf(const std::vector<Step>& steps, std::int32_t raise, std::int32_t edges,
                                  std::int32_t faces) {
    std::vector<HostCall> calls;
    for (const Step& step : steps) {
        if (step.isFace) {
            calls.push_back({HostCallKind::GrowFaces, ++faces});
            calls.push_back({HostCallKind::CreateFace, step.a + raise, step.b + raise, step.c + raise});
        } else {
            calls.push_back({HostCallKind::GrowEdges, ++edges});
            calls.push_back({HostCallKind::CreateEdge, step.a + raise, step.b + raise});
        }
    }
    return calls;
}

std::vector<HostCall> CallsFrom(const MemoryHost& host, std::size_t first) {
    return {host.CallLog().begin() + static_cast<std::ptrdiff_t>(first), host.CallLog().end()};
}

class StitchWorkedExample : public testing::TestWithParam<std::int32_t> {};

TEST_P(StitchWorkedExample, MakesTheListedStepsInOrder) {
    const std::int32_t existing = GetParam();
    BoundHost bound(0, existing, 3, 2);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(4, 4, rings, 2.0, 1.0);
    const auto ringsBefore = IndicesOf(rings);
    const std::size_t sweepCalls = bound.host.CallLog().size();

    StitchRings(rings);

    EXPECT_EQ(CallsFrom(bound.host, sweepCalls), HostCallsOf(WorkedExample(), existing, 3 + 16, 2));
    EXPECT_EQ(bound.host.edgeCount, 3 + 16 + 32);
    EXPECT_EQ(bound.host.faceCount, 2 + 32);
    EXPECT_EQ(IndicesOf(rings), ringsBefore);
    EXPECT_TRUE(bound.host.Violations().empty());
}

INSTANTIATE_TEST_SUITE_P(ExistingVertices, StitchWorkedExample, testing::Values(0, 5));

TEST(Stitch, DefaultsMake288EdgesAnd288FacesAfterTheRingEdges) {
    BoundHost bound(0);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(12, 12, rings, 1.0, 0.5);
    const std::size_t sweepCalls = bound.host.CallLog().size();
    StitchRings(rings);
    EXPECT_EQ(bound.host.edgeCount, 144 + 288);
    EXPECT_EQ(bound.host.faceCount, 288);

    const auto calls = CallsFrom(bound.host, sweepCalls);
    EXPECT_EQ(calls.size(), 8u * 144u);
    const auto firstOf = [&](HostCallKind kind) {
        return *std::find_if(calls.begin(), calls.end(), [&](const HostCall& call) { return call.kind == kind; });
    };
    EXPECT_EQ(firstOf(HostCallKind::GrowEdges).a, 145);
    EXPECT_EQ(firstOf(HostCallKind::GrowFaces).a, 1);
}

// Lists the sweep never makes are not a tube: stitching them would double
// edges, so they are left alone.
TEST(Stitch, LeavesAListThatIsNoTubeAlone) {
    const auto ringOf = [](std::int32_t first, std::int32_t count) {
        SelectVertiesOfArrow ring;
        for (std::int32_t i = 0; i < count; ++i) ring.Add(first + i);
        return ring;
    };
    BoundHost bound(0, 40);
    SelectVertiesOfArrowAll twoRings;
    twoRings.Add(ringOf(0, 4));
    twoRings.Add(ringOf(4, 4));
    SelectVertiesOfArrowAll unequalRings;
    unequalRings.Add(ringOf(0, 4));
    unequalRings.Add(ringOf(4, 4));
    unequalRings.Add(ringOf(8, 5));
    SelectVertiesOfArrowAll pointRings;
    for (std::int32_t k = 0; k < 4; ++k) pointRings.Add(ringOf(k, 1));
    const auto before = bound.host.Image();
    StitchRings(SelectVertiesOfArrowAll{});
    StitchRings(twoRings);
    StitchRings(unequalRings);
    StitchRings(pointRings);
    EXPECT_TRUE(bound.host.CallLog().empty());
    EXPECT_EQ(bound.host.Image(), before);
}

}  // namespace
