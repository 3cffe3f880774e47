// vornix-host end to end: the Linux program, run as a separate process with
// the plug-in built beside it, playing the user at the headless dialog.
// Expectations are literal (the worked examples) or independent checks of
// the surface; nothing here calls the host's own file code.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

#include "HostProcess.h"

namespace {

namespace fs = std::filesystem;
using Point = std::array<std::int64_t, 3>;

// The .obj as written, read back by a reader of the test's own.
struct ObjMesh {
    std::vector<Point> vertices;
    std::vector<std::array<std::int64_t, 2>> edges;  // 0-based
    std::vector<std::array<std::int64_t, 3>> faces;  // 0-based
};

ObjMesh ParseObj(const std::string& text) {
    ObjMesh mesh;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        std::int64_t a, b, c;
        if (keyword == "v" && words >> a >> b >> c) mesh.vertices.push_back({a, b, c});
        else if (keyword == "l" && words >> a >> b) mesh.edges.push_back({a - 1, b - 1});
        else if (keyword == "f" && words >> a >> b >> c) mesh.faces.push_back({a - 1, b - 1, c - 1});
        else ADD_FAILURE() << "unexpected line: " << line;
    }
    return mesh;
}

// The statuses from the .ply: the fourth number of each of the first
// `element vertex` lines after the header.
std::vector<int> PlyStatuses(const std::string& text) {
    const std::size_t declared = text.find("element vertex ");
    const std::size_t body = text.find("end_header\n");
    if (declared == std::string::npos || body == std::string::npos) {
        ADD_FAILURE() << "not the expected .ply header";
        return {};
    }
    const std::size_t count = std::stoul(text.substr(declared + 15));
    std::vector<int> statuses;
    std::istringstream lines(text.substr(body + 11));
    std::string line;
    while (statuses.size() < count && std::getline(lines, line)) {
        std::istringstream words(line);
        long x, y, z, status;
        if (words >> x >> y >> z >> status) statuses.push_back(static_cast<int>(status));
        else ADD_FAILURE() << "not a vertex line: " << line;
    }
    return statuses;
}

class HostProgram : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        directory_ = fs::path(testing::TempDir()) / ("vornix-host-" + name);
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(directory_);
    }

    HostProcessResult Host(std::vector<std::string> arguments) {
        return RunProgram(VORNIX_HOST_PROGRAM, arguments, directory_);
    }
    fs::path Path(const std::string& name) const { return directory_ / name; }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory_)) names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path directory_;
};

// Every new edge lies on exactly two new faces that run through it in
// opposite directions, every side of a new face is a new edge, and
// V − E + F = 0 for the new elements.
void ExpectClosedRingSurface(const ObjMesh& mesh, std::size_t oldVertices, std::size_t oldEdges, std::size_t oldFaces) {
    std::set<std::pair<std::int64_t, std::int64_t>> edges;
    for (std::size_t i = oldEdges; i < mesh.edges.size(); ++i) {
        const auto [a, b] = mesh.edges[i];
        EXPECT_GE(std::min(a, b), static_cast<std::int64_t>(oldVertices)) << "a new edge on an old vertex";
        EXPECT_TRUE(edges.insert(std::minmax(a, b)).second) << "duplicate edge " << a << "-" << b;
    }
    std::map<std::pair<std::int64_t, std::int64_t>, int> uses;
    for (std::size_t i = oldFaces; i < mesh.faces.size(); ++i) {
        const auto& f = mesh.faces[i];
        for (int k = 0; k < 3; ++k) {
            const std::int64_t from = f[k], to = f[(k + 1) % 3];
            EXPECT_TRUE(edges.contains(std::minmax(from, to))) << "face side " << from << "-" << to << " is no edge";
            ++uses[{from, to}];
        }
    }
    for (const auto& [a, b] : edges) {
        EXPECT_EQ((uses[{a, b}]), 1) << a << "->" << b;
        EXPECT_EQ((uses[{b, a}]), 1) << b << "->" << a;
    }
    const auto v = static_cast<std::int64_t>(mesh.vertices.size() - oldVertices);
    const auto e = static_cast<std::int64_t>(mesh.edges.size() - oldEdges);
    const auto f = static_cast<std::int64_t>(mesh.faces.size() - oldFaces);
    EXPECT_EQ(v - e + f, 0);
}

