// The finished object is a closed, consistently and outwardly wound surface,
// whatever the counts, the view and the vertices already in the host.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "MeshTestHost.h"
#include "mesh/Placement.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"
#include "mesh/SweepArguments.h"

namespace {

struct SurfaceCase {
    std::int32_t ringSections;
    std::int32_t tubeSections;
    std::int32_t view;
    std::int32_t existingVertices;
};

void PrintTo(const SurfaceCase& c, std::ostream* out) {
    *out << c.ringSections << "x" << c.tubeSections << " view " << c.view << " after " << c.existingVertices;
}

class Surface : public testing::TestWithParam<SurfaceCase> {
protected:
    void SetUp() override {
        const SurfaceCase& c = GetParam();
        bound_.emplace(c.view, c.existingVertices, 4, 2);
        SweepTubeCircles(c.ringSections, c.tubeSections, rings_, 1.0, 0.5);
        StitchRings(rings_);
        TranslateRings(rings_, Offset{0.25, -3.0, 7.5});
        ASSERT_TRUE(host().Violations().empty());
    }

    MemoryHost& host() { return bound_->host; }

    // The new elements only.
    std::vector<HostEdge> NewEdges() { return {host().Edges().begin() + 4, host().Edges().end()}; }
    std::vector<HostFace> NewFaces() { return {host().Faces().begin() + 2, host().Faces().end()}; }

    std::optional<BoundHost> bound_;
    SelectVertiesOfArrowAll rings_;
};

TEST_P(Surface, EveryEdgeLiesOnTwoOppositelyRunningFaces) {
    std::set<std::pair<std::int32_t, std::int32_t>> edges;  // undirected, smaller index first
    for (const HostEdge& edge : NewEdges())
        EXPECT_TRUE(edges.insert(std::minmax(edge.a, edge.b)).second) << "duplicate edge " << edge.a << "-" << edge.b;

    std::map<std::pair<std::int32_t, std::int32_t>, int> directedUses;
    for (const HostFace& face : NewFaces()) {
        const std::int32_t corners[3] = {face.a, face.b, face.c};
        for (int i = 0; i < 3; ++i) {
            const std::int32_t from = corners[i];
            const std::int32_t to = corners[(i + 1) % 3];
            EXPECT_TRUE(edges.count(std::minmax(from, to))) << "face side without an edge " << from << "-" << to;
            ++directedUses[{from, to}];
        }
    }
    for (const auto& [a, b] : edges) {
        EXPECT_EQ((directedUses[{a, b}]), 1) << a << "->" << b;
        EXPECT_EQ((directedUses[{b, a}]), 1) << b << "->" << a;
    }
}

TEST_P(Surface, HasTheCountsOfARingShapedSurface) {
    const SweepArguments used = ClampSweepArguments(GetParam().ringSections, GetParam().tubeSections, 1.0, 0.5);
    const std::int64_t rt = std::int64_t{used.ringSections} * used.tubeSections;
    const auto vertices = static_cast<std::int64_t>(host().vertexCount - GetParam().existingVertices);
    const auto edges = static_cast<std::int64_t>(NewEdges().size());
    const auto faces = static_cast<std::int64_t>(NewFaces().size());
    EXPECT_EQ(vertices, rt);
    EXPECT_EQ(edges, 3 * rt);
    EXPECT_EQ(faces, 2 * rt);
    EXPECT_EQ(vertices - edges + faces, 0);
}

// (b − a) × (c − a) of every face points away from the centres of the tube
// circles its corners lie on.
TEST_P(Surface, EveryFacePointsOutOfTheTube) {
    using Vector = std::array<double, 3>;
    const auto at = [&](std::int32_t index) {
        const HostPoint p = PointAt(host(), index);
        return Vector{double(p.x), double(p.y), double(p.z)};
    };
    const auto minus = [](Vector a, Vector b) { return Vector{a[0] - b[0], a[1] - b[1], a[2] - b[2]}; };
    // The centre of each circle: the mean of its evenly spaced vertices.
    std::map<std::int32_t, Vector> centreOf;
    for (std::size_t k = 0; k < rings_.GetItemsInContainer(); ++k) {
        Vector sum{0, 0, 0};
        const SelectVertiesOfArrow& ring = rings_[k];
        for (std::size_t j = 0; j < ring.GetItemsInContainer(); ++j)
            for (int i = 0; i < 3; ++i) sum[i] += at(ring[j])[i];
        for (double& s : sum) s /= double(ring.GetItemsInContainer());
        for (std::size_t j = 0; j < ring.GetItemsInContainer(); ++j) centreOf[ring[j]] = sum;
    }
    for (const HostFace& face : NewFaces()) {
        const Vector u = minus(at(face.b), at(face.a));
        const Vector v = minus(at(face.c), at(face.a));
        const Vector normal{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        Vector outward{0, 0, 0};
        for (std::int32_t corner : {face.a, face.b, face.c}) {
            const Vector radial = minus(at(corner), centreOf.at(corner));
            const double length = std::sqrt(radial[0] * radial[0] + radial[1] * radial[1] + radial[2] * radial[2]);
            for (int i = 0; i < 3; ++i) outward[i] += radial[i] / length;
        }
        EXPECT_GT(normal[0] * outward[0] + normal[1] * outward[1] + normal[2] * outward[2], 0.0)
            << "face " << face.a << " " << face.b << " " << face.c;
    }
}

INSTANTIATE_TEST_SUITE_P(Tori, Surface,
                         testing::Values(SurfaceCase{4, 4, 0, 0}, SurfaceCase{4, 4, 1, 0}, SurfaceCase{4, 4, 2, 0},
                                         SurfaceCase{12, 12, 0, 0}, SurfaceCase{12, 12, 1, 100},
                                         SurfaceCase{12, 12, 2, 7}, SurfaceCase{5, 7, 0, 3}, SurfaceCase{7, 5, 1, 0},
                                         SurfaceCase{9, 16, 2, 0}, SurfaceCase{3, 2, 0, 1}));

}  // namespace
