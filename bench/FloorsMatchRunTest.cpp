// The floors are only floors if they build the run's torus: the same
// coordinates, edges and faces in the same order, and through the host the
// same calls. The run is checked here against both, on the strict and the
// fast host: its mesh steps over a range of shapes, and the whole built
// plug-in, as the benchmark runs it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/SectionsUser.h"
#include "bench/TorusFloor.h"
#include "host/HostContext.h"
#include "mesh/Placement.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"
#include "refhost/MemoryHost.h"
#include "refhost/PluginLibrary.h"

namespace {

struct FloorCase {
    TorusShape shape;
    std::int32_t existingVertices;  // in the host before the run, status 0
    HostMode mode;
};

const char* ModeName(HostMode mode) { return mode == HostMode::Strict ? "Strict" : "Fast"; }

std::string CaseName(const FloorCase& c) {
    return std::to_string(c.shape.ringSections) + "x" + std::to_string(c.shape.tubeSections) + "View" +
           std::to_string(c.shape.view) + "After" + std::to_string(c.existingVertices) + ModeName(c.mode);
}

void PrintTo(const FloorCase& c, std::ostream* out) { *out << CaseName(c); }

void PrepareHost(MemoryHost& host, const FloorCase& c) {
    host.unitScale = c.shape.unitScale;
    host.activeView = c.shape.view;
    for (std::int32_t i = 0; i < c.existingVertices; ++i) host.AddVertex(i, 2 * i, -i);
}

// The mesh steps of a run, in the entry's order.
void RunMeshSteps(MemoryHost& host, const TorusShape& shape) {
    HostContext = host.Context();
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(shape.ringSections, shape.tubeSections, rings, shape.ringRadius, shape.tubeRadius);
    StitchRings(rings);
    TranslateRings(rings, Offset{shape.centre[0], shape.centre[1], shape.centre[2]});
    ClearHostSelection();
    SelectRingVertices(rings);
    *HostContext->selectedVertexCount = CountRingVertices(rings);
}

std::vector<std::int32_t> NewCoordinates(const MemoryHost& host, std::int32_t first) {
    std::vector<std::int32_t> coordinates;
    for (std::int32_t i = first; i < host.vertexCount; ++i)
        coordinates.insert(coordinates.end(), {host.Vertices()[i].x, host.Vertices()[i].y, host.Vertices()[i].z});
    return coordinates;
}

std::vector<std::int32_t> Flat(const std::vector<HostEdge>& edges) {
    std::vector<std::int32_t> flat;
    for (const HostEdge& e : edges) flat.insert(flat.end(), {e.a, e.b});
    return flat;
}

std::vector<std::int32_t> Flat(const std::vector<HostFace>& faces) {
    std::vector<std::int32_t> flat;
    for (const HostFace& f : faces) flat.insert(flat.end(), {f.a, f.b, f.c});
    return flat;
}

class FloorsMatchRun : public testing::TestWithParam<FloorCase> {};

TEST_P(FloorsMatchRun, ArrayFloorsHoldTheRunsMesh) {
    const FloorCase& c = GetParam();
    MemoryHost host(c.mode);
    PrepareHost(host, c);
    RunMeshSteps(host, c.shape);

    for (const CircleAngles angles : {CircleAngles::PerVertex, CircleAngles::Tabled}) {
        ArrayTorus torus;
        BuildArrayTorus(c.shape, c.existingVertices, torus, angles);
        EXPECT_EQ(NewCoordinates(host, c.existingVertices), torus.coordinates);
        EXPECT_EQ(Flat(host.Edges()), torus.edges);
        EXPECT_EQ(Flat(host.Faces()), torus.faces);
    }
}

TEST_P(FloorsMatchRun, HostCallFloorsLeaveTheRunsHost) {
    const FloorCase& c = GetParam();
    MemoryHost run(c.mode);
    PrepareHost(run, c);
    RunMeshSteps(run, c.shape);

    for (const CircleAngles angles : {CircleAngles::PerVertex, CircleAngles::Tabled}) {
        MemoryHost floor(c.mode);
        PrepareHost(floor, c);
        BuildTorusThroughHost(c.shape, *floor.Context(), angles);
        floor.selectedVertexCount = c.shape.ringSections * c.shape.tubeSections;
        // Every byte: counts, all vertices (marker bytes included), edges, faces.
        EXPECT_EQ(run.Image(), floor.Image());
        EXPECT_EQ(run.CallLog(), floor.CallLog());
        EXPECT_TRUE(floor.Violations().empty());
    }
    EXPECT_TRUE(run.Violations().empty());
}

std::vector<FloorCase> Cases() {
    std::vector<FloorCase> cases;
    for (const HostMode mode : {HostMode::Strict, HostMode::Fast}) {
        cases.push_back({{12, 12, 1.0, 0.5, 1000.0, 0, {0.0, 0.0, 0.0}}, 0, mode});
        cases.push_back({{4, 4, 2.0, 1.0, 1000.0, 1, {0.0, 0.0, 0.0}}, 0, mode});
        cases.push_back({{7, 13, 2.37, -0.913, 777.7, 2, {1.5, -2.25, 0.755}}, 5, mode});
        cases.push_back({{31, 17, 123.456, 7.89, 10000.0, 1, {-3.3, 100.1, 1e-3}}, 3, mode});
        cases.push_back({{100, 37, 1.0, 0.5, 1000.0, 2, {0.25, -3.0, 7.5}}, 0, mode});
    }
    // Rings longer than the ring container's growth step; the strict host
    // would copy its whole array at every vertex.
    cases.push_back({{64, 300, 1.0, 0.5, 1000.0, 0, {0.0, 0.0, 0.0}}, 0, HostMode::Fast});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Tori, FloorsMatchRun, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<FloorCase>& test) { return CaseName(test.param); });

