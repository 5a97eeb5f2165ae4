// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserRuns.h"

#include "model/NumberText.h"

#include <nlopt.h>

#include <algorithm>
#include <chrono>

namespace zindle {

void OptimiserRunContext::note(const OptimiserDesign &design)
{
    tried.fetch_add(1, std::memory_order_relaxed);
    if (!design.broken.isEmpty() || !design.timeTo15Ft)
        return;
    const std::lock_guard<std::mutex> lock(bestMutex);
    if (!bestTime || *design.timeTo15Ft < *bestTime) {
        bestTime = design.timeTo15Ft;
        bestTimeEF = parseDouble(design.time);
    }
}

namespace {

// Runs item(i, copy) for i in 0..count-1 on the pool, each thread in its own copy of the start,
// taking the next index as it frees; results by index, whatever finished first.
template <class T, class Item>
std::vector<std::optional<T>> runIndexed(OptimiserRunContext &context, size_t count, Item item)
{
    std::vector<std::optional<T>> results(count);
    std::atomic<size_t> next{0};
    const auto work = [&] {
        Workspace copy = context.start;
        for (;;) {
            const size_t index = next.fetch_add(1);
            if (index >= count || context.stopping())
                return;
            results[index] = item(index, copy);
        }
    };
    const int threads = WorkerThreadCount(context.threads, static_cast<long long>(count));
    std::vector<std::future<void>> running;
    running.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t)
        running.push_back(context.workers.run(work));
    // The calling thread reports progress while the threads run; it never runs a design.
    for (std::future<void> &future : running)
        while (future.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            if (context.poll)
                context.poll();
    waitForAll(running);
    return results;
}

struct LocalSearch {
    OptimiserRunContext &context;
    Workspace &copy;
    nlopt_opt opt = nullptr;
    std::vector<OptimiserDesign> tried;
    std::vector<double> values;  // every parameter's, the choices as the start has them
    std::vector<size_t> numbers; // the parameters NLopt moves, in its order

    static double objective(unsigned n, const double *x, double *, void *data)
    {
        auto *search = static_cast<LocalSearch *>(data);
        if (search->context.stopping()) {
            nlopt_force_stop(search->opt);
            return 0.0;
        }
        const auto &parameters = search->context.parameters;
        for (unsigned i = 0; i < n; ++i) {
            const OptimiserParameter &parameter = parameters[search->numbers[i]];
            search->values[search->numbers[i]] = parameter.low + x[i] * (parameter.high - parameter.low);
        }
        OptimiserDesign design = EvaluateOptimiserDesign(search->copy, search->context.start, parameters,
                                                         search->values, search->context.goal,
                                                         search->context.constraints);
        search->context.note(design);
        const double score = design.score;
        search->tried.push_back(std::move(design));
        return score;
    }
};

double unit(double value, const OptimiserParameter &parameter)
{
    const double span = parameter.high - parameter.low;
    return span > 0.0 ? std::clamp((value - parameter.low) / span, 0.0, 1.0) : 0.0;
}

} // namespace

std::vector<OptimiserDesign> EvaluateOptimiserBatch(OptimiserRunContext &context,
                                                    const std::vector<std::vector<double>> &points)
{
    const auto ran = runIndexed<OptimiserDesign>(context, points.size(), [&](size_t index, Workspace &copy) {
        OptimiserDesign design = EvaluateOptimiserDesign(copy, context.start, context.parameters, points[index],
                                                         context.goal, context.constraints);
        context.note(design);
        return design;
    });
    std::vector<OptimiserDesign> designs;
    for (const std::optional<OptimiserDesign> &design : ran) {
        if (!design)
            break;
        designs.push_back(*design);
    }
    return designs;
}

std::vector<std::vector<OptimiserDesign>> RefineOptimiserStarts(OptimiserRunContext &context,
                                                                const std::vector<std::vector<double>> &starts,
                                                                int evaluations, double step)
{
    std::vector<size_t> numbers;
    for (size_t p = 0; p < context.parameters.size(); ++p)
        if (!context.parameters[p].isChoice())
            numbers.push_back(p);
    // Only choices varied: the samples are the whole search.
    if (numbers.empty())
        return {};
    const unsigned n = static_cast<unsigned>(numbers.size());
    const auto ran = runIndexed<std::vector<OptimiserDesign>>(context, starts.size(), [&](size_t index, Workspace &copy) {
        LocalSearch search{context, copy, nullptr, {}, starts[index], numbers};
        std::vector<double> x(n), lower(n, 0.0), upper(n, 1.0), steps(n, step);
        for (unsigned i = 0; i < n; ++i)
            x[i] = unit(starts[index][numbers[i]], context.parameters[numbers[i]]);
        nlopt_opt opt = nlopt_create(NLOPT_LN_NELDERMEAD, n);
        search.opt = opt;
        nlopt_set_lower_bounds(opt, lower.data());
        nlopt_set_upper_bounds(opt, upper.data());
        nlopt_set_initial_step(opt, steps.data());
        // A thousandth of a range is below what a student can cut or weigh.
        nlopt_set_xtol_abs1(opt, 1e-3);
        nlopt_set_maxeval(opt, evaluations);
        nlopt_set_min_objective(opt, &LocalSearch::objective, &search);
        double value = 0.0;
        nlopt_optimize(opt, x.data(), &value);
        nlopt_destroy(opt);
        return std::move(search.tried);
    });
    std::vector<std::vector<OptimiserDesign>> runs;
    for (const auto &run : ran) {
        if (!run)
            break;
        runs.push_back(*run);
    }
    return runs;
}

} // namespace zindle
