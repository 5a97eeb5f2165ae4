// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser over six sizes (spring length and width, both wheels, the front axle's place
// and the drive axle) with its default evaluations, seeded, on each built-in design, on one
// thread and on all cores.

#include "app/Optimiser.h"
#include "model/BuiltInDesigns.h"
#include "model/DesignState.h"
#include "geometry/SheetScale.h"

#include <benchmark/benchmark.h>

using namespace zindle;

namespace {

void BM_OptimiseSixSizes(benchmark::State &state)
{
    Workspace workspace;
    const int slot = static_cast<int>(state.range(0));
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    workspace.scale = HeadlessSheetScale();
    std::vector<OptimiserParameter> parameters;
    for (const char *name : {"spring-length", "spring-width", "drive-wheel", "other-wheel", "front-axle-x", "drive-axle"})
        parameters.push_back(*FindOptimiserParameter(workspace.design, QString::fromLatin1(name)));
    OptimiserOptions options;
    options.seed = 1;
    options.threads = static_cast<int>(state.range(1));
    WorkerPool workers;
    OptimiserResult result;
    for (auto _ : state) {
        result = RunOptimiser(workers, workspace, parameters, options);
        benchmark::DoNotOptimize(result.evaluations);
    }
    state.counters["evaluations"] = static_cast<double>(result.evaluations);
    if (!result.best.empty())
        state.counters["bestTime"] = result.best.front().timeTo15Ft.value_or(0.0);
}
BENCHMARK(BM_OptimiseSixSizes)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2}})
    ->ArgNames({"design", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
