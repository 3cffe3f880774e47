#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/RingSweep.h"
#include "mesh/SweepArguments.h"

namespace {

using Points = std::vector<HostPoint>;

std::vector<Points> SweptPoints(const MemoryHost& host, const SelectVertiesOfArrowAll& rings) {
    std::vector<Points> points;
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k) points.push_back(PointsOf(host, rings[k]));
    return points;
}

struct WorkedCase {
    std::int32_t view;
    std::vector<Points> rings;  // 4 × 4, ring radius 2, tube radius 1, scale 1000
};

class SweepWorkedExample : public testing::TestWithParam<WorkedCase> {};

TEST_P(SweepWorkedExample, PlacesEveryVertex) {
    BoundHost bound(GetParam().view);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(4, 4, rings, 2.0, 1.0);
    EXPECT_EQ(SweptPoints(bound.host, rings), GetParam().rings);
    EXPECT_EQ(IndicesOf(rings), (std::vector<std::vector<std::int32_t>>{
                                    {0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9, 10, 11}, {12, 13, 14, 15}}));
    EXPECT_TRUE(bound.host.Violations().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Views, SweepWorkedExample,
    testing::Values(
        WorkedCase{0,
                   {{{0, 3000, 0}, {0, 2000, 1000}, {0, 1000, 0}, {0, 2000, -1000}},
                    {{3000, 0, 0}, {2000, 0, 1000}, {1000, 0, 0}, {2000, 0, -1000}},
                    {{0, -3000, 0}, {0, -2000, 1000}, {0, -1000, 0}, {0, -2000, -1000}},
                    {{-3000, 0, 0}, {-2000, 0, 1000}, {-1000, 0, 0}, {-2000, 0, -1000}}}},
        WorkedCase{1,
                   {{{0, 1000, 2000}, {0, 0, 3000}, {0, -1000, 2000}, {0, 0, 1000}},
                    {{2000, 1000, 0}, {3000, 0, 0}, {2000, -1000, 0}, {1000, 0, 0}},
                    {{0, 1000, -2000}, {0, 0, -3000}, {0, -1000, -2000}, {0, 0, -1000}},
                    {{-2000, 1000, 0}, {-3000, 0, 0}, {-2000, -1000, 0}, {-1000, 0, 0}}}},
        WorkedCase{2,
                   {{{0, 0, 3000}, {1000, 0, 2000}, {0, 0, 1000}, {-1000, 0, 2000}},
                    {{0, 3000, 0}, {1000, 2000, 0}, {0, 1000, 0}, {-1000, 2000, 0}},
                    {{0, 0, -3000}, {1000, 0, -2000}, {0, 0, -1000}, {-1000, 0, -2000}},
                    {{0, -3000, 0}, {1000, -2000, 0}, {0, -1000, 0}, {-1000, -2000, 0}}}}));

struct ClampCase {
    SweepArguments given;
    SweepArguments used;
};

class SweepClamps : public testing::TestWithParam<ClampCase> {};

TEST_P(SweepClamps, RaiseOnlyZeroRadiiAndSmallCounts) {
    const auto [given, used] = GetParam();
    const SweepArguments clamped =
        ClampSweepArguments(given.ringSections, given.tubeSections, given.ringRadius, given.tubeRadius);
    EXPECT_EQ(clamped.ringSections, used.ringSections);
    EXPECT_EQ(clamped.tubeSections, used.tubeSections);
    EXPECT_EQ(clamped.ringRadius, used.ringRadius);
    EXPECT_EQ(clamped.tubeRadius, used.tubeRadius);

    BoundHost bound(1);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(given.ringSections, given.tubeSections, rings, given.ringRadius, given.tubeRadius);
    ASSERT_EQ(rings.GetItemsInContainer(), static_cast<std::size_t>(used.ringSections));
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k)
        EXPECT_EQ(rings[k].GetItemsInContainer(), static_cast<std::size_t>(used.tubeSections));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SweepClamps,
    testing::Values(ClampCase{{0, 2, 0.0, -0.0}, {4, 4, 0.0001, 0.0001}},
                    ClampCase{{3, 4, -0.0, 0.0}, {4, 4, 0.0001, 0.0001}},
                    ClampCase{{-5, 3, 0.001, 1e-300}, {4, 4, 0.001, 1e-300}},
                    ClampCase{{5, 6, -2.0, -0.5}, {5, 6, -2.0, -0.5}},
                    ClampCase{{INT32_MIN, INT32_MIN, 1.0, 0.5}, {4, 4, 1.0, 0.5}}));

TEST(Sweep, MakesOnlyVerticesAndRingEdgesCircleAfterCircle) {
    constexpr std::int32_t kExisting = 9;
    BoundHost bound(2, kExisting, 2, 1);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(5, 3, rings, 1.0, 0.5);  // 3 tube sections are raised to 4

    std::int32_t next = kExisting;
    std::int32_t edges = 2;
    std::vector<HostCall> expected;
    for (std::int32_t j = 0; j < 5; ++j) {
        for (std::int32_t k = 0; k < 4; ++k, ++next) {
            expected.push_back({HostCallKind::GrowVertices, next + 1});
            expected.push_back({HostCallKind::CreateVertex});
            if (k > 0) {
                expected.push_back({HostCallKind::GrowEdges, ++edges});
                expected.push_back({HostCallKind::CreateEdge, next - 1, next});
            }
        }
        expected.push_back({HostCallKind::GrowEdges, ++edges});
        expected.push_back({HostCallKind::CreateEdge, next - 1, next - 4});
    }
    EXPECT_EQ(bound.host.CallLog(), expected);
    EXPECT_EQ(bound.host.faceCount, 1);
    for (std::int32_t j = 0; j < 5; ++j)
        EXPECT_EQ(IndicesOf(rings[j]), (std::vector<std::int32_t>{kExisting + 4 * j, kExisting + 4 * j + 1,
                                                                   kExisting + 4 * j + 2, kExisting + 4 * j + 3}));
    EXPECT_TRUE(bound.host.Violations().empty());
}

