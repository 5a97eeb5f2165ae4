// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of laying out a car's cut parts on a 20 x 30 in board: by true shape (what the cut
// files use), by true shape turned in 15 degree steps, and on shelves by bounding box (the
// earlier layout, timed in the same run for the ratio). The parts are made once per design.

#include "app/Workspace.h"
#include "geometry/ShapeNesting.h"
#include "model/BuiltInDesigns.h"
#include "output/CutSheets.h"

#include <benchmark/benchmark.h>

using namespace zindle;

namespace {

std::vector<CutPart> partsOf(int slot)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    ws.list.CurrentDesign = slot;
    ws.scale = HeadlessSheetScale();
    return CutPartsOf(ws, CutSet::All, BoardSize()).parts;
}

void BM_NestByShape(benchmark::State &state)
{
    const int slot = static_cast<int>(state.range(0));
    const std::vector<CutPart> parts = partsOf(slot);
    double area = 0.0;
    for (auto _ : state)
        area = UsedBoardArea(NestParts(parts, BoardSize()));
    state.counters["board_in2"] = area;
    state.SetLabel(builtInDesignName(slot).toStdString());
}
// The layouts run on every core: the process's CPU time, not the calling thread's, is the work.
BENCHMARK(BM_NestByShape)->DenseRange(0, BuiltInDesignCount - 1)->ArgName("design")->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_NestByShapeIn15DegreeTurns(benchmark::State &state)
{
    const int slot = static_cast<int>(state.range(0));
    std::vector<CutShape> shapes;
    for (const CutPart &part : partsOf(slot))
        shapes.push_back(part.shape);
    NestingSheet sheet;
    sheet.turnStepDeg = 15;
    double area = 0.0;
    for (auto _ : state)
        area = NestShapes(shapes, sheet).usedAreaIn2;
    state.counters["board_in2"] = area;
    state.SetLabel(builtInDesignName(slot).toStdString());
}
BENCHMARK(BM_NestByShapeIn15DegreeTurns)->DenseRange(0, BuiltInDesignCount - 1)->ArgName("design")->Unit(benchmark::kMillisecond);

void BM_NestOnShelves(benchmark::State &state)
{
    const int slot = static_cast<int>(state.range(0));
    const std::vector<CutPart> parts = partsOf(slot);
    double area = 0.0;
    for (auto _ : state)
        area = UsedBoardArea(NestPartsOnShelves(parts, BoardSize()));
    state.counters["board_in2"] = area;
    state.SetLabel(builtInDesignName(slot).toStdString());
}
BENCHMARK(BM_NestOnShelves)->DenseRange(0, BuiltInDesignCount - 1)->ArgName("design")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
