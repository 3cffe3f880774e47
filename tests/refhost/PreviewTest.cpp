// The preview is a real picture: the right size, the mesh drawn in its
// colours, the selection highlighted, the axes present. Read back through
// cairo, which made it.
#include <gtest/gtest.h>

#include "refhost/Preview.h"

#if __has_include(<cairo.h>)
#include <cairo.h>

#include <algorithm>
#include <cstring>

namespace {

struct PngReader {
    std::string_view rest;
    static cairo_status_t Read(void* closure, unsigned char* data, unsigned int length) {
        auto* self = static_cast<PngReader*>(closure);
        if (self->rest.size() < length) return CAIRO_STATUS_READ_ERROR;
        std::copy_n(self->rest.data(), length, data);
        self->rest.remove_prefix(length);
        return CAIRO_STATUS_SUCCESS;
    }
};

// Counts pixels by which colour dominates.
struct ColourCounts {
    int width = 0, height = 0;
    int orange = 0, blue = 0, red = 0, green = 0;
};

ColourCounts Analyse(const std::string& png) {
    PngReader reader{png};
    cairo_surface_t* image = cairo_image_surface_create_from_png_stream(PngReader::Read, &reader);
    ColourCounts counts;
    EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    counts.width = cairo_image_surface_get_width(image);
    counts.height = cairo_image_surface_get_height(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < counts.height; ++y)
        for (int x = 0; x < counts.width; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, data + y * stride + 4 * x, 4);
            const int r = pixel >> 16 & 0xFF, g = pixel >> 8 & 0xFF, b = pixel & 0xFF;
            counts.orange += r > b + 60 && g > b + 20;
            counts.blue += b > r + 25 && b > g + 5 && r > 40;
            counts.red += r > 150 && g < 80 && b < 80;
            counts.green += g > r + 50 && g > b + 50;
        }
    cairo_surface_destroy(image);
    return counts;
}

MeshData Tetrahedron(std::int8_t status) {
    MeshData mesh;
    mesh.vertices = {{0, 0, 0, status}, {1000, 0, 0, status}, {0, 1000, 0, status}, {0, 0, 1000, status}};
    mesh.faces = {{0, 2, 1}, {0, 1, 3}, {1, 2, 3}, {2, 0, 3}};
    return mesh;
}

TEST(Preview, DrawsTheMeshItsSelectionAndTheAxes) {
    ASSERT_TRUE(PreviewAvailable());
    const std::string png = RenderPreviewPng(Tetrahedron(1), "tetrahedron");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const ColourCounts selected = Analyse(png);
    EXPECT_EQ(selected.width, 900);
    EXPECT_EQ(selected.height, 700);
    EXPECT_GT(selected.orange, 20000);  // the selected faces fill a good part
    EXPECT_GT(selected.red, 100);       // R/L axis
    EXPECT_GT(selected.green, 100);     // F/B axis

    const ColourCounts unselected = Analyse(RenderPreviewPng(Tetrahedron(0), "tetrahedron"));
    EXPECT_LT(unselected.orange, 1000);  // only the legend
    EXPECT_GT(unselected.blue, 20000);
}

TEST(Preview, AnEmptyOrDegenerateMeshStillGivesAPicture) {
    EXPECT_GT(RenderPreviewPng(MeshData{}, "empty").size(), 1000u);
    MeshData point;
    point.vertices = {{5, 5, 5, 1}, {5, 5, 5, 0}};
    point.faces = {{0, 1, 0}, {0, 1, 7}};  // degenerate, and one naming no vertex
    EXPECT_GT(RenderPreviewPng(point, "one point").size(), 1000u);
}

}  // namespace
#else
TEST(Preview, IsUnavailableWithoutCairo) { EXPECT_FALSE(PreviewAvailable()); }
#endif
