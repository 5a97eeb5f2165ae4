// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Power Designer sweep spread over all cores, with the same results as the one-by-one
// sweep of physics/PowerDesigner.h: the same best time and combination, the same count.
//
// Each combination runs in a copy of the workspace taken when the sweep starts, so the caller's
// workspace is not touched while the sweep runs (a window can run it from a worker thread and
// keep painting). Combinations are handed out in sweep order, a few at a time, as they are
// needed: a grid of any size runs in the memory of a few combinations (and of its cells, when
// they are kept); a stop request ends the sweep at
// the next combination boundary (the combinations being simulated finish), and the results
// count, in sweep order, up to the last combination completed with every one before it.
//
// Two things keep the copies equal to the one-by-one sweep, which runs every combination in
// the same design one after the other:
// - the build step enlarges a drive wheel too small for the spring's case and writes the
//   enlarged diameter back into the design, where the next spring lengths of the same
//   diameter find it; the sweep replays the build steps alone in order as it hands the
//   combinations out (microseconds each) and starts every combination from the design as the
//   one-by-one sweep would have it;
// - each combination runs only the steps its time depends on (build, torque, mass analysis,
//   revolutions, run); the sheet's part regions, which only the painting and the advisories
//   read, are not prepared. The caller refreshes the design it holds afterwards.

#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "charts/DesignMap.h"
#include "physics/PowerDesigner.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace zindle {

// What one combination's run left.
struct SweepCell {
    QString time;                 // TimeEF
    QString width, length, wheel; // the design's texts it ran with (the wheel as the build left it)
};

struct ParallelSweepOptions {
    int threads = 0; // 0: one per core
    // Both called on the thread that runs the sweep, at least every 20 ms while it runs.
    std::function<bool()> stopRequested;
    std::function<void(qint64 completed, qint64 total)> progress; // when the count in sweep order grows
    // Set from any thread to stop (a window's STOP button).
    const std::atomic<bool> *stopFlag = nullptr;
    // Whether the result keeps every combination's cell (for a design map); without it only the
    // best and the last combination are kept, whatever the size of the grid.
    bool keepCells = true;
};

struct ParallelSweepResult {
    QString message;      // the validation message when nothing ran
    qint64 combinations = 0; // counted in sweep order
    qint64 total = 0;        // combinations of the grid
    bool stopped = false;
    SweepBest best;          // the best fields after the sweep (unchanged when nothing finished)
    qint64 bestIndex = -1;   // the combination of `best`, when this sweep found it
    SweepCell last;          // the last combination counted (when any was)
    // The values each loop visits (wheel outermost, then length, then width) and, with
    // keepCells, the cells counted, in sweep order: cell i is wheel i / (lengths x widths), and
    // so on.
    std::vector<float> wheelValues, lengthValues, widthValues;
    std::vector<SweepCell> cells;
};

struct SweepCellIndex {
    int wheel = 0, length = 0, width = 0;
};
SweepCellIndex sweepCellIndex(const ParallelSweepResult &result, qint64 cell);

// Runs the sweep from a copy of `start` (its current design with the sweep's values written
// in); `before` holds the best fields as they stand. `start` is copied once, on the calling
// thread, when the sweep begins: a window that runs the sweep on a worker thread hands it a
// copy made on its own thread, so that the user may go on editing. The combinations run on
// `workers`; the calling thread counts them (it may be one of the pool's own).
ParallelSweepResult RunParallelSweep(WorkerPool &workers, const Workspace &start, const SweepBest &before,
                                     const SweepRanges &ranges, const ParallelSweepOptions &options = {});

// The steps of the Simulate refresh a combination's time depends on, in their order, without
// the sheet (used for every combination of the sweep).
void RefreshSweepCombination(Workspace &workspace);

// The design after the sweep, as the one-by-one sweep leaves it: the last combination counted.
// The caller refreshes its mode afterwards.
void HoldLastCombination(DesignRecord &design, const ParallelSweepResult &result);

// The drive wheel the car of combination `cell` was built with, when the build enlarged the one
// the sweep asked for (to fit the spring's case); nothing when it ran with the size asked.
std::optional<QString> builtWheel(const ParallelSweepResult &result, int cell);

// The design map of a sweep in which at most two of the three ranges visit more than one value:
// x is the first of them in loop order (wheel, length, width), y the second (or a fixed one).
// Nothing when all three vary.
std::optional<DesignMapGrid> sweepDesignMap(const ParallelSweepResult &result, const QString &designName);

// The combination (an index into `result.cells`) behind a cell of that map; nothing for a cell
// not run (a stopped sweep) or a sweep without a map.
std::optional<int> sweepCellOfMapCell(const ParallelSweepResult &result, int mapCell);

} // namespace zindle
