#include "refhost/MeshData.h"

#include <algorithm>

MeshData SnapshotMesh(const MemoryHost& host) {
    MeshData mesh;
    const HostVertex* vertices = host.Vertices();
    mesh.vertices.reserve(static_cast<std::size_t>(std::max(host.vertexCount, 0)));
    for (std::int32_t i = 0; i < host.vertexCount; ++i)
        mesh.vertices.push_back({vertices[i].x, vertices[i].y, vertices[i].z, vertices[i].status});
    mesh.edges = host.Edges();
    mesh.faces = host.Faces();
    return mesh;
}

void LoadMesh(MemoryHost& host, const MeshData& mesh) {
    for (const MeshVertex& v : mesh.vertices) host.AddVertex(v.x, v.y, v.z, v.status);
    for (const HostEdge& e : mesh.edges) host.AddEdge(e.a, e.b);
    for (const HostFace& f : mesh.faces) host.AddFace(f.a, f.b, f.c);
    host.selectedVertexCount = CountSelected(SnapshotMesh(host));
}

std::int32_t CountSelected(const MeshData& mesh) {
    return static_cast<std::int32_t>(
        std::count_if(mesh.vertices.begin(), mesh.vertices.end(), [](const MeshVertex& v) { return v.status == 1; }));
}
