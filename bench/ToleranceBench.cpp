// SPDX-License-Identifier: GPL-3.0-or-later
// The tolerance study of the Default Design: 1000 seeded builds, with the default tolerances,
// on one and on two threads (wall time: the builds run on the pool's threads).

#include "app/Tolerances.h"
#include "model/BuiltInDesigns.h"

#include <benchmark/benchmark.h>

using namespace zindle;

namespace {

void BM_Tolerances1000(benchmark::State &state)
{
    WorkerPool workers;
    Workspace workspace;
    workspace.list.CurrentDesign = 0;
    BuildBuiltInDesign(workspace, 0);
    workspace.scale = HeadlessSheetScale();
    ToleranceOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RunTolerances(workers, workspace, BuildTolerances{}, options).p50);
}
BENCHMARK(BM_Tolerances1000)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
