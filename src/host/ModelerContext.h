// The host modeler's records, as the host lays them out.
//
// The host lends the plug-in a ModelerContext for the length of one run:
// pointers to its counters, its vertex array, its unit scale, 3D cursor,
// user origin and active view, and six plain C operations that grow its
// storage and append vertices, edges and faces.
//
// On 32-bit Windows (the shipping target) every member sits at the byte
// offset the host was built with; the record is 106 pointer-sized slots, so
// on 64-bit builds the same members sit in the same slots at twice the
// offset. Bytes the plug-in never touches are reserved slot arrays.
//
// Units: host coordinates are signed 32-bit integers; a length in user units
// times *unitScale is a length in host units.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VORNIX_CDECL __cdecl
#else
#define VORNIX_CDECL
#endif

// One vertex of the host mesh. 32 bytes on every target; the plug-in
// touches only status, index and the coordinates.
struct HostVertex {
    std::uint8_t hostBytes0[4];
    std::int8_t status;  // 1 = selected; compared as a signed byte
    std::uint8_t hostBytes5[3];
    std::int32_t index;  // the vertex's own position in the array
    std::uint8_t hostBytes12[8];
    std::int32_t x;
    std::int32_t y;
    std::int32_t z;
};

static_assert(sizeof(HostVertex) == 32, "HostVertex is 32 bytes on every target");
static_assert(offsetof(HostVertex, status) == 4);
static_assert(offsetof(HostVertex, index) == 8);
static_assert(offsetof(HostVertex, x) == 20);
static_assert(offsetof(HostVertex, y) == 24);
static_assert(offsetof(HostVertex, z) == 28);

extern "C" {
// The host's operations. Their results are never looked at.
typedef std::int32_t(VORNIX_CDECL* HostCreateVertexSlot)();
typedef std::int32_t(VORNIX_CDECL* HostCreateEdgeSlot)(std::int32_t a, std::int32_t b);
typedef std::int32_t(VORNIX_CDECL* HostCreateFaceSlot)(std::int32_t a, std::int32_t b, std::int32_t c);
typedef std::int32_t(VORNIX_CDECL* HostGrowStorageSlot)(std::int32_t n);
}

struct ModelerContext {
    std::int32_t* vertexCount;          // slot 0
    std::int32_t* edgeCount;            // slot 1
    std::int32_t* faceCount;            // slot 2
    void* hostSlots3[1];                // slot 3
    std::int32_t* selectedVertexCount;  // slot 4
    void* hostSlots5[4];                // slots 5-8
    HostVertex** vertices;              // slot 9: the array may move when it grows
    void* hostSlots10[16];              // slots 10-25
    double* unitScale;                  // slot 26: host units per user unit
    std::int32_t* cursorX;              // slots 27-29: the 3D cursor, host units
    std::int32_t* cursorY;
    std::int32_t* cursorZ;
    std::int32_t* originX;              // slots 30-32: the user origin, host units
    std::int32_t* originY;
    std::int32_t* originZ;
    std::int32_t* activeView;           // slot 33: 0, 1 or 2
    void* hostSlots34[65];              // slots 34-98
    HostCreateVertexSlot CreateVertex;  // slot 99
    HostCreateEdgeSlot CreateEdge;      // slot 100
    HostCreateFaceSlot CreateFace;      // slot 101
    void* hostSlots102[1];              // slot 102
    HostGrowStorageSlot GrowVertexStorage;  // slot 103
    HostGrowStorageSlot GrowEdgeStorage;    // slot 104
    HostGrowStorageSlot GrowFaceStorage;    // slot 105
};

constexpr std::size_t kModelerContextSlots = 106;

// Every member's slot; on 32-bit Windows, slot × 4 is the host's byte offset.
#define VORNIX_SLOT_OF(member) (offsetof(ModelerContext, member) / sizeof(void*))
static_assert(sizeof(ModelerContext) == kModelerContextSlots * sizeof(void*));
static_assert(VORNIX_SLOT_OF(vertexCount) == 0);
static_assert(VORNIX_SLOT_OF(edgeCount) == 1);
static_assert(VORNIX_SLOT_OF(faceCount) == 2);
static_assert(VORNIX_SLOT_OF(selectedVertexCount) == 4);
static_assert(VORNIX_SLOT_OF(vertices) == 9);
static_assert(VORNIX_SLOT_OF(unitScale) == 26);
static_assert(VORNIX_SLOT_OF(cursorX) == 27);
static_assert(VORNIX_SLOT_OF(cursorY) == 28);
static_assert(VORNIX_SLOT_OF(cursorZ) == 29);
static_assert(VORNIX_SLOT_OF(originX) == 30);
static_assert(VORNIX_SLOT_OF(originY) == 31);
static_assert(VORNIX_SLOT_OF(originZ) == 32);
static_assert(VORNIX_SLOT_OF(activeView) == 33);
static_assert(VORNIX_SLOT_OF(CreateVertex) == 99);
static_assert(VORNIX_SLOT_OF(CreateEdge) == 100);
static_assert(VORNIX_SLOT_OF(CreateFace) == 101);
static_assert(VORNIX_SLOT_OF(GrowVertexStorage) == 103);
static_assert(VORNIX_SLOT_OF(GrowEdgeStorage) == 104);
static_assert(VORNIX_SLOT_OF(GrowFaceStorage) == 105);
#undef VORNIX_SLOT_OF

#if defined(_WIN32) && !defined(_WIN64)
// The shipping target: the host's exact byte layout.
static_assert(sizeof(void*) == 4);
static_assert(sizeof(ModelerContext) == 424);
static_assert(offsetof(ModelerContext, vertexCount) == 0);
static_assert(offsetof(ModelerContext, edgeCount) == 4);
static_assert(offsetof(ModelerContext, faceCount) == 8);
static_assert(offsetof(ModelerContext, selectedVertexCount) == 16);
static_assert(offsetof(ModelerContext, vertices) == 36);
static_assert(offsetof(ModelerContext, unitScale) == 104);
static_assert(offsetof(ModelerContext, cursorX) == 108);
static_assert(offsetof(ModelerContext, cursorY) == 112);
static_assert(offsetof(ModelerContext, cursorZ) == 116);
static_assert(offsetof(ModelerContext, originX) == 120);
static_assert(offsetof(ModelerContext, originY) == 124);
static_assert(offsetof(ModelerContext, originZ) == 128);
static_assert(offsetof(ModelerContext, activeView) == 132);
static_assert(offsetof(ModelerContext, CreateVertex) == 396);
static_assert(offsetof(ModelerContext, CreateEdge) == 400);
static_assert(offsetof(ModelerContext, CreateFace) == 404);
static_assert(offsetof(ModelerContext, GrowVertexStorage) == 412);
static_assert(offsetof(ModelerContext, GrowEdgeStorage) == 416);
static_assert(offsetof(ModelerContext, GrowFaceStorage) == 420);
#endif
