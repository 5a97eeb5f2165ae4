// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep spread over threads against the one-by-one sweep through the whole Simulate refresh:
// every combination's time, the best fields, the count, the design left behind, STOP, and the
// design map's cells against single Simulate runs.

#include "support/BuiltInWorkspace.h"
#include "app/ParallelSweep.h"
#include "app/RefreshChain.h"
#include "model/BuiltInDesigns.h"
#include "model/DesignRecord.h"
#include "model/Modes.h"
#include "model/NumberText.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <atomic>

using namespace zindle;

namespace {

struct Serial {
    SweepBest best;
    SweepOutcome outcome;
    std::vector<SweepCell> cells;
    DesignRecord designAfter;
};

// The reference: every combination through the window's whole Simulate refresh, in order.
Serial serialSweep(const Workspace &start, const SweepRanges &ranges, int stopAfter = -1)
{
    Workspace workspace = start;
    Serial serial;
    SweepHooks hooks;
    hooks.runSimulateChain = [&] { RefreshPhysicsMode(workspace, SheetMode::Simulate); };
    hooks.progress = [&](const SweepProgress &p) { serial.cells.push_back({p.time, p.width, p.length, p.wheel}); };
    if (stopAfter >= 0)
        hooks.stopRequested = [&] { return static_cast<int>(serial.cells.size()) >= stopAfter; };
    serial.outcome = RunPowerDesignerSweep(workspace.design, workspace.results, serial.best, ranges, hooks);
    serial.designAfter = workspace.design;
    return serial;
}

void expectSameBest(const SweepBest &a, const SweepBest &b)
{
    EXPECT_EQ(a.BestYet, b.BestYet);
    EXPECT_EQ(a.BestSWYet, b.BestSWYet);
    EXPECT_EQ(a.BestSLYet, b.BestSLYet);
    EXPECT_EQ(a.BestDWYet, b.BestDWYet);
}

// Small wheels with long springs: the build enlarges the wheel, and the enlarged diameter
// carries over to the next lengths of the same diameter.
SweepRanges enlargingRanges()
{
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("0.5")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("60"), QStringLiteral("9")};
    ranges.width = {QStringLiteral("0.75"), QStringLiteral("2.25"), QStringLiteral("0.75")};
    return ranges;
}

} // namespace

TEST(ParallelSweep, EqualsTheSerialSweepBitForBitOnEveryBuiltInAndAllWheelDrive)
{
    WorkerPool workers;
    for (int slot = 0; slot < BuiltInDesignCount + 1; ++slot) {
        SCOPED_TRACE(slot);
        Workspace start;
        test::loadBuiltIn(start, slot % BuiltInDesignCount);
        if (slot == BuiltInDesignCount)
            ApplyDrive(start.design, DriveKind::AllWD);
        const SweepRanges ranges = enlargingRanges();
        const Serial serial = serialSweep(start, ranges);
        ASSERT_EQ(serial.outcome.combinations, 5 * 5 * 3);

        for (const int threads : {1, 2, 3}) {
            SCOPED_TRACE(threads);
            ParallelSweepOptions options;
            options.threads = threads;
            const ParallelSweepResult result = RunParallelSweep(workers, start, SweepBest{}, ranges, options);
            EXPECT_EQ(result.combinations, serial.outcome.combinations);
            EXPECT_FALSE(result.stopped);
            expectSameBest(result.best, serial.best);
            ASSERT_EQ(result.cells.size(), serial.cells.size());
            for (size_t i = 0; i < serial.cells.size(); ++i) {
                EXPECT_EQ(result.cells[i].time, serial.cells[i].time) << i;
                EXPECT_EQ(result.cells[i].wheel, serial.cells[i].wheel) << i;
                EXPECT_EQ(result.cells[i].length, serial.cells[i].length) << i;
                EXPECT_EQ(result.cells[i].width, serial.cells[i].width) << i;
            }
            DesignRecord held = start.design;
            HoldLastCombination(held, result);
            EXPECT_EQ(held.DriveWhlDia, serial.designAfter.DriveWhlDia);
            EXPECT_EQ(held.SpringLength, serial.designAfter.SpringLength);
            EXPECT_EQ(held.SpringWidth, serial.designAfter.SpringWidth);

            // Without the cells (no map wanted) the same best, count and design left behind.
            options.keepCells = false;
            const ParallelSweepResult lean = RunParallelSweep(workers, start, SweepBest{}, ranges, options);
            EXPECT_TRUE(lean.cells.empty());
            EXPECT_EQ(lean.combinations, serial.outcome.combinations);
            EXPECT_EQ(lean.bestIndex, result.bestIndex);
            expectSameBest(lean.best, serial.best);
            DesignRecord leanHeld = start.design;
            HoldLastCombination(leanHeld, lean);
            EXPECT_EQ(leanHeld.DriveWhlDia, held.DriveWhlDia);
            EXPECT_EQ(leanHeld.SpringLength, held.SpringLength);
            EXPECT_EQ(leanHeld.SpringWidth, held.SpringWidth);
        }
    }
}

