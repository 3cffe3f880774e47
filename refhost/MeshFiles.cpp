#include "refhost/MeshFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "refhost/CommandLine.h"
#include "refhost/MeshFileError.h"
#include "refhost/ObjFile.h"
#include "refhost/PlyFile.h"
#include "refhost/StlFile.h"

namespace {

std::string ReadWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) throw MeshFileError("cannot open " + path + ": " + std::strerror(errno));
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw MeshFileError("cannot read " + path);
    return bytes;
}

}  // namespace

MeshData ReadMeshFile(const std::string& path) {
    const std::string extension = FileExtension(path);
    if (extension != ".obj" && extension != ".ply") throw MeshFileError(path + ": not an .obj or .ply file");
    const std::string bytes = ReadWholeFile(path);
    return extension == ".obj" ? ReadObj(bytes, path) : ReadPly(bytes, path);
}

std::string FormatMeshFile(const std::string& path, const MeshData& mesh, double unitScale) {
    const std::string extension = FileExtension(path);
    if (extension == ".obj") return WriteObj(mesh);
    if (extension == ".ply") return WritePly(mesh);
    if (extension == ".stl") return WriteStl(mesh, unitScale);
    throw MeshFileError(path + ": not an .obj, .ply or .stl file");
}
