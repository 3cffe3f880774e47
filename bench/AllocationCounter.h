// Counts what this program holds through operator new, so that a benchmark
// can report the most one run held at once. The program's operator new and
// delete are replaced (AllocationCounter.cpp); libraries it loads use them
// too. Over-aligned allocations keep the library's own operator new and are
// not counted; nothing in a run makes one. Not thread-safe: the benchmarks
// run on one thread.
#pragma once

#include <cstddef>

// Bytes asked for and not yet released, now and at most since the last
// ResetAllocationPeak.
std::size_t AllocatedBytes();
std::size_t PeakAllocatedBytes();
void ResetAllocationPeak();

// The most that `work` held at once beyond what was held before it.
template <class Work>
std::size_t PeakAllocationOf(Work work) {
    const std::size_t before = AllocatedBytes();
    ResetAllocationPeak();
    work();
    return PeakAllocatedBytes() - before;
}