struct WholeRunCase {
    std::int32_t sections;
    std::int32_t view;
    HostMode mode;
};

std::string CaseName(const WholeRunCase& c) {
    return "Sections" + std::to_string(c.sections) + "View" + std::to_string(c.view) + ModeName(c.mode);
}

void PrintTo(const WholeRunCase& c, std::ostream* out) { *out << CaseName(c); }

class WholeRunMatchesFloors : public testing::TestWithParam<WholeRunCase> {};

// The benchmark's run: the built plug-in, the user entering N and N.
TEST_P(WholeRunMatchesFloors, BenchmarkedRunBuildsTheFloorsTorus) {
    const WholeRunCase& c = GetParam();
    SectionsUser user(c.sections);
    SetHeadlessDialogAgent(&user);
    PluginLibrary plugin(VORNIX_PLUGIN_LIBRARY);
    MemoryHost run(c.mode);
    run.activeView = c.view;
    char window = 0;
    ASSERT_TRUE(plugin.Run(&window, run.Context()));
    SetHeadlessDialogAgent(nullptr);

    TorusShape shape = DefaultTorusOfSize(c.sections);
    shape.view = c.view;
    ArrayTorus torus;
    BuildArrayTorus(shape, 0, torus);
    EXPECT_EQ(NewCoordinates(run, 0), torus.coordinates);
    EXPECT_EQ(Flat(run.Edges()), torus.edges);
    EXPECT_EQ(Flat(run.Faces()), torus.faces);

    MemoryHost floor(c.mode);
    floor.activeView = c.view;
    BuildTorusThroughHost(shape, *floor.Context());
    floor.selectedVertexCount = c.sections * c.sections;
    EXPECT_EQ(run.Image(), floor.Image());
    EXPECT_EQ(run.CallLog(), floor.CallLog());
}

INSTANTIATE_TEST_SUITE_P(Runs, WholeRunMatchesFloors,
                         testing::Values(WholeRunCase{12, 0, HostMode::Strict}, WholeRunCase{12, 1, HostMode::Strict},
                                         WholeRunCase{12, 2, HostMode::Strict}, WholeRunCase{128, 0, HostMode::Fast},
                                         WholeRunCase{128, 1, HostMode::Fast}, WholeRunCase{128, 2, HostMode::Fast}),
                         [](const testing::TestParamInfo<WholeRunCase>& test) { return CaseName(test.param); });

}  // namespace
