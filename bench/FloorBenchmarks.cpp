// The floors: the torus written straight into arrays, and the same through
// the host's grow and create slots, with nothing else to do. Each in two
// forms: with the tube circle's sines and cosines evaluated for every vertex
// (the plain generator the run is measured against) and tabled once.
#include <benchmark/benchmark.h>

#include "bench/BenchmarkSizes.h"
#include "bench/TorusFloor.h"
#include "refhost/MemoryHost.h"

namespace {

void ArrayFloor(benchmark::State& state, CircleAngles angles) {
    const TorusShape shape = DefaultTorusOfSize(static_cast<std::int32_t>(state.range(0)));
    ArrayTorus torus;
    BuildArrayTorus(shape, 0, torus, angles);  // size the arrays and touch every page before timing
    for (auto _ : state) {
        BuildArrayTorus(shape, 0, torus, angles);
        benchmark::DoNotOptimize(torus.faces.data());
        benchmark::ClobberMemory();
    }
    SetVertexCounters(state);
}

void HostCallFloor(benchmark::State& state, CircleAngles angles) {
    const TorusShape shape = DefaultTorusOfSize(static_cast<std::int32_t>(state.range(0)));
    MemoryHost host(HostMode::Fast);
    BuildTorusThroughHost(shape, *host.Context(), angles);  // grow the host's storage once before timing
    for (auto _ : state) {
        host.ClearMesh();  // keeps the storage, in constant time
        BuildTorusThroughHost(shape, *host.Context(), angles);
        benchmark::ClobberMemory();
    }
    SetVertexCounters(state);
}

void BM_ArrayFloor(benchmark::State& state) { ArrayFloor(state, CircleAngles::PerVertex); }
void BM_ArrayFloorTabled(benchmark::State& state) { ArrayFloor(state, CircleAngles::Tabled); }
void BM_HostCallFloor(benchmark::State& state) { HostCallFloor(state, CircleAngles::PerVertex); }
void BM_HostCallFloorTabled(benchmark::State& state) { HostCallFloor(state, CircleAngles::Tabled); }

}  // namespace

BENCHMARK(BM_ArrayFloor)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ArrayFloorTabled)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_HostCallFloor)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_HostCallFloorTabled)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