TEST(ParallelSweep, TheEnlargedWheelCarriesOverAsInTheSerialSweep)
{
    // Without the replay of the builds, the combinations after an enlargement would start from
    // the loop's diameter: this grid is one where that changes what the design holds.
    Workspace start;
    test::loadBuiltIn(start, 0);
    const Serial serial = serialSweep(start, enlargingRanges());
    int carried = 0;
    for (const SweepCell &cell : serial.cells)
        carried += floatOr(cell.wheel, 0.0f) > 5.0f;
    EXPECT_GT(carried, 0) << "the grid no longer enlarges any wheel; pick longer springs";
}

TEST(ParallelSweep, KeepsTheBestFieldsWhenNothingFinishesAndRefusesInvalidRanges)
{
    WorkerPool workers;
    Workspace start;
    test::loadBuiltIn(start, 0);
    SweepBest before;
    before.BestYet = QStringLiteral("1.5");
    SweepRanges tooShort;
    tooShort.length = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1")};
    const ParallelSweepResult none = RunParallelSweep(workers, start, before, tooShort);
    EXPECT_EQ(none.combinations, 16);
    EXPECT_EQ(none.best.BestYet, "1.5");
    EXPECT_EQ(none.bestIndex, -1);

    SweepRanges backwards;
    backwards.wheel = {QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("0.5")};
    const ParallelSweepResult refused = RunParallelSweep(workers, start, before, backwards);
    EXPECT_FALSE(refused.message.isEmpty());
    EXPECT_EQ(refused.combinations, 0);
    EXPECT_TRUE(refused.cells.empty());
}

