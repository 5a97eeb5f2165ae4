// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optimiser's two kinds of batch, each spread over the worker pool and returned in the
// order of its items: designs sampled at given values, and local searches from given starts.
// Values here are the parameters' own (inches, lb); the local search works on each range
// scaled to 0..1.

#include "app/OptimiserEvaluation.h"
#include "app/WorkerPool.h"

#include <atomic>
#include <functional>
#include <mutex>

namespace zindle {

struct OptimiserRunContext {
    OptimiserRunContext(WorkerPool &pool, int threadCount, const Workspace &snapshot,
                        const std::vector<OptimiserParameter> &varied, const OptimiserGoal &aim,
                        const OptimiserConstraints &limits, const std::atomic<bool> *stop)
        : workers(pool), threads(threadCount), start(snapshot), parameters(varied), goal(aim), constraints(limits),
          stopFlag(stop)
    {
    }

    WorkerPool &workers;
    int threads = 0;
    const Workspace &start;
    const std::vector<OptimiserParameter> &parameters;
    OptimiserGoal goal;
    OptimiserConstraints constraints;
    const std::atomic<bool> *stopFlag = nullptr;

    // For the progress report only: what has run so far, in whatever order it finished.
    std::atomic<qint64> tried{0};
    std::mutex bestMutex;
    std::optional<double> bestTime;  // between the steps around 15 ft: what ranks
    std::optional<double> bestTimeEF; // the same design's TimeEF: what is shown

    bool stopping() const { return stopFlag && stopFlag->load(); }
    void note(const OptimiserDesign &design);
    // Called on the waiting thread about every 50 ms while a batch runs.
    std::function<void()> poll;
};

// One design per point, in the points' order (fewer when a stop came: those not run are left
// out from the first one missing).
std::vector<OptimiserDesign> EvaluateOptimiserBatch(OptimiserRunContext &context,
                                                    const std::vector<std::vector<double>> &points);

// A Nelder-Mead search over the sizes from each start, its choices kept, at most `evaluations`
// designs each, the first step a `step` fraction of each range; every design each search
// tried, in the order it tried them. None when only choices are varied.
std::vector<std::vector<OptimiserDesign>> RefineOptimiserStarts(OptimiserRunContext &context,
                                                                const std::vector<std::vector<double>> &starts,
                                                                int evaluations, double step);

} // namespace zindle
