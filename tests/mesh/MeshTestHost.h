// Helpers for the mesh tests: a contract-checking host bound as the run's
// host, and readers for what the mesh steps left in it.
#pragma once

#include <cstdint>
#include <vector>

#include "host/HostContext.h"
#include "mesh/VertexArithmetic.h"
#include "mesh/VertexRings.h"
#include "refhost/MemoryHost.h"

// A strict host with `existingVertices` vertices (status cycling 0, 1, 2) and
// the given existing edges and faces, bound as HostContext.
struct BoundHost {
    MemoryHost host{HostMode::Strict};

    explicit BoundHost(std::int32_t view = 0, std::int32_t existingVertices = 0, std::int32_t existingEdges = 0,
                       std::int32_t existingFaces = 0) {
        host.activeView = view;
        for (std::int32_t i = 0; i < existingVertices; ++i)
            host.AddVertex(-7 * i, 11 * i, 5, static_cast<std::int8_t>(i % 3));
        for (std::int32_t i = 0; i < existingEdges; ++i) host.AddEdge(0, 0);
        for (std::int32_t i = 0; i < existingFaces; ++i) host.AddFace(0, 0, 0);
        HostContext = host.Context();
    }
};

inline HostPoint PointAt(const MemoryHost& host, std::int32_t index) {
    const HostVertex& vertex = host.Vertices()[index];
    return {vertex.x, vertex.y, vertex.z};
}

inline std::vector<std::int32_t> IndicesOf(const SelectVertiesOfArrow& ring) {
    std::vector<std::int32_t> indices;
    for (std::size_t j = 0; j < ring.GetItemsInContainer(); ++j) indices.push_back(ring[j]);
    return indices;
}

inline std::vector<std::vector<std::int32_t>> IndicesOf(const SelectVertiesOfArrowAll& rings) {
    std::vector<std::vector<std::int32_t>> indices;
    for (std::size_t k = 0; k < rings.GetItemsInContainer(); ++k) indices.push_back(IndicesOf(rings[k]));
    return indices;
}

inline std::vector<HostPoint> PointsOf(const MemoryHost& host, const SelectVertiesOfArrow& ring) {
    std::vector<HostPoint> points;
    for (std::size_t j = 0; j < ring.GetItemsInContainer(); ++j) points.push_back(PointAt(host, ring[j]));
    return points;
}

inline void PrintTo(const HostPoint& point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ", " << point.z << ")";
}