TEST(ParallelSweep, StopEndsAtACombinationBoundaryAndCountsInSweepOrder)
{
    WorkerPool workers;
    Workspace start;
    test::loadBuiltIn(start, 1);
    // Large enough that the sweep cannot end before the stop asked for after 10 arrives.
    SweepRanges ranges = enlargingRanges();
    ranges.wheel = {QStringLiteral("3"), QStringLiteral("7.5"), QStringLiteral("0.1")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("60"), QStringLiteral("3")};
    const int total = static_cast<int>(CountSweepCombinations(ranges));
    for (const int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        std::atomic<bool> stop{false};
        ParallelSweepOptions options;
        options.threads = threads;
        options.stopFlag = &stop;
        int seen = 0;
        options.progress = [&](int completed, int all) {
            EXPECT_GE(completed, seen);
            EXPECT_EQ(all, total);
            seen = completed;
            if (completed >= 10)
                stop = true;
        };
        const ParallelSweepResult result = RunParallelSweep(workers, start, SweepBest{}, ranges, options);
        EXPECT_TRUE(result.stopped);
        EXPECT_GE(result.combinations, 10);
        EXPECT_LT(result.combinations, total);
        EXPECT_EQ(static_cast<int>(result.cells.size()), result.combinations);
        for (const SweepCell &cell : result.cells)
            EXPECT_FALSE(cell.wheel.isEmpty());

        // The same as a serial sweep stopped after as many combinations.
        const Serial serial = serialSweep(start, ranges, result.combinations);
        EXPECT_TRUE(serial.outcome.stopped);
        EXPECT_EQ(serial.outcome.combinations, result.combinations);
        expectSameBest(result.best, serial.best);
        DesignRecord held = start.design;
        HoldLastCombination(held, result);
        EXPECT_EQ(held.DriveWhlDia, serial.designAfter.DriveWhlDia);
        EXPECT_EQ(held.SpringLength, serial.designAfter.SpringLength);
    }

    // A stop asked for before the sweep starts: nothing runs, the best fields stay.
    ParallelSweepOptions early;
    early.stopRequested = [] { return true; };
    SweepBest before;
    before.BestYet = QStringLiteral("2");
    const ParallelSweepResult stopped = RunParallelSweep(workers, start, before, ranges, early);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.combinations, 0);
    EXPECT_TRUE(stopped.cells.empty());
    EXPECT_EQ(stopped.best.BestYet, "2");

    // A stop asked for at once on a large grid ends it within the first few combinations: the
    // combinations are prepared as they are handed out, not all before the first runs.
    ParallelSweepOptions soon;
    int asked = 0;
    soon.stopRequested = [&asked] { return ++asked > 1; };
    SweepRanges large = ranges;
    large.width = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0.01")};
    ASSERT_GT(CountSweepCombinations(large), 20000);
    const ParallelSweepResult stoppedSoon = RunParallelSweep(workers, start, before, large, soon);
    EXPECT_TRUE(stoppedSoon.stopped);
    EXPECT_LT(stoppedSoon.combinations, 500);
}

TEST(ParallelSweep, MapCellsEqualSingleSimulateRunsOfTheirCombinations)
{
    WorkerPool workers;
    Workspace start;
    test::loadBuiltIn(start, 0);
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("4"), QStringLiteral("7.5"), QStringLiteral("0.5")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("48"), QStringLiteral("6")};
    const ParallelSweepResult result = RunParallelSweep(workers, start, SweepBest{}, ranges);
    const auto map = sweepDesignMap(result, QStringLiteral("Default Design"));
    ASSERT_TRUE(map);
    EXPECT_EQ(map->xTitle, "Drive wheel dia (in)");
    EXPECT_EQ(map->yTitle, "Spring Length (in)");
    ASSERT_EQ(map->xValues.size(), 8u);
    ASSERT_EQ(map->yValues.size(), 5u);
    ASSERT_EQ(map->cells.size(), 40u);
    EXPECT_TRUE(map->title.contains("Spring Width 1.5 in")) << qPrintable(map->title);

    int finished = 0, notFinished = 0;
    for (int i = 0; i < result.combinations; ++i) {
        const SweepCellIndex index = sweepCellIndex(result, i);
        const DesignMapCell &cell = map->at(static_cast<size_t>(index.wheel), static_cast<size_t>(index.length));
        // A fresh design with the combination's texts, through the whole Simulate refresh.
        Workspace single = start;
        const SweepCell &combination = result.cells[static_cast<size_t>(i)];
        single.design.SpringWidth = combination.width;
        single.design.SpringLength = combination.length;
        single.design.DriveWhlDia = combination.wheel;
        PrepareEntireCycle(single);
        RefreshPhysicsMode(single, SheetMode::Simulate);
        const QString &time = single.results.TimeEF;
        if (time.startsWith('[')) {
            ++notFinished;
            EXPECT_EQ(cell.kind, DesignMapCell::NotFinished) << i;
        } else {
            ++finished;
            ASSERT_EQ(cell.kind, DesignMapCell::Finished) << i;
            EXPECT_EQ(cell.time, floatOr(time, -1.0f)) << i;
        }
    }
    EXPECT_GT(finished, 0);
    EXPECT_GT(notFinished, 0);
    // The best cell is the best combination.
    ASSERT_GE(map->best, 0);
    const DesignMapCell &best = map->cells[static_cast<size_t>(map->best)];
    EXPECT_EQ(best.time, floatOr(result.best.BestYet, -1.0f));
    for (const DesignMapCell &cell : map->cells) {
        if (cell.kind == DesignMapCell::Finished) {
            EXPECT_GE(cell.time, best.time);
        }
    }
}

