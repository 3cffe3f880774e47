// The sizes every benchmark runs (R = T = N), and the per-vertex counters
// that make sizes comparable. Every benchmark is timed by the clock on the
// wall, as a user waits, so the rates are per real second too.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

inline void TorusSizes(benchmark::internal::Benchmark* benchmark) {
    for (int n : {12, 128, 512, 1000, 2000}) benchmark->Arg(n);
}

inline void SetVertexCounters(benchmark::State& state) {
    const double vertices = static_cast<double>(state.range(0)) * static_cast<double>(state.range(0));
    state.counters["ns_per_vertex"] = benchmark::Counter(
        vertices, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The most one run held at once, over and per vertex.
inline void SetPeakAllocationCounters(benchmark::State& state, std::size_t peakBytes) {
    const double vertices = static_cast<double>(state.range(0)) * static_cast<double>(state.range(0));
    state.counters["peak_bytes"] = static_cast<double>(peakBytes);
    state.counters["peak_bytes_per_vertex"] = static_cast<double>(peakBytes) / vertices;
}
