#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/TubeCircle.h"

namespace {

using Points = std::vector<HostPoint>;

struct ViewCase {
    std::int32_t view;
    Points points;  // 4 sections, radius 1, scale 1000
};

class TubeCircleInView : public testing::TestWithParam<ViewCase> {};

TEST_P(TubeCircleInView, StartsOnItsAxisAndTurnsTheDocumentedWay) {
    BoundHost bound(GetParam().view);
    SelectVertiesOfArrow ring;
    EXPECT_TRUE(BuildTubeCircle(4, ring, 1.0));
    EXPECT_EQ(PointsOf(bound.host, ring), GetParam().points);
    EXPECT_TRUE(bound.host.Violations().empty());
}

// The tiny non-zero cosine at a quarter turn truncates to 0.
INSTANTIATE_TEST_SUITE_P(
    Views, TubeCircleInView,
    testing::Values(ViewCase{0, {{0, 1000, 0}, {0, 0, 1000}, {0, -1000, 0}, {0, 0, -1000}}},
                    ViewCase{1, {{0, 1000, 0}, {1000, 0, 0}, {0, -1000, 0}, {-1000, 0, 0}}},
                    ViewCase{2, {{0, 0, 1000}, {1000, 0, 0}, {0, 0, -1000}, {-1000, 0, 0}}}));

std::vector<HostCall> CircleCalls(std::int32_t firstVertex, std::int32_t firstEdgeCount) {
    std::vector<HostCall> calls;
    std::int32_t edges = firstEdgeCount;
    auto edge = [&](std::int32_t a, std::int32_t b) {
        calls.push_back({HostCallKind::GrowEdges, ++edges});
        calls.push_back({HostCallKind::CreateEdge, a, b});
    };
    for (std::int32_t k = 0; k < 4; ++k) {
        calls.push_back({HostCallKind::GrowVertices, firstVertex + k + 1});
        calls.push_back({HostCallKind::CreateVertex});
        if (k > 0) edge(firstVertex + k - 1, firstVertex + k);
    }
    edge(firstVertex + 3, firstVertex);
    return calls;
}

struct ExistingCase {
    std::int32_t vertices;
    std::int32_t edges;
};

class TubeCircleOnHost : public testing::TestWithParam<ExistingCase> {};

TEST_P(TubeCircleOnHost, AppendsVerticesAndInterleavedEdgesAfterTheExistingOnes) {
    const auto [existing, existingEdges] = GetParam();
    BoundHost bound(0, existing, existingEdges);
    const std::vector<HostVertex> before(bound.host.Vertices(), bound.host.Vertices() + existing);
    SelectVertiesOfArrow ring;
    ring.Add(-5);  // the builder appends after what the ring holds
    BuildTubeCircle(4, ring, 1.0);

    EXPECT_EQ(bound.host.CallLog(), CircleCalls(existing, existingEdges));
    EXPECT_EQ(IndicesOf(ring), (std::vector<std::int32_t>{-5, existing, existing + 1, existing + 2, existing + 3}));
    EXPECT_EQ(bound.host.vertexCount, existing + 4);
    EXPECT_TRUE(bound.host.Violations().empty());
    // The vertices that were there are untouched.
    if (existing > 0) {
        EXPECT_EQ(std::memcmp(before.data(), bound.host.Vertices(), existing * sizeof(HostVertex)), 0);
    }
    // Each new vertex knows its own index, is selected, and keeps the host's
    // bytes everywhere else.
    for (std::int32_t i = existing; i < existing + 4; ++i) {
        const HostVertex& vertex = bound.host.Vertices()[i];
        EXPECT_EQ(vertex.index, i);
        EXPECT_EQ(vertex.status, 1);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&vertex);
        for (int b : {0, 1, 2, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17, 18, 19})
            EXPECT_EQ(bytes[b], MemoryHost::kNewVertexMarker) << "vertex " << i << " byte " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, TubeCircleOnHost, testing::Values(ExistingCase{0, 0}, ExistingCase{7, 3}));

TEST(TubeCircle, TruncatesTowardZero) {
    BoundHost bound(0);
    SelectVertiesOfArrow ring;
    BuildTubeCircle(12, ring, 0.5);
    EXPECT_EQ(PointAt(bound.host, 5).y, -433);  // from -433.01…, not -434
}

// Twelve sections, radius 1, scale 1000, view 0: at positions 10 and 11 the
// running sum of the angle differs from index × step in its last bit, and
// the truncated coordinates follow it (index × step would give 499 and -500).
TEST(TubeCircle, AnglesAreRunningSumsNotIndexTimesStep) {
    BoundHost bound(0);
    SelectVertiesOfArrow ring;
    BuildTubeCircle(12, ring, 1.0);
    EXPECT_EQ(PointAt(bound.host, 10), (HostPoint{0, 500, -866}));
    EXPECT_EQ(PointAt(bound.host, 11), (HostPoint{0, 866, -499}));
}

TEST(TubeCircle, ViewWithoutPlaneKeepsTheHostsCoordinates) {
    BoundHost bound(3);
    SelectVertiesOfArrow ring;
    BuildTubeCircle(4, ring, 1.0);
    std::int32_t marker;
    std::memset(&marker, MemoryHost::kNewVertexMarker, sizeof marker);
    for (std::int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(PointAt(bound.host, i), (HostPoint{marker, marker, marker}));
        EXPECT_EQ(bound.host.Vertices()[i].index, i);
        EXPECT_EQ(bound.host.Vertices()[i].status, 1);
    }
    EXPECT_EQ(bound.host.CallLog(), CircleCalls(0, 0));
    EXPECT_EQ(IndicesOf(ring), (std::vector<std::int32_t>{0, 1, 2, 3}));
}

}  // namespace
