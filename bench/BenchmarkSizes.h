// The torus every benchmark builds, at the sizes every benchmark runs
// (R = T = N), and the per-vertex counter that makes sizes comparable.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/TorusFloor.h"

inline void TorusSizes(benchmark::internal::Benchmark* benchmark) {
    for (int n : {12, 128, 512, 1000, 2000}) benchmark->Arg(n);
}

// The dialog's defaults (ring radius 1.00, tube radius 0.50) with N ring and
// N tube sections, in view 0, on a host with unit scale 1000 and its cursor
// at the origin.
inline TorusSpec DefaultTorusOfSize(std::int32_t n) { return TorusSpec{n, n, 1.0, 0.5, 1000.0, 0, {0.0, 0.0, 0.0}}; }

inline void SetVertexCounters(benchmark::State& state) {
    const double vertices = static_cast<double>(state.range(0)) * static_cast<double>(state.range(0));
    state.counters["ns_per_vertex"] = benchmark::Counter(
        vertices, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
