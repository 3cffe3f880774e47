// The run: a whole `_Xmodeler` call of the built plug-in, loaded by path the
// way the modeler loads it, on the fast in-memory host, with the headless
// dialog answered by a user who enters N ring and N tube sections and
// presses OK. The host keeps its storage between runs, as a modeler that
// has held a mesh of that size does.
#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "bench/BenchmarkSizes.h"
#include "bench/SectionsUser.h"
#include "refhost/MemoryHost.h"
#include "refhost/PluginLibrary.h"

namespace {

constexpr std::uintptr_t kHostCursor = 0x4000;

void BM_Run(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    SectionsUser user(n);
    SetHeadlessDialogAgent(&user);
    PluginLibrary plugin(DefaultPluginPath());
    MemoryHost host(HostMode::Fast);
    char window = 0;
    // One run, from an empty mesh each time: the host's own bookkeeping,
    // in constant time.
    const auto run = [&] {
        host.ClearMesh();
        ResetHeadlessServices(kHostCursor);
        return plugin.Run(&window, host.Context());
    };

    run();  // grows the host's storage, so the runs below allocate only their own
    std::size_t peak = 0;
    bool built = false;
    peak = PeakAllocationOf([&] { built = run(); });
    if (!built || host.vertexCount != n * n || host.faceCount != 2 * n * n) {
        state.SkipWithError("the run did not build the torus");
        SetHeadlessDialogAgent(nullptr);
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(run());
        benchmark::ClobberMemory();
    }
    SetVertexCounters(state);
    SetPeakAllocationCounters(state, peak);
    SetHeadlessDialogAgent(nullptr);
}

}  // namespace

BENCHMARK(BM_Run)->Apply(TorusSizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
