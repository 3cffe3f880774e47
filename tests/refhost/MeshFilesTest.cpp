// The mesh files the host reads and writes: exact text for .obj and .ply,
// round trips, binary PLY made byte by byte, .stl in user units, and
// malformed files reported with their file and line.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "refhost/MeshFileError.h"
#include "refhost/MeshFiles.h"
#include "refhost/ObjFile.h"
#include "refhost/PlyFile.h"
#include "refhost/StlFile.h"

namespace {

// A tetrahedron with a dangling edge, vertices of every status and the
// extremes of the host's coordinate range.
MeshData SmallScene() {
    MeshData mesh;
    mesh.vertices = {{0, 0, 0, 0}, {1000, 0, 0, 1}, {0, 1000, 0, 2}, {0, 0, 1000, 1}, {INT32_MIN, INT32_MAX, -7, -1}};
    mesh.edges = {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 3}, {2, 3}, {3, 4}};
    mesh.faces = {{0, 2, 1}, {0, 1, 3}, {1, 2, 3}, {2, 0, 3}};
    return mesh;
}

MeshData WithoutStatus(MeshData mesh) {
    for (MeshVertex& v : mesh.vertices) v.status = 0;
    return mesh;
}

TEST(ObjFile, WritesTheHostMeshVerbatimOneBased) {
    MeshData mesh;
    mesh.vertices = {{1, -2, 3, 1}, {-2147483647 - 1, 0, 2147483647, 0}, {5, 5, 5, 2}};
    mesh.edges = {{0, 1}, {1, 2}};
    mesh.faces = {{2, 1, 0}};
    EXPECT_EQ(WriteObj(mesh),
              "v 1 -2 3\n"
              "v -2147483648 0 2147483647\n"
              "v 5 5 5\n"
              "l 1 2\n"
              "l 2 3\n"
              "f 3 2 1\n");
}

TEST(ObjFile, RoundTripKeepsEverythingButTheStatus) {
    const MeshData mesh = SmallScene();
    EXPECT_EQ(ReadObj(WriteObj(mesh), "scene.obj"), WithoutStatus(mesh));
}

TEST(ObjFile, ReadsTheCommonFormsOfOtherPrograms) {
    const MeshData mesh = ReadObj(
        "# made elsewhere\r\n"
        "mtllib a.mtl\r\n"
        "o thing\n"
        "v 0 0 0\n"
        "v 10 0 0   # trailing comment\n"
        "vt 0.5 0.5\n"
        "vn 0 0 1\n"
        "\tv 0 10 0\n"
        "\n"
        "usemtl red\n"
        "s off\n"
        "f 1/1/1 2/1/1 3/1/1\n"
        "f -1//1 -2//1 -3//1\n"
        "l 1 2 3\n",
        "other.obj");
    MeshData expected;
    expected.vertices = {{0, 0, 0, 0}, {10, 0, 0, 0}, {0, 10, 0, 0}};
    expected.faces = {{0, 1, 2}, {2, 1, 0}};
    expected.edges = {{0, 1}, {1, 2}};
    EXPECT_EQ(mesh, expected);
}

TEST(PlyFile, WritesAsciiWithStatusAndEdges) {
    MeshData mesh;
    mesh.vertices = {{1, -2, 3, 1}, {0, 0, 0, -1}, {7, 8, 9, 2}};
    mesh.edges = {{0, 1}};
    mesh.faces = {{2, 1, 0}};
    EXPECT_EQ(WritePly(mesh),
              "ply\n"
              "format ascii 1.0\n"
              "comment vornix-host mesh in host units\n"
              "element vertex 3\n"
              "property int x\n"
              "property int y\n"
              "property int z\n"
              "property uchar status\n"
              "element edge 1\n"
              "property int vertex1\n"
              "property int vertex2\n"
              "element face 1\n"
              "property list uchar int vertex_indices\n"
              "end_header\n"
              "1 -2 3 1\n"
              "0 0 0 255\n"
              "7 8 9 2\n"
              "0 1\n"
              "3 2 1 0\n");
}

TEST(PlyFile, RoundTripKeepsEveryStatusByte) {
    const MeshData mesh = SmallScene();
    EXPECT_EQ(ReadPly(WritePly(mesh), "scene.ply"), mesh);
}

