// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optimiser: the values of the chosen parameters that give the best car by the goal,
// within their ranges and the constraints.
//
// The search is a seeded global phase, then local refinement, with restarts:
// - the global phase samples the ranges (a Latin hypercube drawn from the seed; a choice's
//   values share its slices), all the samples of a batch at once on the worker pool;
// - the best few distinct designs found so far each start a local search (NLopt's
//   Nelder-Mead, which is deterministic and needs no smooth score) over the sizes, its choices
//   kept as the start has them, each start on its own worker;
// - fresh samples and new starts follow until the evaluations are spent.
// NLopt calls its objective one design at a time, so a local search runs on one worker, and
// the parallelism is across starts and samples. Every batch is merged in the order of its
// items, never of their finishing, so that a seed gives the same answer on any number of
// threads.
//
// Every design runs from a copy of the design taken when the search begins, on the lean path
// of the sweep (no sheet regions) unless the constraints ask for no advisory.

#include "app/OptimiserEvaluation.h"
#include "app/WorkerPool.h"

#include <atomic>
#include <functional>

namespace zindle {

struct OptimiserOptions {
    OptimiserGoal goal;
    OptimiserConstraints constraints;
    int maxEvaluations = 0;   // 0: EvaluationsPerParameter for each parameter varied
    quint64 seed = 1;
    int threads = 0;          // 0: one per core
    const std::atomic<bool> *stopFlag = nullptr;
    // Called on the calling thread, about every 50 ms while the search runs: the designs tried
    // and the best acceptable car's TimeEF so far (none while no acceptable car reaches 15 ft).
    std::function<void(qint64 evaluations, std::optional<double> bestTime)> progress;
};

inline constexpr int EvaluationsPerParameter = 250;
inline constexpr int OptimiserBestCount = 5;

// One design the search tried, in the order it was tried: enough to draw where it looked.
struct OptimiserTrial {
    std::vector<double> values;
    std::optional<double> time; // TimeEF in seconds; none for a car short of 15 ft
    double score = 0.0;
    bool acceptable = false;    // breaks no constraint
    int search = -1;            // the local search it was a step of, counted from 0; -1 for a sample
};

struct OptimiserResult {
    QString message;  // why nothing ran
    // The best distinct designs that break no constraint, best first (at most five): cars that
    // reach 15 ft by the goal, then those that fall short by distance.
    std::vector<OptimiserDesign> best;
    qint64 evaluations = 0;
    bool stopped = false;
    // Every design tried, in the order of the search (the same on any number of threads): at
    // most the budget, a few thousand small entries.
    std::vector<OptimiserTrial> tried;
};

OptimiserResult RunOptimiser(WorkerPool &workers, const Workspace &start,
                             const std::vector<OptimiserParameter> &parameters, const OptimiserOptions &options);

// Writes the best design's values into `workspace`'s design (the sizes the car was built with).
void ApplyOptimiserDesign(Workspace &workspace, const std::vector<OptimiserParameter> &parameters,
                          const OptimiserDesign &design);

} // namespace zindle
