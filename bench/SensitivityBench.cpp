// SPDX-License-Identifier: GPL-3.0-or-later
// The whole sensitivity of the Default Design (the design as it is and one step of each input,
// on the lean path, on the worker pool), as a window would run it after every edit: the copies
// and the runs, from the window's workspace. The Simulate chain of the same design runs beside it
// as the reference.

#include "app/RefreshChain.h"
#include "app/Sensitivity.h"
#include "model/BuiltInDesigns.h"
#include "model/DesignState.h"

#include <benchmark/benchmark.h>

using namespace zindle;

namespace {

void BM_SensitivityDefaultDesign(benchmark::State &state)
{
    Workspace workspace;
    workspace.list.CurrentDesign = 0;
    BuildBuiltInDesign(workspace, 0);
    workspace.scale = HeadlessSheetScale();
    WorkerPool workers;
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const SensitivityResult result = ComputeSensitivity(workers, workspace, threads);
        benchmark::DoNotOptimize(result.sentence);
    }
}
BENCHMARK(BM_SensitivityDefaultDesign)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