TEST(ParallelSweep, MapsTwoVaryingRangesAtMost)
{
    WorkerPool workers;
    Workspace start;
    test::loadBuiltIn(start, 0);
    SweepRanges three = enlargingRanges();
    const ParallelSweepResult all = RunParallelSweep(workers, start, SweepBest{}, three);
    EXPECT_FALSE(sweepDesignMap(all, QString()));

    // One range varying: a single row, the other axis a fixed one.
    SweepRanges one;
    one.width = {QStringLiteral("0.5"), QStringLiteral("2"), QStringLiteral("0.5")};
    one.wheel = {QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("1")};
    const auto row = sweepDesignMap(RunParallelSweep(workers, start, SweepBest{}, one), QString());
    ASSERT_TRUE(row);
    EXPECT_EQ(row->xTitle, "Drive wheel dia (in)");
    EXPECT_EQ(row->yTitle, "Spring Width (in)");
    EXPECT_EQ(row->xValues.size(), 1u);
    EXPECT_EQ(row->yValues.size(), 4u);
}

TEST(ParallelSweep, MapCellsOfAnEnlargedWheelCarryTheSizeTheCarHad)
{
    WorkerPool workers;
    Workspace start;
    test::loadBuiltIn(start, 0);
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("1")};
    ranges.length = {QStringLiteral("36"), QStringLiteral("60"), QStringLiteral("12")};
    const ParallelSweepResult result = RunParallelSweep(workers, start, SweepBest{}, ranges);
    const auto grid = sweepDesignMap(result, QString());
    ASSERT_TRUE(grid);
    int enlarged = 0;
    for (int i = 0; i < static_cast<int>(result.cells.size()); ++i) {
        const SweepCell &cell = result.cells[static_cast<size_t>(i)];
        const float asked = result.wheelValues[static_cast<size_t>(sweepCellIndex(result, i).wheel)];
        const bool grown = floatOr(cell.wheel, 0.0f) > asked + 0.001f;
        enlarged += grown;
        // x is the wheel, y the length: cell i of the sweep is map cell (length, wheel).
        const DesignMapCell &shown = grid->at(static_cast<size_t>(sweepCellIndex(result, i).wheel),
                                              static_cast<size_t>(sweepCellIndex(result, i).length));
        EXPECT_EQ(shown.asBuilt, grown ? cell.wheel.left(6) : QString()) << i;
    }
    EXPECT_GT(enlarged, 0);
    EXPECT_LT(enlarged, static_cast<int>(result.cells.size()));
    // The ring's cell says the size the best fields give.
    ASSERT_GE(grid->best, 0);
    const QString bestAsBuilt = grid->cells[static_cast<size_t>(grid->best)].asBuilt;
    const float bestAsked = grid->xValues[static_cast<size_t>(grid->best) % grid->xValues.size()];
    const QString shownWheel = bestAsBuilt.isEmpty() ? floatText(bestAsked) : bestAsBuilt;
    EXPECT_EQ(shownWheel.left(6), result.best.BestDWYet.left(6));
}

