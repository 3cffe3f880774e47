// Running out of memory anywhere in a run: every allocation of a default
// run is made to fail in turn. The run must answer without letting the
// exception out, leak nothing, and leave the host either untouched or
// holding the whole object: all of the run's allocations come before its
// first change to the host.
//
// This program replaces the global operator new, so it is a program of its
// own.
#include <cstdlib>
#include <new>
#include <vector>

#include "host/ModelerContext.h"
#include "plugin/PluginRunFixture.h"

namespace {

// The allocation to fail, counted down; negative: none.
long allocationsBeforeFailure = -1;
bool failureInjected = false;
// The host's own allocations (its storage growing inside a slot call) are
// not the plug-in's to fail.
bool insideHost = false;

void InjectFailureAt(long allocation) {
    allocationsBeforeFailure = allocation;
    failureInjected = false;
}

void StopInjecting() { allocationsBeforeFailure = -1; }

}  // namespace

// The replacements pair malloc with free; GCC cannot see that through the
// inlined operators.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && !insideHost && allocationsBeforeFailure-- == 0) {
        failureInjected = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}

// Every other form goes through the one above (a sanitizer runtime would
// otherwise supply its own).
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept { return operator new(size, nothrow); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

// The host's slots, with injection paused while the host works.
ModelerContext hostSlots;

struct InsideHost {
    InsideHost() { insideHost = true; }
    ~InsideHost() { insideHost = false; }
};

std::int32_t VORNIX_CDECL GrowVertices(std::int32_t n) { return InsideHost{}, hostSlots.GrowVertexStorage(n); }
std::int32_t VORNIX_CDECL CreateVertex() { return InsideHost{}, hostSlots.CreateVertex(); }
std::int32_t VORNIX_CDECL GrowEdges(std::int32_t n) { return InsideHost{}, hostSlots.GrowEdgeStorage(n); }
std::int32_t VORNIX_CDECL CreateEdge(std::int32_t a, std::int32_t b) { return InsideHost{}, hostSlots.CreateEdge(a, b); }
std::int32_t VORNIX_CDECL GrowFaces(std::int32_t n) { return InsideHost{}, hostSlots.GrowFaceStorage(n); }
std::int32_t VORNIX_CDECL CreateFace(std::int32_t a, std::int32_t b, std::int32_t c) {
    return InsideHost{}, hostSlots.CreateFace(a, b, c);
}

ModelerContext WithPausingSlots(const ModelerContext& host) {
    hostSlots = host;
    ModelerContext record = host;
    record.GrowVertexStorage = GrowVertices;
    record.CreateVertex = CreateVertex;
    record.GrowEdgeStorage = GrowEdges;
    record.CreateEdge = CreateEdge;
    record.GrowFaceStorage = GrowFaces;
    record.CreateFace = CreateFace;
    return record;
}

class AllocationFailureTest : public PluginRunTest {};

TEST_F(AllocationFailureTest, EveryAllocationOfADefaultRunMayFail) {
    long failures = 0;

    for (long allocation = 0;; ++allocation) {
        SCOPED_TRACE(allocation);
        MemoryHost runHost(HostMode::Strict);
        runHost.AddVertex(1, 2, 3, 1);
        runHost.AddEdge(0, 0);
        runHost.selectedVertexCount = 1;
        ModelerContext record = WithPausingSlots(*runHost.Context());
        const std::vector<std::uint8_t> before = runHost.Image();
        ResetHeadlessServices(kHostCursor);
        if (PluginModule == nullptr) LibraryEntry(DefaultModuleInstance(), kProcessAttach, nullptr);

        InjectFailureAt(allocation);
        const bool built = RunXmodeler(HostWindow(), 0, &record);
        StopInjecting();

        if (!failureInjected) {
            EXPECT_TRUE(built);
            EXPECT_EQ(runHost.vertexCount, 1 + 144);
            break;
        }
        ++failures;
        if (built) {
            // Only the parent window object may go missing: the dialog is
            // then made without a parent, and the run goes on.
            EXPECT_EQ(runHost.vertexCount, 1 + 144);
            EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{0x30});
        } else {
            EXPECT_EQ(runHost.Image(), before);
            EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{0x10});
        }
        ExpectRunObjectsGone();
        if (HasFailure()) break;
    }
    RecordProperty("failedAllocations", static_cast<int>(failures));
    EXPECT_GT(failures, 10) << "a run allocates the ring list, rings, dialog objects and texts";
}

}  // namespace
