// A host mesh as the files and the preview see it: vertices in host units
// with their status byte, edges and triangles as 0-based vertex positions.
#pragma once

#include <cstdint>
#include <vector>

#include "refhost/MemoryHost.h"

struct MeshVertex {
    std::int32_t x, y, z;
    std::int8_t status;  // 1 = selected
    bool operator==(const MeshVertex&) const = default;
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<HostEdge> edges;
    std::vector<HostFace> faces;
    bool operator==(const MeshData&) const = default;
};

// The host's mesh as it stands.
MeshData SnapshotMesh(const MemoryHost& host);
// Gives the host the mesh (appended, as the host's own scene, not through
// the plug-in's slots) and sets its selected count to the vertices of status 1.
void LoadMesh(MemoryHost& host, const MeshData& mesh);
// Vertices of status 1.
std::int32_t CountSelected(const MeshData& mesh);
