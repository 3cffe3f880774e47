#include "reliability/CountingAllocator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// Every block carries, before what the caller sees, the counting session
// that allocated it (0: none), so that a free is matched to its session.
struct alignas(std::max_align_t) BlockHeader {
    std::uint64_t session;
};

std::uint64_t session = 0;  // the session counting now; 0 when none
std::uint64_t lastSession = 0;
long allocations = 0;
long failAt = -1;
bool failed = false;
long live = 0;
int pauses = 0;

void* Allocate(std::size_t size) {
    const bool counted = session != 0 && pauses == 0;
    if (counted) {
        if (allocations++ == failAt) {
            failed = true;
            throw std::bad_alloc();
        }
    }
    auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
    if (header == nullptr) throw std::bad_alloc();
    header->session = counted ? session : 0;
    if (counted) ++live;
    return header + 1;
}

void Free(void* memory) noexcept {
    if (memory == nullptr) return;
    BlockHeader* header = static_cast<BlockHeader*>(memory) - 1;
    if (header->session != 0 && header->session == lastSession) --live;
    std::free(header);
}

}  // namespace

namespace counting_allocator {

void StartCounting(long failAllocation) {
    session = ++lastSession;
    allocations = 0;
    failAt = failAllocation;
    failed = false;
    live = 0;
}

Count StopCounting() {
    session = 0;
    return {allocations, failed, live};
}

Paused::Paused() { ++pauses; }
Paused::~Paused() { --pauses; }

}  // namespace counting_allocator

// The replacements pair malloc with free through the header; GCC cannot see
// that through the inlined operators.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

// Every form goes through the two above (a sanitizer runtime would
// otherwise supply its own).
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept { return operator new(size, nothrow); }
void operator delete(void* memory) noexcept { Free(memory); }
void operator delete[](void* memory) noexcept { Free(memory); }
void operator delete(void* memory, std::size_t) noexcept { Free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { Free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { Free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { Free(memory); }
