#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "refhost/Preview.h"

namespace {

using Vec3 = std::array<double, 3>;

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 Normalised(const Vec3& v) {
    const double length = std::sqrt(Dot(v, v));
    return length > 0 ? Vec3{v[0] / length, v[1] / length, v[2] / length} : Vec3{0, 0, 0};
}

constexpr int kWidth = 900;
constexpr int kHeight = 700;
constexpr double kMargin = 60;

// The eye looks from above the front right (host y toward the viewer is -y,
// z is up), the view a modeler's perspective window opens with.
struct Camera {
    Vec3 toEye = Normalised({7.4, -6.5, 5.3});
    Vec3 right = Normalised({-toEye[1], toEye[0], 0});  // horizontal
    Vec3 up = Cross(toEye, right);
    double scale = 1, centreX = 0, centreY = 0;

    double X(const Vec3& p) const { return kWidth / 2.0 + (Dot(p, right) - centreX) * scale; }
    double Y(const Vec3& p) const { return kHeight / 2.0 + 20 - (Dot(p, up) - centreY) * scale; }
    double Depth(const Vec3& p) const { return Dot(p, toEye); }  // larger is nearer

    void Fit(const std::vector<Vec3>& points) {
        double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
        for (const Vec3& p : points) {
            minX = std::min(minX, Dot(p, right));
            maxX = std::max(maxX, Dot(p, right));
            minY = std::min(minY, Dot(p, up));
            maxY = std::max(maxY, Dot(p, up));
        }
        const double spanX = std::max(maxX - minX, 1e-9), spanY = std::max(maxY - minY, 1e-9);
        scale = std::min((kWidth - 2 * kMargin) / spanX, (kHeight - 2 * kMargin - 40) / spanY);
        centreX = (minX + maxX) / 2;
        centreY = (minY + maxY) / 2;
    }
};

struct Colour {
    double r, g, b;
};

constexpr Colour kSurface{0.56, 0.66, 0.80};
constexpr Colour kSelectedSurface{0.96, 0.64, 0.30};
constexpr Colour kSelectedVertex{0.85, 0.25, 0.05};
constexpr std::array<Colour, 3> kAxisColours{{{0.80, 0.15, 0.15}, {0.15, 0.60, 0.15}, {0.15, 0.30, 0.85}}};
constexpr std::array<const char*, 3> kAxisLabels{"R/L", "F/B", "U/D"};

// One thing to draw, far things first.
struct Item {
    enum Kind { Face, Edge, Vertex, AxisPiece } kind;
    double depth;
    std::size_t index;  // into faces, edges, vertices; or axis × pieces + piece
};

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool PreviewAvailable() { return true; }

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORNIX_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(VORNIX_ADDRESS_SANITIZER)
// fontconfig, which cairo asks for the captions' font, keeps what it loaded
// for the life of the process by design: not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// And say nothing about it: the program's errors are one line on stderr.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

std::string RenderPreviewPng(const MeshData& mesh, const std::string& caption) {
    const std::size_t vertexCount = mesh.vertices.size();
    auto valid = [&](std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < vertexCount; };
    std::vector<Vec3> points;
    points.reserve(vertexCount);
    for (const MeshVertex& v : mesh.vertices) points.push_back({double(v.x), double(v.y), double(v.z)});

    // The axes run through the origin, a little beyond the mesh on each side.
    Vec3 low{0, 0, 0}, high{0, 0, 0};
    for (const Vec3& p : points)
        for (int a = 0; a < 3; ++a) low[a] = std::min(low[a], p[a]), high[a] = std::max(high[a], p[a]);
    double size = 0;
    for (int a = 0; a < 3; ++a) size = std::max(size, high[a] - low[a]);
    if (size == 0) size = 1000;
    std::array<std::pair<Vec3, Vec3>, 3> axes;
    for (int a = 0; a < 3; ++a) {
        Vec3 from{0, 0, 0}, to{0, 0, 0};
        // Long enough to show their direction even where the mesh is flat.
        from[a] = std::min(low[a], -0.3 * size) - 0.08 * size;
        to[a] = std::max(high[a], 0.3 * size) + 0.2 * size;
        axes[a] = {from, to};
    }

    Camera camera;
    std::vector<Vec3> framed = points;
    for (const auto& [from, to] : axes) framed.push_back(from), framed.push_back(to);
    camera.Fit(framed);

    // Faces, lone edges, lone vertices, the selected vertices and the axis
    // pieces, sorted by depth: the painter's algorithm.
    std::vector<Item> items;
    std::set<std::pair<std::int32_t, std::int32_t>> faceEdges;
    std::vector<bool> onSomething(vertexCount, false);
    for (std::size_t i = 0; i < mesh.faces.size(); ++i) {
        const HostFace& f = mesh.faces[i];
        if (!valid(f.a) || !valid(f.b) || !valid(f.c)) continue;
        const Vec3 centroid{(points[f.a][0] + points[f.b][0] + points[f.c][0]) / 3,
                            (points[f.a][1] + points[f.b][1] + points[f.c][1]) / 3,
                            (points[f.a][2] + points[f.b][2] + points[f.c][2]) / 3};
        items.push_back({Item::Face, camera.Depth(centroid), i});
        for (auto [a, b] : {std::pair{f.a, f.b}, {f.b, f.c}, {f.c, f.a}}) faceEdges.insert(std::minmax(a, b));
        onSomething[f.a] = onSomething[f.b] = onSomething[f.c] = true;
    }
    for (std::size_t i = 0; i < mesh.edges.size(); ++i) {
        const HostEdge& e = mesh.edges[i];
        if (!valid(e.a) || !valid(e.b)) continue;
        onSomething[e.a] = onSomething[e.b] = true;
        if (faceEdges.contains(std::minmax(e.a, e.b))) continue;
        const Vec3 middle{(points[e.a][0] + points[e.b][0]) / 2, (points[e.a][1] + points[e.b][1]) / 2,
                          (points[e.a][2] + points[e.b][2]) / 2};
        items.push_back({Item::Edge, camera.Depth(middle), i});
    }
    const bool dots = vertexCount <= 20000;
    for (std::size_t i = 0; i < vertexCount; ++i)
        if ((dots && mesh.vertices[i].status == 1) || !onSomething[i])
            items.push_back({Item::Vertex, camera.Depth(points[i]) + 1e-6 * size, i});
    constexpr std::size_t kPieces = 60;
    for (std::size_t a = 0; a < 3; ++a)
        for (std::size_t k = 0; k < kPieces; ++k) {
            const auto& [from, to] = axes[a];
            const double t = (k + 0.5) / kPieces;
            const Vec3 middle{from[0] + (to[0] - from[0]) * t, from[1] + (to[1] - from[1]) * t,
                              from[2] + (to[2] - from[2]) * t};
            items.push_back({Item::AxisPiece, camera.Depth(middle), a * kPieces + k});
        }
    std::stable_sort(items.begin(), items.end(), [](const Item& p, const Item& q) { return p.depth < q.depth; });

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);

    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.97, 0.97, 0.98);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.84, 0.86, 0.89);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    auto moveTo = [&](const Vec3& p) { cairo_move_to(cr, camera.X(p), camera.Y(p)); };
    auto lineTo = [&](const Vec3& p) { cairo_line_to(cr, camera.X(p), camera.Y(p)); };
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    for (const Item& item : items) {
        switch (item.kind) {
            case Item::Face: {
                const HostFace& f = mesh.faces[item.index];
                const Vec3 normal = Normalised(Cross(Minus(points[f.b], points[f.a]), Minus(points[f.c], points[f.a])));
                // The light comes from the eye; either side of a face catches it.
                const double light = 0.22 + 0.78 * std::fabs(Dot(normal, camera.toEye));
                const bool selected = mesh.vertices[f.a].status == 1 && mesh.vertices[f.b].status == 1 &&
                                      mesh.vertices[f.c].status == 1;
                const Colour base = selected ? kSelectedSurface : kSurface;
                moveTo(points[f.a]);
                lineTo(points[f.b]);
                lineTo(points[f.c]);
                cairo_close_path(cr);
                cairo_set_source_rgb(cr, base.r * light, base.g * light, base.b * light);
                cairo_fill_preserve(cr);
                cairo_set_source_rgb(cr, base.r * light * 0.72, base.g * light * 0.72, base.b * light * 0.72);
                cairo_set_line_width(cr, 0.7);
                cairo_stroke(cr);
                break;
            }
            case Item::Edge: {
                const HostEdge& e = mesh.edges[item.index];
                moveTo(points[e.a]);
                lineTo(points[e.b]);
                cairo_set_source_rgb(cr, 0.2, 0.22, 0.28);
                cairo_set_line_width(cr, 1.2);
                cairo_stroke(cr);
                break;
            }
            case Item::Vertex: {
                const bool selected = mesh.vertices[item.index].status == 1;
                const Vec3& p = points[item.index];
                cairo_arc(cr, camera.X(p), camera.Y(p), selected ? 3.0 : 2.5, 0, 2 * M_PI);
                if (selected) cairo_set_source_rgb(cr, kSelectedVertex.r, kSelectedVertex.g, kSelectedVertex.b);
                else cairo_set_source_rgb(cr, 0.25, 0.27, 0.32);
                cairo_fill(cr);
                break;
            }
            case Item::AxisPiece: {
                const std::size_t a = item.index / kPieces, k = item.index % kPieces;
                const auto& [from, to] = axes[a];
                const double t0 = double(k) / kPieces, t1 = double(k + 1) / kPieces;
                const Vec3 p0{from[0] + (to[0] - from[0]) * t0, from[1] + (to[1] - from[1]) * t0,
                              from[2] + (to[2] - from[2]) * t0};
                const Vec3 p1{from[0] + (to[0] - from[0]) * t1, from[1] + (to[1] - from[1]) * t1,
                              from[2] + (to[2] - from[2]) * t1};
                moveTo(p0);
                lineTo(p1);
                cairo_set_source_rgb(cr, kAxisColours[a].r, kAxisColours[a].g, kAxisColours[a].b);
                cairo_set_line_width(cr, 2.0);
                cairo_stroke(cr);
                break;
            }
        }
    }

    // Arrow heads and labels at the positive ends, over everything.
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 16);
    for (std::size_t a = 0; a < 3; ++a) {
        const auto& [from, to] = axes[a];
        const double x1 = camera.X(to), y1 = camera.Y(to);
        const double dx = x1 - camera.X(from), dy = y1 - camera.Y(from);
        const double length = std::hypot(dx, dy);
        const Colour& c = kAxisColours[a];
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        if (length > 1) {
            const double ux = dx / length, uy = dy / length;
            cairo_move_to(cr, x1 + ux * 4, y1 + uy * 4);
            cairo_line_to(cr, x1 - ux * 10 - uy * 5, y1 - uy * 10 + ux * 5);
            cairo_line_to(cr, x1 - ux * 10 + uy * 5, y1 - uy * 10 - ux * 5);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        const double ux = length > 1 ? dx / length : 0, uy = length > 1 ? dy / length : -1;
        cairo_text_extents_t extents;
        cairo_text_extents(cr, kAxisLabels[a], &extents);
        const double lx = x1 + ux * 22 - extents.width / 2, ly = y1 + uy * 22 + extents.height / 2;
        cairo_move_to(cr, lx, ly);
        cairo_text_path(cr, kAxisLabels[a]);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 3);
        cairo_stroke_preserve(cr);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_fill(cr);
    }

    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 15);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.2);
    cairo_move_to(cr, 16, 26);
    cairo_show_text(cr, caption.c_str());
    // Legend.
    cairo_set_font_size(cr, 13);
    cairo_arc(cr, 22, kHeight - 20, 4, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, kSelectedVertex.r, kSelectedVertex.g, kSelectedVertex.b);
    cairo_fill(cr);
    cairo_rectangle(cr, 140, kHeight - 27, 14, 14);
    cairo_set_source_rgb(cr, kSelectedSurface.r, kSelectedSurface.g, kSelectedSurface.b);
    cairo_fill(cr);
    cairo_rectangle(cr, 330, kHeight - 27, 14, 14);
    cairo_set_source_rgb(cr, kSurface.r, kSurface.g, kSurface.b);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.2);
    cairo_move_to(cr, 32, kHeight - 15);
    cairo_show_text(cr, "selected vertex");
    cairo_move_to(cr, 160, kHeight - 15);
    cairo_show_text(cr, "face of selected vertices");
    cairo_move_to(cr, 350, kHeight - 15);
    cairo_show_text(cr, "other face");

    cairo_destroy(cr);
    std::string png;
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, AppendToString, &png);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(std::string("cannot make the preview: ") + cairo_status_to_string(status));
    return png;
}
