#include "refhost/MemoryHost.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

MemoryHost* boundHost = nullptr;  // the host the C slots act on

// Room for `wanted` elements, at least doubling, so that appending one at a
// time costs O(n) in total. Out of line: it is the rare path of the slots.
template <class T>
[[gnu::noinline]] void GrowGeometrically(std::vector<T>& elements, std::size_t wanted) {
    elements.reserve(std::max({wanted, 2 * elements.capacity(), std::size_t{16}}));
}

// Room for n elements.
template <class T>
void ReserveGeometrically(std::vector<T>& elements, std::int32_t n) {
    if (n > 0 && static_cast<std::size_t>(n) > elements.capacity())
        GrowGeometrically(elements, static_cast<std::size_t>(n));
}

// Appends one element and counts it. When its grow call made no room, the
// append goes out of line; otherwise the compiler is told that room is
// there, which keeps the vector's own growth path, and the register saves it
// needs, out of the slot.
template <class T>
[[gnu::noinline]] std::int32_t AppendGrowing(std::vector<T>& elements, std::int32_t& count, T element) {
    GrowGeometrically(elements, elements.size() + 1);
    elements.push_back(element);
    ++count;
    return 1;
}

template <class T>
std::int32_t AppendElement(std::vector<T>& elements, std::int32_t& count, T element) {
    if (elements.size() == elements.capacity()) return AppendGrowing(elements, count, element);
    if (elements.size() == elements.capacity()) __builtin_unreachable();
    elements.push_back(element);
    ++count;
    return 1;
}

}  // namespace

// Strict mode: every call goes through the checks and the log.
struct MemoryHostSlots {
    static std::int32_t VORNIX_CDECL GrowVertexStorage(std::int32_t n) { return boundHost->GrowVertices(n), 1; }
    static std::int32_t VORNIX_CDECL CreateVertex() { return boundHost->CreateVertex(), 1; }
    static std::int32_t VORNIX_CDECL GrowEdgeStorage(std::int32_t n) { return boundHost->GrowEdges(n), 1; }
    static std::int32_t VORNIX_CDECL CreateEdge(std::int32_t a, std::int32_t b) {
        return boundHost->CreateEdge(a, b), 1;
    }
    static std::int32_t VORNIX_CDECL GrowFaceStorage(std::int32_t n) { return boundHost->GrowFaces(n), 1; }
    static std::int32_t VORNIX_CDECL CreateFace(std::int32_t a, std::int32_t b, std::int32_t c) {
        return boundHost->CreateFace(a, b, c), 1;
    }

    // Fast mode: the same storage, grown geometrically, with nothing but the
    // work itself on the way. New vertices still get the marker fill.
    static std::int32_t VORNIX_CDECL FastGrowVertexStorage(std::int32_t n) {
        MemoryHost& host = *boundHost;
        if (n > 0 && static_cast<std::size_t>(n) > host.capacity_)
            host.Reallocate(std::max(static_cast<std::size_t>(n), 2 * host.capacity_));
        return 1;
    }
    static std::int32_t VORNIX_CDECL FastCreateVertex() {
        MemoryHost& host = *boundHost;
        if (static_cast<std::size_t>(host.vertexCount) == host.capacity_) host.Reallocate(host.capacity_ * 2 + 16);
        std::memset(&host.vertices_[host.vertexCount], MemoryHost::kNewVertexMarker, sizeof(HostVertex));
        ++host.vertexCount;
        return 1;
    }
    static std::int32_t VORNIX_CDECL FastGrowEdgeStorage(std::int32_t n) {
        ReserveGeometrically(boundHost->edges_, n);
        return 1;
    }
    static std::int32_t VORNIX_CDECL FastCreateEdge(std::int32_t a, std::int32_t b) {
        MemoryHost& host = *boundHost;
        return AppendElement(host.edges_, host.edgeCount, HostEdge{a, b});
    }
    static std::int32_t VORNIX_CDECL FastGrowFaceStorage(std::int32_t n) {
        ReserveGeometrically(boundHost->faces_, n);
        return 1;
    }
    static std::int32_t VORNIX_CDECL FastCreateFace(std::int32_t a, std::int32_t b, std::int32_t c) {
        MemoryHost& host = *boundHost;
        return AppendElement(host.faces_, host.faceCount, HostFace{a, b, c});
    }
};

MemoryHost::MemoryHost(HostMode mode) : mode_(mode) {
    context_.vertexCount = &vertexCount;
    context_.edgeCount = &edgeCount;
    context_.faceCount = &faceCount;
    context_.selectedVertexCount = &selectedVertexCount;
    context_.vertices = &vertices_;
    context_.unitScale = &unitScale;
    context_.cursorX = &cursor[0];
    context_.cursorY = &cursor[1];
    context_.cursorZ = &cursor[2];
    context_.originX = &origin[0];
    context_.originY = &origin[1];
    context_.originZ = &origin[2];
    context_.activeView = &activeView;
    const bool strict = mode == HostMode::Strict;
    context_.CreateVertex = strict ? &MemoryHostSlots::CreateVertex : &MemoryHostSlots::FastCreateVertex;
    context_.CreateEdge = strict ? &MemoryHostSlots::CreateEdge : &MemoryHostSlots::FastCreateEdge;
    context_.CreateFace = strict ? &MemoryHostSlots::CreateFace : &MemoryHostSlots::FastCreateFace;
    context_.GrowVertexStorage = strict ? &MemoryHostSlots::GrowVertexStorage : &MemoryHostSlots::FastGrowVertexStorage;
    context_.GrowEdgeStorage = strict ? &MemoryHostSlots::GrowEdgeStorage : &MemoryHostSlots::FastGrowEdgeStorage;
    context_.GrowFaceStorage = strict ? &MemoryHostSlots::GrowFaceStorage : &MemoryHostSlots::FastGrowFaceStorage;
}

