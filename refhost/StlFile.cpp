#include "refhost/StlFile.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

void PutUint32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

void PutFloat(std::string& out, double value) {
    // Beyond float's range the conversion is undefined: saturate to infinity.
    constexpr double kLargest = std::numeric_limits<float>::max();
    const float narrow = value > kLargest    ? std::numeric_limits<float>::infinity()
                         : value < -kLargest ? -std::numeric_limits<float>::infinity()
                                             : static_cast<float>(value);
    std::uint32_t bits;
    std::memcpy(&bits, &narrow, 4);
    PutUint32(out, bits);
}

bool Valid(const MeshData& mesh, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < mesh.vertices.size();
}

}  // namespace

std::string WriteStl(const MeshData& mesh, double unitScale) {
    std::string out(80, '\0');
    const char title[] = "vornix-host mesh, user units";
    std::memcpy(out.data(), title, sizeof title - 1);
    std::uint32_t count = 0;
    for (const HostFace& f : mesh.faces) count += Valid(mesh, f.a) && Valid(mesh, f.b) && Valid(mesh, f.c);
    PutUint32(out, count);
    for (const HostFace& f : mesh.faces) {
        if (!(Valid(mesh, f.a) && Valid(mesh, f.b) && Valid(mesh, f.c))) continue;
        double p[3][3];
        const std::int32_t corners[3] = {f.a, f.b, f.c};
        for (int c = 0; c < 3; ++c) {
            const MeshVertex& v = mesh.vertices[static_cast<std::size_t>(corners[c])];
            p[c][0] = v.x / unitScale;
            p[c][1] = v.y / unitScale;
            p[c][2] = v.z / unitScale;
        }
        const double u[3] = {p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
        const double w[3] = {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
        double n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        for (double& component : n) component = length > 0 ? component / length : 0.0;
        for (double component : n) PutFloat(out, component);
        for (const auto& corner : p)
            for (double component : corner) PutFloat(out, component);
        out += std::string(2, '\0');  // attribute byte count
    }
    return out;
}
