// An in-memory host modeler: the ModelerContext contract, kept honestly,
// for tests, benchmarks and the vornix-host program.
//
// Strict mode checks the plug-in against the contract: the vertex array moves
// to a new address on every growth (a stale pointer then shows under
// AddressSanitizer), every new vertex is filled with a marker byte so writes
// outside status, index and the coordinates show, every create must follow
// a grow to count + 1, and every slot call is logged. Fast mode grows
// geometrically, still fills new vertices with the marker, and neither
// checks nor logs: its slots do the host's work and nothing else, for
// benchmarks.
//
// The host's operations are plain C functions with no context argument, so
// one host at a time is bound to them: the one whose Context() was taken last.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/ModelerContext.h"

enum class HostMode { Strict, Fast };

struct HostEdge {
    std::int32_t a, b;
    bool operator==(const HostEdge&) const = default;
};

struct HostFace {
    std::int32_t a, b, c;
    bool operator==(const HostFace&) const = default;
};

enum class HostCallKind { GrowVertices, CreateVertex, GrowEdges, CreateEdge, GrowFaces, CreateFace };

struct HostCall {
    HostCallKind kind;
    std::int32_t a = 0, b = 0, c = 0;  // the grow size, or the create's arguments
    bool operator==(const HostCall&) const = default;
};

class MemoryHost {
public:
    static constexpr std::uint8_t kNewVertexMarker = 0xA5;

    explicit MemoryHost(HostMode mode = HostMode::Strict);
    ~MemoryHost();
    MemoryHost(const MemoryHost&) = delete;
    MemoryHost& operator=(const MemoryHost&) = delete;

    // Binds the slots to this host and returns its record.
    ModelerContext* Context();

    // The host's variables, as the record points at them.
    std::int32_t vertexCount = 0;
    std::int32_t edgeCount = 0;
    std::int32_t faceCount = 0;
    std::int32_t selectedVertexCount = 0;
    double unitScale = 1000.0;
    std::int32_t cursor[3] = {0, 0, 0};
    std::int32_t origin[3] = {0, 0, 0};
    std::int32_t activeView = 0;

    // The mesh. Vertices live in a raw array that the vertex pointer of the
    // record points at; edges and faces in vectors the plug-in never sees.
    HostVertex* Vertices() { return vertices_; }
    const HostVertex* Vertices() const { return vertices_; }
    const std::vector<HostEdge>& Edges() const { return edges_; }
    const std::vector<HostFace>& Faces() const { return faces_; }

    // Scene set-up by the host itself (not through the slots, not logged).
    void AddVertex(std::int32_t x, std::int32_t y, std::int32_t z, std::int8_t status = 0);
    void AddEdge(std::int32_t a, std::int32_t b);
    void AddFace(std::int32_t a, std::int32_t b, std::int32_t c);
    // Empties the mesh and the log but keeps the storage (for benchmarks).
    void ClearMesh();

    // Slot calls in order (strict mode only) and breaches of the contract.
    const std::vector<HostCall>& CallLog() const { return log_; }
    const std::vector<std::string>& Violations() const { return violations_; }
    // How often the vertex array moved.
    int VertexArrayMoves() const { return moves_; }

    // Every byte the plug-in could change or the host could report: the
    // variables, all vertex bytes, edges and faces. Equal images mean an
    // untouched host.
    std::vector<std::uint8_t> Image() const;

private:
    friend struct MemoryHostSlots;
    void GrowVertices(std::int32_t n);
    void CreateVertex();
    void GrowEdges(std::int32_t n);
    void CreateEdge(std::int32_t a, std::int32_t b);
    void GrowFaces(std::int32_t n);
    void CreateFace(std::int32_t a, std::int32_t b, std::int32_t c);
    void Log(HostCallKind kind, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0);
    void CheckGrown(HostCallKind grow, std::int32_t count, const char* what);
    void Reallocate(std::size_t capacity);

    HostMode mode_;
    ModelerContext context_{};
    HostVertex* vertices_ = nullptr;
    std::size_t capacity_ = 0;
    std::vector<HostEdge> edges_;
    std::vector<HostFace> faces_;
    std::vector<HostCall> log_;
    std::vector<std::string> violations_;
    // The last grow call and its argument, for the grow-before-create rule.
    HostCallKind lastGrow_ = HostCallKind::CreateVertex;
    std::int32_t lastGrowSize_ = -1;
    bool growPending_ = false;
    int moves_ = 0;
};
