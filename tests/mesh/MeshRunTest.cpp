// The mesh steps of one run, in the order the entry calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/Placement.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"

namespace {

TEST(MeshRun, DefaultTorusOnAHostWithAMesh) {
    MemoryHost host(HostMode::Strict);
    const std::int8_t oldStatus[] = {0, 1, 2, 1, 0};  // repeated over the 100 old vertices
    for (std::int32_t i = 0; i < 100; ++i) host.AddVertex(i, -i, 3 * i, oldStatus[i % 5]);
    for (std::int32_t i = 0; i < 50; ++i) host.AddEdge(i, i + 1);
    for (std::int32_t i = 0; i < 20; ++i) host.AddFace(i, i + 1, i + 2);
    host.selectedVertexCount = 40;
    host.activeView = 0;
    HostContext = host.Context();

    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(12, 12, rings, 1.0, 0.5);
    const std::int32_t edgesAfterSweep = host.edgeCount;
    StitchRings(rings);
    TranslateRings(rings, Offset{1.5, -2.25, 0.75});
    ClearHostSelection();
    SelectRingVertices(rings);
    *HostContext->selectedVertexCount = CountRingVertices(rings);

    EXPECT_TRUE(host.Violations().empty());
    EXPECT_EQ(edgesAfterSweep, 50 + 144);  // the ring edges come before any stitching edge
    ASSERT_EQ(rings.GetItemsInContainer(), 12u);
    for (std::int32_t k = 0; k < 12; ++k) {
        std::vector<std::int32_t> expected;
        for (std::int32_t j = 0; j < 12; ++j) expected.push_back(100 + 12 * k + j);
        EXPECT_EQ(IndicesOf(rings[k]), expected) << k;
    }
    EXPECT_EQ(host.vertexCount, 244);
    EXPECT_EQ(host.edgeCount, 482);
    EXPECT_EQ(host.faceCount, 308);
    EXPECT_EQ(host.selectedVertexCount, 144);

    for (std::int32_t i = 0; i < 100; ++i) {
        const HostVertex& vertex = host.Vertices()[i];
        EXPECT_EQ(vertex.status, oldStatus[i % 5] == 1 ? 0 : oldStatus[i % 5]) << i;
        EXPECT_EQ(PointAt(host, i), (HostPoint{i, -i, 3 * i})) << i;
    }
    for (std::int32_t i = 100; i < 244; ++i) {
        const HostVertex& vertex = host.Vertices()[i];
        EXPECT_EQ(vertex.status, 1) << i;
        EXPECT_EQ(vertex.index, i) << i;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&vertex);
        for (int b : {0, 1, 2, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17, 18, 19})
            EXPECT_EQ(bytes[b], MemoryHost::kNewVertexMarker) << "vertex " << i << " byte " << b;
    }
    // The first circle's first vertex: (0, ring + tube radius, 0) moved by the centre.
    EXPECT_EQ(PointAt(host, 100), (HostPoint{1500, 1500 - 2250, 750}));
}

}  // namespace