MemoryHost::~MemoryHost() {
    if (boundHost == this) boundHost = nullptr;
    std::free(vertices_);
}

ModelerContext* MemoryHost::Context() {
    boundHost = this;
    return &context_;
}

void MemoryHost::Reallocate(std::size_t capacity) {
    auto* fresh = static_cast<HostVertex*>(std::malloc(capacity * sizeof(HostVertex)));
    if (fresh == nullptr) throw std::bad_alloc();
    if (vertexCount > 0) std::memcpy(fresh, vertices_, static_cast<std::size_t>(vertexCount) * sizeof(HostVertex));
    std::free(vertices_);
    vertices_ = fresh;
    capacity_ = capacity;
    ++moves_;
}

void MemoryHost::AddVertex(std::int32_t x, std::int32_t y, std::int32_t z, std::int8_t status) {
    if (static_cast<std::size_t>(vertexCount) == capacity_) Reallocate(capacity_ * 2 + 16);
    HostVertex& v = vertices_[vertexCount];
    std::memset(&v, 0, sizeof v);
    v.status = status;
    v.index = vertexCount;
    v.x = x;
    v.y = y;
    v.z = z;
    ++vertexCount;
}

void MemoryHost::AddEdge(std::int32_t a, std::int32_t b) {
    edges_.push_back({a, b});
    ++edgeCount;
}

void MemoryHost::AddFace(std::int32_t a, std::int32_t b, std::int32_t c) {
    faces_.push_back({a, b, c});
    ++faceCount;
}

void MemoryHost::ClearMesh() {
    vertexCount = edgeCount = faceCount = selectedVertexCount = 0;
    edges_.clear();
    faces_.clear();
    log_.clear();
    violations_.clear();
    growPending_ = false;
}

void MemoryHost::Log(HostCallKind kind, std::int32_t a, std::int32_t b, std::int32_t c) {
    if (mode_ == HostMode::Strict) log_.push_back({kind, a, b, c});
}

void MemoryHost::CheckGrown(HostCallKind grow, std::int32_t count, const char* what) {
    if (mode_ != HostMode::Strict) return;
    if (!growPending_ || lastGrow_ != grow)
        violations_.push_back(std::string(what) + " not directly preceded by its grow call");
    else if (lastGrowSize_ != count + 1)
        violations_.push_back(std::string(what) + " after a grow to " + std::to_string(lastGrowSize_) +
                              " with count " + std::to_string(count));
    growPending_ = false;
}

void MemoryHost::GrowVertices(std::int32_t n) {
    Log(HostCallKind::GrowVertices, n);
    growPending_ = true;
    lastGrow_ = HostCallKind::GrowVertices;
    lastGrowSize_ = n;
    if (n < 0) return;
    const auto wanted = static_cast<std::size_t>(n);
    if (mode_ == HostMode::Strict)
        Reallocate(wanted > capacity_ ? wanted : capacity_);  // a new address every time
    else if (wanted > capacity_)
        Reallocate(wanted > 2 * capacity_ ? wanted : 2 * capacity_);
}

void MemoryHost::CreateVertex() {
    Log(HostCallKind::CreateVertex);
    CheckGrown(HostCallKind::GrowVertices, vertexCount, "CreateVertex");
    if (static_cast<std::size_t>(vertexCount) == capacity_) {
        if (mode_ == HostMode::Strict) violations_.push_back("CreateVertex without room");
        Reallocate(capacity_ * 2 + 16);
    }
    std::memset(&vertices_[vertexCount], kNewVertexMarker, sizeof(HostVertex));
    ++vertexCount;
}

void MemoryHost::GrowEdges(std::int32_t n) {
    Log(HostCallKind::GrowEdges, n);
    growPending_ = true;
    lastGrow_ = HostCallKind::GrowEdges;
    lastGrowSize_ = n;
    ReserveGeometrically(edges_, n);
}

void MemoryHost::CreateEdge(std::int32_t a, std::int32_t b) {
    Log(HostCallKind::CreateEdge, a, b);
    CheckGrown(HostCallKind::GrowEdges, edgeCount, "CreateEdge");
    edges_.push_back({a, b});
    ++edgeCount;
}

void MemoryHost::GrowFaces(std::int32_t n) {
    Log(HostCallKind::GrowFaces, n);
    growPending_ = true;
    lastGrow_ = HostCallKind::GrowFaces;
    lastGrowSize_ = n;
    ReserveGeometrically(faces_, n);
}

void MemoryHost::CreateFace(std::int32_t a, std::int32_t b, std::int32_t c) {
    Log(HostCallKind::CreateFace, a, b, c);
    CheckGrown(HostCallKind::GrowFaces, faceCount, "CreateFace");
    faces_.push_back({a, b, c});
    ++faceCount;
}

namespace {
template <class T>
void Append(std::vector<std::uint8_t>& image, const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    image.insert(image.end(), bytes, bytes + sizeof value);
}
}  // namespace

std::vector<std::uint8_t> MemoryHost::Image() const {
    std::vector<std::uint8_t> image;
    Append(image, vertexCount);
    Append(image, edgeCount);
    Append(image, faceCount);
    Append(image, selectedVertexCount);
    Append(image, unitScale);
    Append(image, cursor);
    Append(image, origin);
    Append(image, activeView);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(vertices_);
    if (vertexCount > 0) image.insert(image.end(), bytes, bytes + static_cast<std::size_t>(vertexCount) * sizeof(HostVertex));
    for (const HostEdge& e : edges_) Append(image, e);
    for (const HostFace& f : faces_) Append(image, f);
    return image;
}
