// The two floors: the torus written straight into arrays, and the same
// through the host's grow and create slots, with nothing else to do.
#include <benchmark/benchmark.h>

#include "bench/BenchmarkSizes.h"
#include "bench/TorusFloor.h"
#include "refhost/MemoryHost.h"

namespace {

TorusSpec DefaultShapeOfSize(std::int32_t n) {
    return TorusSpec{n, n, 1.0, 0.5, 1000.0, 0, {0.0, 0.0, 0.0}};
}

void BM_ArrayFloor(benchmark::State& state) {
    const TorusSpec spec = DefaultShapeOfSize(static_cast<std::int32_t>(state.range(0)));
    ArrayTorus torus;
    torus.Reserve(spec);
    BuildArrayTorus(spec, 0, torus);  // touch every page once before timing
    for (auto _ : state) {
        BuildArrayTorus(spec, 0, torus);
        benchmark::DoNotOptimize(torus.faces.data());
        benchmark::ClobberMemory();
    }
    SetVertexCounters(state);
}

void BM_HostCallFloor(benchmark::State& state) {
    const TorusSpec spec = DefaultShapeOfSize(static_cast<std::int32_t>(state.range(0)));
    MemoryHost host(HostMode::Fast);
    BuildTorusThroughHost(spec, *host.Context());  // grow the host's storage once before timing
    for (auto _ : state) {
        state.PauseTiming();
        host.ClearMesh();  // keeps the storage: the figure is the calls, not page faults
        state.ResumeTiming();
        BuildTorusThroughHost(spec, *host.Context());
        benchmark::ClobberMemory();
    }
    SetVertexCounters(state);
}

}  // namespace

BENCHMARK(BM_ArrayFloor)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostCallFloor)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond);