// Every new face's normal (b − a) × (c − a) points out of the tube: its dot
// product with the sum of the unit vectors from each corner's tube-circle
// centre to the corner is positive. The ring lies in the view's plane
// round `centre`, so a corner's circle centre is the corner's direction in
// that plane at the ring radius (for a tube thinner than the ring).
void ExpectOutwardFaces(const ObjMesh& mesh, std::size_t oldFaces, int view, const std::array<double, 3>& centre,
                        double ringRadius) {
    using Vector = std::array<double, 3>;
    const int axis = view == 0 ? 2 : view == 1 ? 1 : 0;  // the ring's axis
    int inward = 0;
    for (std::size_t i = oldFaces; i < mesh.faces.size(); ++i) {
        std::array<Vector, 3> p;
        Vector outward{0, 0, 0};
        for (int k = 0; k < 3; ++k) {
            for (int c = 0; c < 3; ++c) p[k][c] = double(mesh.vertices[mesh.faces[i][k]][c]) - centre[c];
            Vector radial = p[k];
            radial[axis] = 0;
            const double length = std::hypot(radial[0], radial[1], radial[2]);
            Vector fromCircleCentre;
            for (int c = 0; c < 3; ++c) fromCircleCentre[c] = p[k][c] - radial[c] / length * ringRadius;
            const double distance = std::hypot(fromCircleCentre[0], fromCircleCentre[1], fromCircleCentre[2]);
            for (int c = 0; c < 3; ++c) outward[c] += fromCircleCentre[c] / distance;
        }
        Vector u, w;
        for (int c = 0; c < 3; ++c) u[c] = p[1][c] - p[0][c], w[c] = p[2][c] - p[0][c];
        const Vector n{u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
        inward += n[0] * outward[0] + n[1] * outward[1] + n[2] * outward[2] <= 0;
    }
    EXPECT_EQ(inward, 0) << "faces wound inward";
}

// ---- Runs that build a torus ----

struct TorusCase {
    std::string name;
    std::vector<std::string> arguments;
    std::int64_t ringSections, tubeSections;
    int view;
    std::array<double, 3> centre;  // where the object's centre lands, host units
    double ringRadius, tubeRadius;   // host units
};

void PrintTo(const TorusCase& c, std::ostream* out) { *out << c.name; }

class TorusRun : public HostProgram, public testing::WithParamInterface<TorusCase> {};

TEST_P(TorusRun, BuildsAClosedSelectedTorusWhereAsked) {
    const TorusCase& c = GetParam();
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--json", "-o", "out.obj", "-o", "out.ply"});
    const HostProcessResult run = Host(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::int64_t rt = c.ringSections * c.tubeSections;
    EXPECT_EQ(JsonMember(run.out, "result"), "true");
    EXPECT_EQ(JsonMember(run.out, "vertices"), std::to_string(rt));
    EXPECT_EQ(JsonMember(run.out, "edges"), std::to_string(3 * rt));
    EXPECT_EQ(JsonMember(run.out, "faces"), std::to_string(2 * rt));
    EXPECT_EQ(JsonMember(run.out, "selectedVertexCount"), std::to_string(rt));
    EXPECT_EQ(JsonMember(run.out, "selectedVertices"), std::to_string(rt));
    EXPECT_EQ(JsonMember(run.out, "beeps"), "[48]");
    EXPECT_EQ(JsonMember(run.out, "cursorRestored"), "true");
    EXPECT_EQ(JsonMember(run.out, "contractViolations"), "[]");

    const ObjMesh mesh = ParseObj(ReadTextFile(Path("out.obj")));
    ASSERT_EQ(static_cast<std::int64_t>(mesh.vertices.size()), rt);
    ExpectClosedRingSurface(mesh, 0, 0, 0);
    ExpectOutwardFaces(mesh, 0, c.view, c.centre, c.ringRadius);
    for (int status : PlyStatuses(ReadTextFile(Path("out.ply")))) EXPECT_EQ(status, 1);

    // The mean of the vertices is the centre (the sines and cosines of a
    // full turn's sections sum to zero); the ring's plane reaches ring +
    // tube radius from it, its axis the tube radius, up to truncation and
    // to sections that miss the extreme angles.
    const int axis = c.view == 0 ? 2 : c.view == 1 ? 1 : 0;
    for (int a = 0; a < 3; ++a) {
        std::int64_t low = INT64_MAX, high = INT64_MIN;
        double sum = 0;
        for (const Point& p : mesh.vertices) low = std::min(low, p[a]), high = std::max(high, p[a]), sum += p[a];
        EXPECT_NEAR(sum / rt, c.centre[a], 3.0) << "axis " << a;
        const double reach = a == axis ? c.tubeRadius : c.ringRadius + c.tubeRadius;
        EXPECT_LE((high - low) / 2.0, reach + 2) << "axis " << a;
        EXPECT_GE((high - low) / 2.0, reach * 0.85 - 2) << "axis " << a;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TorusRun,
    testing::Values(
        TorusCase{"Defaults", {}, 12, 12, 0, {0, 0, 0}, 1000, 500},
        TorusCase{"View1", {"--view", "1"}, 12, 12, 1, {0, 0, 0}, 1000, 500},
        TorusCase{"View2", {"--view=2"}, 12, 12, 2, {0, 0, 0}, 1000, 500},
        TorusCase{"UnitScale10", {"--unit-scale", "10"}, 12, 12, 0, {0, 0, 0}, 10, 5},
        TorusCase{"UnitScale2500View1", {"--unit-scale=2500", "--view", "1"}, 12, 12, 1, {0, 0, 0}, 2500, 1250},
        // The centre shows the cursor relative to the origin, to hundredths
        // of a user unit, and lands back relative to the origin.
        TorusCase{"CursorAndOrigin",
                  {"--cursor", "2500,-1234,7000", "--origin", "500,0,-3000"},
                  12, 12, 0, {2500, -1230, 7000}, 1000, 500},
        TorusCase{"PastedCentre", {"--rl", "-2.5", "--fb", "1e1", "--ud=", "--origin", "0,0,100"}, 12, 12, 0,
                  {-2500, 10000, 100}, 1000, 500},
        TorusCase{"PastedSizes",
                  {"--ring-radius", "3", "--tube-radius", "-0.25", "--ring-sections", " 7", "--tube-sections", "5"},
                  7, 5, 0, {0, 0, 0}, 3000, 250},
        // Malformed texts read as 0 and the sweep raises them; 4294967308
        // wraps to 12.
        TorusCase{"MalformedCounts", {"--ring-sections", "abc", "--tube-sections", "4294967308"}, 4, 12, 0,
                  {0, 0, 0}, 1000, 500},
        TorusCase{"TooSmallCounts", {"--ring-sections", "3", "--tube-sections", "-5", "--view", "1"}, 4, 4, 1, {0, 0, 0}, 1000, 500},
        TorusCase{"RadiusWithUnit", {"--ring-radius", "2.5cm", "--view", "2"}, 12, 12, 2, {0, 0, 0}, 2500, 500},
        // Typed key by key: the section fields take digits only.
        TorusCase{"TypedMinusRefused", {"--type", "--ring-sections", "-5", "--tube-sections", "a6"}, 5, 6, 0,
                  {0, 0, 0}, 1000, 500},
        TorusCase{"TypedRadiiAndCentre",
                  {"--type", "--ring-radius", "-2", "--tube-radius", "0.5x", "--rl", "1.5", "--view", "1"}, 12, 12,
                  1, {1500, 0, 0}, 2000, 500},
        TorusCase{"TypedTextLimit", {"--type", "--ring-sections", "0000000000000006", "--tube-sections", "4"}, 4, 4,
                  0, {0, 0, 0}, 1000, 500}),
    [](const testing::TestParamInfo<TorusCase>& param) { return param.param.name; });

// ---- The worked example: 4 × 4 sections, radii 2.0 and 1.0, scale 1000 ----

struct WorkedExample {
    int view;
    std::vector<Point> vertices;  // in ring order
};

class WorkedExampleRun : public HostProgram, public testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExampleRun, GivesTheListedVertices) {
    const WorkedExample& example = GetParam();
    const HostProcessResult run =
        Host({"--view", std::to_string(example.view), "--ring-radius", "2.0", "--tube-radius", "1.0", "--ring-sections",
              "4", "--tube-sections", "4", "-o", "example.obj"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const ObjMesh mesh = ParseObj(ReadTextFile(Path("example.obj")));
    EXPECT_EQ(mesh.vertices, example.vertices);
    ASSERT_EQ(mesh.edges.size(), 48u);
    ASSERT_EQ(mesh.faces.size(), 32u);
    // The first circle's edges, then the first band's first quad.
    EXPECT_EQ(mesh.edges[0], (std::array<std::int64_t, 2>{0, 1}));
    EXPECT_EQ(mesh.edges[3], (std::array<std::int64_t, 2>{3, 0}));
    EXPECT_EQ(mesh.edges[16], (std::array<std::int64_t, 2>{0, 4}));
    EXPECT_EQ(mesh.edges[17], (std::array<std::int64_t, 2>{1, 4}));
    EXPECT_EQ(mesh.faces[0], (std::array<std::int64_t, 3>{1, 4, 0}));
    EXPECT_EQ(mesh.faces[1], (std::array<std::int64_t, 3>{4, 1, 5}));
    // The closing band's closing quad ends the list.
    EXPECT_EQ(mesh.faces[30], (std::array<std::int64_t, 3>{15, 0, 3}));
    EXPECT_EQ(mesh.faces[31], (std::array<std::int64_t, 3>{0, 15, 12}));
    ExpectClosedRingSurface(mesh, 0, 0, 0);
    ExpectOutwardFaces(mesh, 0, example.view, {0, 0, 0}, 2000);
}

INSTANTIATE_TEST_SUITE_P(
    Views, WorkedExampleRun,
    testing::Values(
        WorkedExample{0,
                      {{0, 3000, 0}, {0, 2000, 1000}, {0, 1000, 0}, {0, 2000, -1000},
                       {3000, 0, 0}, {2000, 0, 1000}, {1000, 0, 0}, {2000, 0, -1000},
                       {0, -3000, 0}, {0, -2000, 1000}, {0, -1000, 0}, {0, -2000, -1000},
                       {-3000, 0, 0}, {-2000, 0, 1000}, {-1000, 0, 0}, {-2000, 0, -1000}}},
        WorkedExample{1,
                      {{0, 1000, 2000}, {0, 0, 3000}, {0, -1000, 2000}, {0, 0, 1000},
                       {2000, 1000, 0}, {3000, 0, 0}, {2000, -1000, 0}, {1000, 0, 0},
                       {0, 1000, -2000}, {0, 0, -3000}, {0, -1000, -2000}, {0, 0, -1000},
                       {-2000, 1000, 0}, {-3000, 0, 0}, {-2000, -1000, 0}, {-1000, 0, 0}}},
        WorkedExample{2,
                      {{0, 0, 3000}, {1000, 0, 2000}, {0, 0, 1000}, {-1000, 0, 2000},
                       {0, 3000, 0}, {1000, 2000, 0}, {0, 1000, 0}, {-1000, 2000, 0},
                       {0, 0, -3000}, {1000, 0, -2000}, {0, 0, -1000}, {-1000, 0, -2000},
                       {0, -3000, 0}, {1000, -2000, 0}, {0, -1000, 0}, {-1000, -2000, 0}}}),
    [](const testing::TestParamInfo<WorkedExample>& param) { return "View" + std::to_string(param.param.view); });

// ---- A host that already holds a mesh ----

// 100 vertices of statuses 0, 1 and 2 (in turn), 50 edges and 20 faces.
std::string SceneOf100Vertices() {
    std::string ply =
        "ply\nformat ascii 1.0\nelement vertex 100\nproperty int x\nproperty int y\nproperty int z\n"
        "property uchar status\nelement edge 50\nproperty int vertex1\nproperty int vertex2\n"
        "element face 20\nproperty list uchar int vertex_indices\nend_header\n";
    for (int i = 0; i < 100; ++i)
        ply += std::to_string(i * 10) + " " + std::to_string(-i) + " 5000 " + std::to_string(i % 3) + "\n";
    for (int i = 0; i < 50; ++i) ply += std::to_string(i) + " " + std::to_string(i + 1) + "\n";
    for (int i = 0; i < 20; ++i) ply += "3 " + std::to_string(i) + " " + std::to_string(i + 1) + " " + std::to_string(i + 2) + "\n";
    return ply;
}

TEST_F(HostProgram, AHostOf100VerticesGetsTheTorusAfterThemAndOnlyItSelected) {
    const std::string scene = SceneOf100Vertices();
    std::ofstream(Path("scene.ply"), std::ios::binary) << scene;
    const HostProcessResult run = Host({"--input", "scene.ply", "--json", "-o", "after.obj", "-o", "after.ply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(JsonMember(run.out, "before"), "{\"vertices\":100,\"edges\":50,\"faces\":20,\"selectedVertexCount\":33}");
    EXPECT_EQ(JsonMember(run.out, "vertices"), "244");
    EXPECT_EQ(JsonMember(run.out, "edges"), "482");
    EXPECT_EQ(JsonMember(run.out, "faces"), "308");
    EXPECT_EQ(JsonMember(run.out, "selectedVertexCount"), "144");
    EXPECT_EQ(JsonMember(run.out, "selectedVertices"), "144");

    const ObjMesh mesh = ParseObj(ReadTextFile(Path("after.obj")));
    const std::vector<int> statuses = PlyStatuses(ReadTextFile(Path("after.ply")));
    ASSERT_EQ(statuses.size(), 244u);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(mesh.vertices[i], (Point{i * 10, -i, 5000})) << i;
        EXPECT_EQ(statuses[i], i % 3 == 1 ? 0 : i % 3) << "vertex " << i;  // 1 drops to 0, 2 stays
    }
    for (int i = 100; i < 244; ++i) EXPECT_EQ(statuses[i], 1) << i;
    for (int i = 0; i < 50; ++i) EXPECT_EQ(mesh.edges[i], (std::array<std::int64_t, 2>{i, i + 1}));
    // Ring k holds 100 + 12k to 111 + 12k: the first circle's edges come
    // first, then the stitching from ring 0 to ring 1.
    EXPECT_EQ(mesh.edges[50], (std::array<std::int64_t, 2>{100, 101}));
    EXPECT_EQ(mesh.edges[61], (std::array<std::int64_t, 2>{111, 100}));
    EXPECT_EQ(mesh.edges[50 + 144], (std::array<std::int64_t, 2>{100, 112}));
    EXPECT_EQ(mesh.faces[20], (std::array<std::int64_t, 3>{101, 112, 100}));
    ExpectClosedRingSurface(mesh, 100, 50, 20);
    ExpectOutwardFaces(mesh, 20, 0, {0, 0, 0}, 1000);
}

TEST_F(HostProgram, TwoRunsInOneLoadBuildTwoToriAndSelectTheSecond) {
    const HostProcessResult run = Host({"--runs", "2", "--json", "-o", "two.ply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(JsonMember(run.out, "results"), "[true,true]");
    EXPECT_EQ(JsonMember(run.out, "vertices"), "288");
    EXPECT_EQ(JsonMember(run.out, "edges"), "864");
    EXPECT_EQ(JsonMember(run.out, "faces"), "576");
    EXPECT_EQ(JsonMember(run.out, "selectedVertexCount"), "144");
    EXPECT_EQ(JsonMember(run.out, "beeps"), "[48,48]");
    EXPECT_EQ(JsonMember(run.out, "dialogsShown"), "2");
    const std::vector<int> statuses = PlyStatuses(ReadTextFile(Path("two.ply")));
    ASSERT_EQ(statuses.size(), 288u);
    for (int i = 0; i < 288; ++i) EXPECT_EQ(statuses[i], i < 144 ? 0 : 1) << i;
}

// ---- Runs that change nothing ----

struct UnchangedCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string beeps;
};

void PrintTo(const UnchangedCase& c, std::ostream* out) { *out << c.name; }

class UnchangedRun : public HostProgram, public testing::WithParamInterface<UnchangedCase> {};

TEST_P(UnchangedRun, LeavesTheHostAsItWas) {
    std::ofstream(Path("scene.ply"), std::ios::binary) << SceneOf100Vertices();
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.insert(arguments.end(), {"--input", "scene.ply", "--json", "-o", "after.ply"});
    const HostProcessResult run = Host(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(JsonMember(run.out, "result"), "false");
    EXPECT_EQ(JsonMember(run.out, "vertices"), "100");
    EXPECT_EQ(JsonMember(run.out, "edges"), "50");
    EXPECT_EQ(JsonMember(run.out, "faces"), "20");
    EXPECT_EQ(JsonMember(run.out, "selectedVertexCount"), "33");
    EXPECT_EQ(JsonMember(run.out, "beeps"), GetParam().beeps);
    EXPECT_EQ(JsonMember(run.out, "cursorRestored"), "true");
    // The file is the scene as read: same vertices and statuses.
    const std::string after = ReadTextFile(Path("after.ply"));
    const std::string scene = SceneOf100Vertices();
    EXPECT_EQ(after.substr(after.find("end_header")), scene.substr(scene.find("end_header")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnchangedRun,
    testing::Values(UnchangedCase{"Cancel", {"--cancel", "--ring-sections", "20"}, "[]"},
                    // No sound torus: refused with the error beep.
                    UnchangedCase{"UnitScaleZero", {"--unit-scale", "0"}, "[16]"},
                    UnchangedCase{"CentreBeyondTheHostRange", {"--rl", "123456789012345678"}, "[16]"}),
    [](const testing::TestParamInfo<UnchangedCase>& param) { return param.param.name; });

// ---- Outputs and the human summary ----

TEST_F(HostProgram, APlainRunSummarisesAndWritesEveryFormat) {
    const HostProcessResult run = Host({"-o", "t.obj", "--output=t.ply", "-o", "t.stl", "--preview", "t.png"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "before: 0 vertices, 0 edges, 0 faces, 0 selected\n"
              "result: true (object built)\n"
              "after:  144 vertices, 432 edges, 288 faces, 144 selected\n"
              "beeps: 0x30\n"
              "wrote: t.obj t.ply t.stl t.png\n");
    const std::string stl = ReadTextFile(Path("t.stl"));
    ASSERT_EQ(stl.size(), 84u + 50u * 288u);
    EXPECT_EQ(static_cast<unsigned char>(stl[80]) | static_cast<unsigned char>(stl[81]) << 8, 288);
    // The first triangle's first corner, in user units.
    const ObjMesh mesh = ParseObj(ReadTextFile(Path("t.obj")));
    float corner[3];
    std::memcpy(corner, stl.data() + 84 + 12, sizeof corner);
    const Point& first = mesh.vertices[mesh.faces[0][0]];
    for (int c = 0; c < 3; ++c) EXPECT_FLOAT_EQ(corner[c], first[c] / 1000.0f);
    EXPECT_EQ(ReadTextFile(Path("t.png")).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(Listing().size(), 4u) << "no temporary file left";
}

TEST_F(HostProgram, HelpListsTheFlags) {
    const HostProcessResult run = Host({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* flag : {"--plugin", "--input", "--view", "--unit-scale", "--cursor", "--origin", "--ring-radius",
                             "--tube-radius", "--ring-sections", "--tube-sections", "--rl", "--fb", "--ud", "--type",
                             "--cancel", "--runs", "--interactive", "--output", "--preview", "--json"})
        EXPECT_NE(run.out.find(flag), std::string::npos) << flag;
}

// ---- Bad input: one line, exit 2, nothing written ----

struct BadInputCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string message;  // a part of the one line
};

void PrintTo(const BadInputCase& c, std::ostream* out) { *out << c.name; }

class BadInput : public HostProgram, public testing::WithParamInterface<BadInputCase> {};

TEST_P(BadInput, StopsWithOneLineAndWritesNothing) {
    std::ofstream(Path("bad.obj"), std::ios::binary) << "v 0 0 0\nv 1 0 0\nf 1 2 3\n";
    std::ofstream(Path("good.obj"), std::ios::binary) << "v 0 0 0\n";
    std::vector<std::string> arguments{"-o", "out.obj", "--preview", "out.png"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const HostProcessResult run = Host(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.rfind("vornix-host: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Path("out.obj")));
    EXPECT_FALSE(fs::exists(Path("out.png")));
    EXPECT_EQ(Listing().size(), 2u) << "only the two input files";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInput,
    testing::Values(BadInputCase{"UnknownFlag", {"--colour", "red"}, "unknown option '--colour'"},
                    BadInputCase{"ViewSeven", {"--view", "7"}, "--view: '7' is not 0, 1 or 2"},
                    BadInputCase{"CursorOfTwo", {"--cursor", "1,2"}, "--cursor: '1,2'"},
                    BadInputCase{"MissingValue", {"--ring-radius"}, "--ring-radius needs a value"},
                    BadInputCase{"MissingInput", {"--input", "nowhere.obj"}, "cannot open nowhere.obj"},
                    BadInputCase{"MalformedObj", {"--input", "bad.obj"}, "bad.obj:3: vertex index 3 out of range"},
                    BadInputCase{"MissingPlugin", {"--plugin", "nowhere.so"}, "cannot load the plug-in"},
                    BadInputCase{"NotAPlugin", {"--plugin", "good.obj"}, "cannot load the plug-in"},
                    BadInputCase{"StlWithoutUserUnits", {"-o", "x.stl", "--unit-scale", "0"}, "x.stl"},
                    BadInputCase{"UnwritableOutput", {"-o", "no-such-dir/x.obj"}, "cannot write no-such-dir/x.obj"}),
    [](const testing::TestParamInfo<BadInputCase>& param) { return param.param.name; });

}  // namespace
