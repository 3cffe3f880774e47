// The run: its mesh steps on the fast host, as the entry calls them.
#include <benchmark/benchmark.h>

#include "bench/BenchmarkSizes.h"
#include "host/HostContext.h"
#include "mesh/Placement.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"
#include "refhost/MemoryHost.h"

namespace {

void MeshSteps(std::int32_t n) {
    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(n, n, rings, 1.0, 0.5);
    StitchRings(rings);
    TranslateRings(rings, Offset{0.0, 0.0, 0.0});
    ClearHostSelection();
    SelectRingVertices(rings);
    *HostContext->selectedVertexCount = CountRingVertices(rings);
}

void BM_MeshSteps(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    MemoryHost host(HostMode::Fast);
    HostContext = host.Context();
    MeshSteps(n);
    for (auto _ : state) {
        host.ClearMesh();
        MeshSteps(n);
        benchmark::ClobberMemory();
    }
    SetVertexCounters(state);
}

}  // namespace

BENCHMARK(BM_MeshSteps)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond);
