#include "bench/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t allocated = 0;
std::size_t peak = 0;

// Each block starts with its size, padded to keep the caller's alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) noexcept {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) return nullptr;
    *reinterpret_cast<std::size_t*>(block) = size;
    allocated += size;
    if (allocated > peak) peak = allocated;
    return block + kHeader;
}

void Release(void* pointer) noexcept {
    if (pointer == nullptr) return;
    unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
    allocated -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* pointer = Allocate(size)) return pointer;
    throw std::bad_alloc();
}

}  // namespace

std::size_t AllocatedBytes() { return allocated; }
std::size_t PeakAllocatedBytes() { return peak; }
void ResetAllocationPeak() { peak = allocated; }

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }
