// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the physics refreshes: the Analyze chain of every built-in at the default and the
// finest element size, one whole Simulate chain, and a Power Designer sweep of 280
// combinations. The split benchmarks (sheet preparation, mass analysis, the run alone) show
// where a chain spends its time.

#include "model/BuiltInDesigns.h"
#include "app/LiveResults.h"
#include "app/ParallelSweep.h"
#include "app/Workspace.h"
#include "physics/MassBalance.h"
#include "physics/PowerDesigner.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"
#include "physics/SheetPreparation.h"

#include <benchmark/benchmark.h>

using namespace zindle;

namespace {

void loadBuiltIn(Workspace &workspace, int slot)
{
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    workspace.scale = HeadlessSheetScale();
}

void BM_AnalyzeChain(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, static_cast<int>(state.range(0)));
    workspace.design.StepSize = QString::number(state.range(1));
    RefreshPhysicsMode(workspace, SheetMode::Analyze); // first refresh builds the regions twice
    for (auto _ : state) {
        RefreshPhysicsMode(workspace, SheetMode::Analyze);
        benchmark::DoNotOptimize(workspace.results.ProjectedMassEF);
    }
    state.SetLabel(builtInDesignName(static_cast<int>(state.range(0))).toStdString());
}
BENCHMARK(BM_AnalyzeChain)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {9, 2}})
    ->ArgNames({"design", "element"})
    ->Unit(benchmark::kMillisecond);

void BM_SimulateChain(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, 0);
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    for (auto _ : state) {
        RefreshPhysicsMode(workspace, SheetMode::Simulate);
        benchmark::DoNotOptimize(workspace.results.TimeEF);
    }
}
BENCHMARK(BM_SimulateChain)->Unit(benchmark::kMillisecond);

// Design mode's live results: the copy the window's thread takes, then the worker's
// computation (the Simulate refresh on the copy), for each built-in as Design mode holds it.
void BM_LiveResult(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, static_cast<int>(state.range(0)));
    RefreshMode(workspace, SheetMode::Design);
    for (auto _ : state) {
        Workspace copy = workspace;
        LiveResult result = ComputeLiveResult(copy);
        benchmark::DoNotOptimize(result.TimeEF);
    }
    state.SetLabel(builtInDesignName(static_cast<int>(state.range(0))).toStdString());
}
BENCHMARK(BM_LiveResult)->DenseRange(0, 4)->ArgName("design")->Unit(benchmark::kMillisecond);

// The part the window's thread does: the copy and the input key of a request.
void BM_LiveCopyAndKey(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, 1);
    RefreshMode(workspace, SheetMode::Design);
    for (auto _ : state) {
        Workspace copy = workspace;
        QByteArray key = liveInputKey(workspace);
        benchmark::DoNotOptimize(copy.design.SpringLength);
        benchmark::DoNotOptimize(key);
    }
}
BENCHMARK(BM_LiveCopyAndKey)->Unit(benchmark::kMicrosecond);

// The one-by-one sweep of the Default Design: every combination through the whole Simulate
// refresh.
void benchSerialSweep(benchmark::State &state, const SweepRanges &ranges)
{
    int combinations = 0;
    for (auto _ : state) {
        Workspace workspace;
        loadBuiltIn(workspace, 0);
        SweepBest best;
        SweepHooks hooks;
        hooks.runSimulateChain = [&] { RefreshPhysicsMode(workspace, SheetMode::Simulate); };
        combinations = RunPowerDesignerSweep(workspace.design, workspace.results, best, ranges, hooks).combinations;
        benchmark::DoNotOptimize(best.BestYet);
    }
    state.counters["combinations"] = combinations;
}

void BM_Sweep280(benchmark::State &state)
{
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("4"), QStringLiteral("7.5"), QStringLiteral("0.5")};   // 8
    ranges.length = {QStringLiteral("24"), QStringLiteral("48"), QStringLiteral("4")};    // 7
    ranges.width = {QStringLiteral("0.5"), QStringLiteral("2.5"), QStringLiteral("0.5")}; // 5
    benchSerialSweep(state, ranges);
}
BENCHMARK(BM_Sweep280)->Unit(benchmark::kMillisecond);

// The design map's sweep: the Default Design over 50 wheel diameters and 50 spring lengths
// (2,500 combinations). Serial: every combination through the whole Simulate refresh, as the
// one-by-one sweep runs it. Parallel: the sweep of app/ParallelSweep on 1 or 2 threads.
SweepRanges mapRanges()
{
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("4"), QStringLiteral("7.5"), QStringLiteral("0.0715")};  // 50
    ranges.length = {QStringLiteral("24"), QStringLiteral("48"), QStringLiteral("0.49")};   // 50
    return ranges;
}

void BM_Map2500Serial(benchmark::State &state) { benchSerialSweep(state, mapRanges()); }
BENCHMARK(BM_Map2500Serial)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Map2500Parallel(benchmark::State &state)
{
    WorkerPool workers;
    int combinations = 0;
    ParallelSweepOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Workspace workspace;
        loadBuiltIn(workspace, 0);
        const ParallelSweepResult result = RunParallelSweep(workers, workspace, SweepBest{}, mapRanges(), options);
        combinations = result.combinations;
        benchmark::DoNotOptimize(result.best.BestYet);
    }
    state.counters["combinations"] = combinations;
}
BENCHMARK(BM_Map2500Parallel)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Sweep280Parallel(benchmark::State &state)
{
    WorkerPool workers;
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("4"), QStringLiteral("7.5"), QStringLiteral("0.5")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("48"), QStringLiteral("4")};
    ranges.width = {QStringLiteral("0.5"), QStringLiteral("2.5"), QStringLiteral("0.5")};
    ParallelSweepOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Workspace workspace;
        loadBuiltIn(workspace, 0);
        benchmark::DoNotOptimize(RunParallelSweep(workers, workspace, SweepBest{}, ranges, options).best.BestYet);
    }
}
BENCHMARK(BM_Sweep280Parallel)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();

// --- Where the time of a chain goes ----------------------------------------------------------

// The part regions of all four coordinate systems; the printer's resolution (dots per inch,
// the argument) decides most of the cost, as every ellipse becomes one rectangle per dot row.
void BM_SheetPreparation(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, 0);
    const float dpi = static_cast<float>(state.range(0));
    workspace.scale = ComputeSheetScaleForArea(1152, 864, dpi, dpi);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    for (auto _ : state)
        RescaleDesign(workspace);
}
BENCHMARK(BM_SheetPreparation)->Arg(600)->Arg(72)->ArgName("printer_dpi")->Unit(benchmark::kMillisecond);

void BM_MassBalance(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, 0);
    workspace.design.StepSize = QString::number(state.range(0));
    RefreshPhysicsMode(workspace, SheetMode::Analyze);
    for (auto _ : state)
        RunMassBalance(workspace, SheetMode::Analyze);
}
BENCHMARK(BM_MassBalance)->Arg(9)->Arg(2)->ArgName("element")->Unit(benchmark::kMillisecond);

void BM_SimulationRunOnly(benchmark::State &state)
{
    Workspace workspace;
    loadBuiltIn(workspace, 0);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    RefreshHooks none;
    for (auto _ : state) {
        // As a Step press runs them: the design's numbers parsed once for both steps.
        const DesignNumbers numbers = ParseDesignNumbers(workspace.design, workspace.catalogue);
        RunRevolutionsStep(workspace, numbers); // resets the revised PoweredDistanceEF
        RunWorkspaceSimulation(workspace, numbers, FrameRunToEnd, SheetMode::Race, none);
    }
}
BENCHMARK(BM_SimulationRunOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