TEST(PlyFile, AVertexWithoutStatusIsUnselected) {
    const MeshData mesh = ReadPly(
        "ply\nformat ascii 1.0\nelement vertex 2\nproperty float x\nproperty float y\nproperty float z\n"
        "end_header\n1 2 3\n-4.0 5e2 6\n",
        "s.ply");
    EXPECT_EQ(mesh.vertices, (std::vector<MeshVertex>{{1, 2, 3, 0}, {-4, 500, 6, 0}}));
}

// Little-endian bytes, written out by hand.
template <class T>
void Put(std::string& bytes, T value) {
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    bytes.append(raw, sizeof(T));  // this machine is little-endian, as the format
}

TEST(PlyFile, ReadsBinaryLittleEndianAndSkipsWhatTheHostDoesNotHold) {
    std::string bytes =
        "ply\n"
        "format binary_little_endian 1.0\n"
        "comment made by hand\n"
        "element vertex 3\n"
        "property double x\n"
        "property short y\n"
        "property int z\n"
        "property float confidence\n"
        "property char status\n"
        "element material 1\n"
        "property list uchar float colour\n"
        "element face 1\n"
        "property uchar flags\n"
        "property list uint8 uint32 vertex_indices\n"
        "element edge 2\n"
        "property uint vertex1\n"
        "property uint vertex2\n"
        "end_header\n";
    const struct { double x; std::int16_t y; std::int32_t z; float c; std::int8_t s; } vertices[] = {
        {-2147483648.0, -3, 2147483647, 0.5f, 1}, {10, 20, 30, 0.25f, 2}, {0, 0, 0, 1.0f, 0}};
    for (const auto& v : vertices) Put(bytes, v.x), Put(bytes, v.y), Put(bytes, v.z), Put(bytes, v.c), Put(bytes, v.s);
    Put<std::uint8_t>(bytes, 2), Put(bytes, 0.5f), Put(bytes, 0.75f);
    Put<std::uint8_t>(bytes, 9), Put<std::uint8_t>(bytes, 3), Put<std::uint32_t>(bytes, 2), Put<std::uint32_t>(bytes, 1),
        Put<std::uint32_t>(bytes, 0);
    Put<std::uint32_t>(bytes, 0), Put<std::uint32_t>(bytes, 1), Put<std::uint32_t>(bytes, 2), Put<std::uint32_t>(bytes, 0);

    MeshData expected;
    expected.vertices = {{INT32_MIN, -3, INT32_MAX, 1}, {10, 20, 30, 2}, {0, 0, 0, 0}};
    expected.faces = {{2, 1, 0}};
    expected.edges = {{0, 1}, {2, 0}};
    EXPECT_EQ(ReadPly(bytes, "b.ply"), expected);

    EXPECT_THROW(ReadPly(bytes.substr(0, bytes.size() - 1), "b.ply"), MeshFileError);
    EXPECT_THROW(ReadPly(bytes + '\0', "b.ply"), MeshFileError);
}