TEST(Sweep, AllocatesItsRingsUpFront) {
    BoundHost bound(0);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(7, 9, rings, 1.0, 0.5);
    // Reserved exactly before the first host call; growth on the way would
    // have left the first growth step's capacity (257).
    EXPECT_EQ(rings.Capacity(), 7u);
    for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(rings[k].Capacity(), 9u) << k;
}

// With the smallest tube radius the circles truncate to the origin, so each
// ring lands on its section's centre: ring radius · (sin θ, cos θ) · scale in
// view 0. For 12 sections the running sum of θ at sections 10 and 11 differs
// from index × step in its last bit, and the truncated centres follow it
// (index × step would give 499 and -500).
TEST(Sweep, SectionAnglesAreRunningSums) {
    BoundHost bound(0);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(12, 4, rings, 1.0, 0.0);
    for (const HostPoint& point : PointsOf(bound.host, rings[10])) EXPECT_EQ(point, (HostPoint{-866, 500, 0}));
    for (const HostPoint& point : PointsOf(bound.host, rings[11])) EXPECT_EQ(point, (HostPoint{-499, 866, 0}));
}

TEST(Sweep, ViewWithoutPlaneNeitherTurnsNorMoves) {
    BoundHost bound(7);
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(4, 4, rings, 2.0, 1.0);
    std::int32_t marker;
    std::memset(&marker, MemoryHost::kNewVertexMarker, sizeof marker);
    for (std::int32_t i = 0; i < 16; ++i) EXPECT_EQ(PointAt(bound.host, i), (HostPoint{marker, marker, marker})) << i;
    EXPECT_EQ(bound.host.edgeCount, 16);
}

enum class Turn { XY, XZ, YZ };

struct TurnCase {
    Turn turn;
    double angle;
    HostPoint from;
    HostPoint to;
};

class SingleTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(SingleTurn, RewritesTwoCoordinatesFromTheOldValues) {
    BoundHost bound(0, 2);
    bound.host.Vertices()[1].x = GetParam().from.x;
    bound.host.Vertices()[1].y = GetParam().from.y;
    bound.host.Vertices()[1].z = GetParam().from.z;
    const HostPoint other = PointAt(bound.host, 0);
    SelectVertiesOfArrow ring;
    ring.Add(1);
    switch (GetParam().turn) {
    case Turn::XY: RotateRingXY(ring, GetParam().angle); break;
    case Turn::XZ: RotateRingXZ(ring, GetParam().angle); break;
    case Turn::YZ: RotateRingYZ(ring, GetParam().angle); break;
    }
    EXPECT_EQ(PointAt(bound.host, 1), GetParam().to);
    EXPECT_EQ(PointAt(bound.host, 0), other);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, SingleTurn,
    testing::Values(TurnCase{Turn::XZ, 0.0, {1000, 7, -3000}, {-3000, 7, 1000}},  // mirrored: swaps x and z
                    TurnCase{Turn::XY, 0.0, {1000, 7, -3000}, {1000, 7, -3000}},
                    TurnCase{Turn::YZ, 0.0, {1000, 7, -3000}, {1000, 7, -3000}},
                    // A quarter turn: cos θ is 6e-17, not 0, and truncates away.
                    TurnCase{Turn::XY, 1.5707963267948966, {1000, 7, -3000}, {7, -1000, -3000}},
                    TurnCase{Turn::YZ, 1.5707963267948966, {1000, 7, -3000}, {1000, -3000, -7}},
                    // Both results come from the old values, each truncated toward zero.
                    TurnCase{Turn::XY, 0.5, {100, 0, 1}, {87, -47, 1}}));

struct MoveCase {
    double scale;
    std::int32_t from;
    double offset;
    std::int32_t to;
};

class TranslateOneVertex : public testing::TestWithParam<MoveCase> {};

TEST_P(TranslateOneVertex, TruncatesTheSumOnEveryAxis) {
    const auto [scale, from, offset, to] = GetParam();
    BoundHost bound(0, 1);
    bound.host.unitScale = scale;
    bound.host.Vertices()[0].x = from;
    bound.host.Vertices()[0].y = -from;
    bound.host.Vertices()[0].z = from;
    SelectVertiesOfArrow ring;
    ring.Add(0);
    TranslateRing(ring, Offset{offset, -offset, 0.0});
    EXPECT_EQ(PointAt(bound.host, 0), (HostPoint{to, -to, from}));
}

INSTANTIATE_TEST_SUITE_P(Sums, TranslateOneVertex,
                         testing::Values(MoveCase{10.0, 5, -0.07, 4},    // 4.3, not 5 - 0 = 5
                                         MoveCase{10.0, -5, 0.07, -4},   // -4.3
                                         MoveCase{1.0, 10, 2.5, 12},     // 12.5
                                         MoveCase{1.0, -10, 2.5, -7},    // -7.5
                                         MoveCase{100.0, 17, 3.0, 317},  // whole products move exactly
                                         MoveCase{1000.0, 0, 0.0, 0}));

}  // namespace
