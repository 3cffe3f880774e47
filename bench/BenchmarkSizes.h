// The torus sizes every benchmark runs (R = T = N), and the per-vertex
// counter that makes sizes comparable.
#pragma once

#include <benchmark/benchmark.h>

inline void TorusSizes(benchmark::internal::Benchmark* benchmark) {
    for (int n : {12, 128, 512, 1000, 2000}) benchmark->Arg(n);
}

inline void SetVertexCounters(benchmark::State& state) {
    const double vertices = static_cast<double>(state.range(0)) * static_cast<double>(state.range(0));
    state.counters["ns_per_vertex"] = benchmark::Counter(
        vertices, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