TEST(StlFile, WritesTrianglesInUserUnitsWithTheirNormals) {
    MeshData mesh;
    mesh.vertices = {{0, 0, 0, 0}, {2000, 0, 0, 0}, {0, 3000, 0, 0}};
    mesh.faces = {{0, 1, 2}, {0, 1, 9}};  // the second names no vertex and is left out
    const std::string stl = WriteStl(mesh, 1000.0);
    ASSERT_EQ(stl.size(), 80u + 4u + 50u);
    std::uint32_t count;
    std::memcpy(&count, stl.data() + 80, 4);
    EXPECT_EQ(count, 1u);
    float values[12];
    std::memcpy(values, stl.data() + 84, sizeof values);
    const float expected[12] = {0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(values[i], expected[i]) << i;
    EXPECT_EQ(stl.substr(132, 2), std::string(2, '\0'));
}

struct MalformedFile {
    std::string name;
    std::string text;
    std::string message;  // the start or a part of the error
};

class MalformedFileIsRefused : public testing::TestWithParam<MalformedFile> {};

TEST_P(MalformedFileIsRefused, NamingFileAndLine) {
    const MalformedFile& file = GetParam();
    try {
        if (file.name.ends_with(".obj")) ReadObj(file.text, file.name);
        else ReadPly(file.text, file.name);
        FAIL() << "accepted";
    } catch (const MeshFileError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(file.message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

const std::string kPlyHead =
    "ply\nformat ascii 1.0\nelement vertex 2\nproperty int x\nproperty int y\nproperty int z\n"
    "element face 1\nproperty list uchar int vertex_indices\nend_header\n";

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedFileIsRefused,
    testing::Values(
        MalformedFile{"a.obj", "v 1 2 3\nv 1 2\n", "a.obj:2: a vertex ('v') needs three integer coordinates"},
        MalformedFile{"a.obj", "v 1 2 3.5\n", "a.obj:1: coordinate '3.5' is not a 32-bit integer"},
        MalformedFile{"a.obj", "v 1 2 2147483648\n", "a.obj:1: coordinate '2147483648'"},
        MalformedFile{"a.obj", "v 1 2 x\n", "a.obj:1:"},
        MalformedFile{"a.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nf 1 2 3 4\n",
                      "a.obj:5: a face needs exactly three vertices"},
        MalformedFile{"a.obj", "v 0 0 0\nf 1 1\n", "a.obj:2: a face needs exactly three vertices"},
        MalformedFile{"a.obj", "v 0 0 0\nv 1 0 0\n\nf 1 2 3\n", "a.obj:4: vertex index 3 out of range (2 vertices so far)"},
        MalformedFile{"a.obj", "v 0 0 0\nf 1 -2 1\n", "a.obj:2: vertex index -2 out of range"},
        MalformedFile{"a.obj", "v 0 0 0\nf 1 0 1\n", "a.obj:2: '0' is not a vertex index"},
        MalformedFile{"a.obj", "v 0 0 0\nl 1\n", "a.obj:2: a line ('l') needs at least two vertices"},
        MalformedFile{"a.obj", "v 0 0 0\ncurv 0 1 1\n", "a.obj:2: unknown statement 'curv'"},
        MalformedFile{"a.ply", "plyx\n", "a.ply:1: not a PLY file"},
        MalformedFile{"a.ply", "ply\nformat ascii 1.0\nelement vertex 1\n", "a.ply:4: the header has no end_header"},
        MalformedFile{"a.ply", "ply\nformat binary_big_endian 1.0\nend_header\n", "a.ply:2: format 'binary_big_endian'"},
        MalformedFile{"a.ply", "ply\nelement vertex 0\nend_header\n", "a.ply:3: the header has no format line"},
        MalformedFile{"a.ply", "ply\nformat ascii 1.0\nproperty int x\nend_header\n", "a.ply:3: a property before any element"},
        MalformedFile{"a.ply", "ply\nformat ascii 1.0\nelement vertex 1\nproperty int128 x\nend_header\n",
                      "a.ply:4: unknown property type 'int128'"},
        MalformedFile{"a.ply", "ply\nformat ascii 1.0\nelement vertex 1\nproperty int x\nend_header\n1\n",
                      "a.ply:3: element vertex has no property y"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2\n3 0 1 0\n", "a.ply:11: vertex 1: too few values"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2 3 4\n3 0 1 0\n", "a.ply:11: vertex 1: too many values"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2 1.5\n3 0 1 0\n", "a.ply:11: '1.5' is not an integer"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2 3\n3 0 1 2\n", "a.ply:12: vertex index 2 out of range (2 vertices)"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2 3\n4 0 1 0 1\n", "a.ply:12: a face needs exactly three vertices"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2 3\n", "a.ply:12: file ends before face 0"},
        MalformedFile{"a.ply", kPlyHead + "0 0 0\n1 2 3\n3 0 1 0\n7\n", "a.ply: data goes on after the last element"}));

TEST(MeshFiles, AMissingFileIsNamed) {
    try {
        ReadMeshFile("no-such-dir/scene.obj");
        FAIL() << "accepted";
    } catch (const MeshFileError& error) {
        EXPECT_NE(std::string(error.what()).find("cannot open no-such-dir/scene.obj"), std::string::npos);
    }
}

TEST(MeshFiles, ChoosesTheFormatByExtension) {
    const MeshData mesh = SmallScene();
    EXPECT_EQ(FormatMeshFile("a.OBJ", mesh, 1000), WriteObj(mesh));
    EXPECT_EQ(FormatMeshFile("a.ply", mesh, 1000), WritePly(mesh));
    EXPECT_EQ(FormatMeshFile("a.stl", mesh, 1000), WriteStl(mesh, 1000));
    const std::string path = testing::TempDir() + "vornix-scene.ply";
    std::ofstream(path, std::ios::binary) << WritePly(mesh);
    EXPECT_EQ(ReadMeshFile(path), mesh);
}

}  // namespace
