// The reference host must catch the plug-in breaking the contract, or the
// other tests prove nothing.
#include <gtest/gtest.h>

#include "refhost/MemoryHost.h"

namespace {

TEST(MemoryHost, CreateWithoutMatchingGrowIsAViolation) {
    MemoryHost host;
    ModelerContext* context = host.Context();
    context->CreateEdge(0, 1);                 // no grow at all
    context->GrowFaceStorage(5);               // wrong size for a count of 0
    context->CreateFace(0, 1, 2);
    context->GrowEdgeStorage(2);               // grow edges, then create a face
    context->CreateFace(0, 1, 2);
    EXPECT_EQ(host.Violations().size(), 3u);
}

TEST(MemoryHost, StrictHostMovesItsArrayOnEveryGrowthAndMarksNewVertices) {
    MemoryHost host(HostMode::Strict);
    ModelerContext* context = host.Context();
    HostVertex* before = *context->vertices;
    for (int i = 0; i < 3; ++i) {
        context->GrowVertexStorage(*context->vertexCount + 1);
        context->CreateVertex();
    }
    EXPECT_TRUE(host.Violations().empty());
    EXPECT_EQ(host.VertexArrayMoves(), 3);
    EXPECT_NE(*context->vertices, before);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&host.Vertices()[2]);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(bytes[i], MemoryHost::kNewVertexMarker) << i;
    ASSERT_EQ(host.CallLog().size(), 6u);
    EXPECT_EQ(host.CallLog()[4], (HostCall{HostCallKind::GrowVertices, 3}));
}

TEST(MemoryHost, FastHostGrowsGeometricallyAndKeepsNoLog) {
    MemoryHost host(HostMode::Fast);
    ModelerContext* context = host.Context();
    for (int i = 0; i < 1000; ++i) {
        context->GrowVertexStorage(*context->vertexCount + 1);
        context->CreateVertex();
    }
    EXPECT_EQ(host.vertexCount, 1000);
    EXPECT_LT(host.VertexArrayMoves(), 12);
    EXPECT_TRUE(host.CallLog().empty());
}

TEST(MemoryHost, ImageSeesEveryChangeThePluginCanMake) {
    MemoryHost host;
    host.AddVertex(1, 2, 3, 1);
    host.AddEdge(0, 0);
    const auto image = host.Image();
    host.Vertices()[0].hostBytes12[7] = 9;
    EXPECT_NE(host.Image(), image);
    host.Vertices()[0].hostBytes12[7] = 0;
    EXPECT_EQ(host.Image(), image);
    host.selectedVertexCount = 1;
    EXPECT_NE(host.Image(), image);
}

}  // namespace
