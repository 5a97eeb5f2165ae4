// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser over six sizes (spring length and width, both wheels, the front axle's place
// and the drive axle) with its default evaluations, seeded, on each built-in design, on one
// thread and on all cores; beside it, the design map's grid of 2,500 cars (drive wheel 2.6 to
// 7.5 in, spring length 24 to 48.5 in, the spring's width kept) that the six sizes should beat.

#include "app/Optimiser.h"
#include "app/ParallelSweep.h"
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
        parameters.push_back(*FindOptimiserParameter(workspace, QString::fromLatin1(name)));
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

void BM_MapGridOfTwoSizes(benchmark::State &state)
{
    Workspace workspace;
    const int slot = static_cast<int>(state.range(0));
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    workspace.scale = HeadlessSheetScale();
    SweepRanges ranges;
    ranges.width = {workspace.design.SpringWidth, workspace.design.SpringWidth, QStringLiteral("1")};
    ranges.wheel = {QStringLiteral("2.6"), QStringLiteral("7.5"), QStringLiteral("0.1")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("48.5"), QStringLiteral("0.5")};
    WorkerPool workers;
    ParallelSweepResult result;
    for (auto _ : state) {
        result = RunParallelSweep(workers, workspace, SweepBest{}, ranges);
        benchmark::DoNotOptimize(result.combinations);
    }
    state.counters["combinations"] = static_cast<double>(result.combinations);
    state.counters["bestTime"] = result.best.BestYet.toDouble();
}
BENCHMARK(BM_MapGridOfTwoSizes)
    ->DenseRange(0, 4)
    ->ArgName("design")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
