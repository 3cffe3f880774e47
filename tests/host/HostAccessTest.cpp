#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/HostAccess.h"
#include "host/HostCoordinate.h"
#include "refhost/MemoryHost.h"

namespace {

TEST(HostAccess, AppendedVertexIsFoundInTheMovedArray) {
    MemoryHost host(HostMode::Strict);
    host.AddVertex(5, 6, 7);
    HostContext = host.Context();
    const std::int32_t index = AppendHostVertex();
    EXPECT_EQ(index, 1);
    HostVertexAt(index).x = 42;  // through the array as it is now
    EXPECT_EQ(host.Vertices()[1].x, 42);
    EXPECT_EQ(host.Vertices()[0].x, 5);
    AppendHostEdge(0, 1);
    AppendHostFace(0, 1, 0);
    EXPECT_TRUE(host.Violations().empty());
    EXPECT_EQ(host.Edges().back(), (HostEdge{0, 1}));
}

struct TruncationCase {
    double value;
    std::int32_t expected;
};

class Truncation : public testing::TestWithParam<TruncationCase> {};

TEST_P(Truncation, GoesTowardZeroAndNeverLeavesTheRange) {
    EXPECT_EQ(TruncateToHostCoordinate(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Truncation,
    testing::Values(TruncationCase{-433.01, -433}, TruncationCase{433.99, 433}, TruncationCase{-0.9, 0},
                    TruncationCase{2147483646.9, 2147483646}, TruncationCase{-2147483648.9, INT32_MIN},
                    TruncationCase{3e9, INT32_MAX}, TruncationCase{-3e9, INT32_MIN},
                    TruncationCase{std::numeric_limits<double>::infinity(), INT32_MAX},
                    TruncationCase{std::nan(""), 0}));

}  // namespace