TEST(ParallelSweep, EveryMapCellLeadsBackToItsCombination)
{
    WorkerPool workers;
    Workspace start;
    test::loadBuiltIn(start, 0);
    // Length and width vary, the wheel is fixed: x is the length, y the width.
    SweepRanges ranges;
    ranges.wheel = {QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("1")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("4")};
    ranges.width = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0.5")};
    const ParallelSweepResult result = RunParallelSweep(workers, start, SweepBest{}, ranges);
    ASSERT_EQ(result.combinations, 12);
    const auto map = sweepDesignMap(result, QString());
    ASSERT_TRUE(map);
    ASSERT_EQ(map->xValues.size(), 4u);
    ASSERT_EQ(map->yValues.size(), 3u);
    for (int i = 0; i < result.combinations; ++i) {
        const SweepCellIndex index = sweepCellIndex(result, i);
        EXPECT_EQ(sweepCellOfMapCell(result, index.width * 4 + index.length), i) << i;
    }
    EXPECT_FALSE(sweepCellOfMapCell(result, 12));
    EXPECT_FALSE(sweepCellOfMapCell(result, -1));
    // The best cell's combination is the best one.
    EXPECT_EQ(sweepCellOfMapCell(result, map->best), result.bestIndex);

    // A stopped sweep: the cells not run lead nowhere.
    ParallelSweepResult stopped = result;
    stopped.cells.resize(5);
    stopped.combinations = 5;
    for (int mapCell = 0; mapCell < 12; ++mapCell) {
        const std::optional<int> combination = sweepCellOfMapCell(stopped, mapCell);
        const std::optional<int> full = sweepCellOfMapCell(result, mapCell);
        ASSERT_TRUE(full);
        if (*full < 5)
            EXPECT_EQ(combination, full) << mapCell;
        else
            EXPECT_FALSE(combination) << mapCell;
    }
    // All three varying: no map, no cells.
    EXPECT_FALSE(sweepCellOfMapCell(RunParallelSweep(workers, start, SweepBest{}, enlargingRanges()), 0));
}

TEST(ParallelSweep, RunsRecordTheStepsTheRaceTracesKeep)
{
    // The run charts draw what the race replays: the same distances and skids, step by step.
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        SCOPED_TRACE(slot);
        Workspace workspace;
        test::loadBuiltIn(workspace, slot);
        PrepareEntireCycle(workspace);
        RefreshPhysicsMode(workspace, SheetMode::Simulate);
        const RunTrace &run = workspace.run;
        const RaceTrace &trace = workspace.list.traces[static_cast<size_t>(slot)];
        ASSERT_FALSE(run.samples.empty());
        int recorded = 0;
        for (size_t i = 0; i < run.samples.size(); ++i) {
            const RunSample &sample = run.samples[i];
            EXPECT_EQ(sample.timeIndex, static_cast<int>(i) + 1);
            if (sample.timeIndex >= TraceSamples)
                continue;
            ++recorded;
            EXPECT_EQ(sample.distance, trace.DistanceTrace[static_cast<size_t>(sample.timeIndex)]);
            EXPECT_EQ(sample.skid, trace.SkidTrace[static_cast<size_t>(sample.timeIndex)] == 1);
        }
        // Nothing recorded after the run's last step.
        if (recorded + 1 < TraceSamples) {
            EXPECT_EQ(trace.DistanceTrace[static_cast<size_t>(recorded + 1)], -1.0f);
        }
        if (run.timeToCourseEnd >= 0)
            EXPECT_EQ(floatText(run.timeToCourseEnd / 100.0f), workspace.results.TimeEF);
        else
            EXPECT_TRUE(workspace.results.TimeEF.startsWith('['));
        // With one driven axle a step skids exactly when the spring pushes harder than the tread holds.
        if (workspace.design.Drive != DriveKind::AllWD) {
            for (const RunSample &sample : run.samples)
                EXPECT_EQ(sample.skid, sample.propulsion >= sample.traction) << sample.timeIndex;
        }
    }
}
