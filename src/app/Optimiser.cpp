// SPDX-License-Identifier: GPL-3.0-or-later
#include "Optimiser.h"

#include "app/OptimiserRuns.h"
#include "model/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <random>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Optimiser)
};

// Starts refined at a time: each on its own worker, as many as a classroom laptop has cores,
// and fixed, so that the answer does not depend on the machine.
constexpr size_t StartsPerRound = 4;
// Of the evaluations: the first global phase, then each restart's fresh samples.
constexpr double FirstSampleShare = 0.3;
constexpr double RestartSampleShare = 0.1;
constexpr int MinSamples = 8;
// Two designs whose values differ by less than this share of every range are the same design.
constexpr double SameDesign = 0.01;
constexpr double SameStart = 0.05;

// Uniform in [0, 1) from the top 53 bits: the same on every standard library.
double uniform(std::mt19937_64 &random) { return static_cast<double>(random() >> 11) * 0x1.0p-53; }

// `count` points spread over the ranges: one in each of `count` slices of every range, the
// slices paired at random.
std::vector<std::vector<double>> latinHypercube(std::mt19937_64 &random, const std::vector<OptimiserParameter> &parameters,
                                                size_t count)
{
    std::vector<std::vector<double>> points(count, std::vector<double>(parameters.size()));
    std::vector<size_t> slices(count);
    for (size_t p = 0; p < parameters.size(); ++p) {
        for (size_t i = 0; i < count; ++i)
            slices[i] = i;
        for (size_t i = count; i > 1; --i)
            std::swap(slices[i - 1], slices[static_cast<size_t>(random() % i)]);
        const double span = parameters[p].high - parameters[p].low;
        // A choice takes each of its values for an equal share of the slices.
        const double values = static_cast<double>(parameters[p].choices.size());
        for (size_t i = 0; i < count; ++i) {
            const double share = (static_cast<double>(slices[i]) + uniform(random)) / count;
            points[i][p] = parameters[p].isChoice() ? std::min(values - 1.0, std::floor(share * values))
                                                    : parameters[p].low + span * share;
        }
    }
    return points;
}

double separation(const std::vector<double> &a, const std::vector<double> &b, const std::vector<OptimiserParameter> &parameters)
{
    double largest = 0.0;
    for (size_t p = 0; p < parameters.size(); ++p) {
        // Another drive or material is another design, however many the catalogue holds.
        if (parameters[p].isChoice() && a[p] != b[p])
            return 1.0;
        const double span = parameters[p].high - parameters[p].low;
        if (span > 0.0)
            largest = std::max(largest, std::fabs(a[p] - b[p]) / span);
    }
    return largest;
}

bool farFromAll(const std::vector<double> &values, const std::vector<std::vector<double>> &others,
                const std::vector<OptimiserParameter> &parameters, double distance)
{
    return std::all_of(others.begin(), others.end(),
                       [&](const std::vector<double> &other) { return separation(values, other, parameters) > distance; });
}

// Everything tried, ranked: by score, then by the evaluation that found it.
std::vector<const OptimiserDesign *> ranked(const std::vector<OptimiserDesign> &tried)
{
    std::vector<const OptimiserDesign *> order;
    order.reserve(tried.size());
    for (const OptimiserDesign &design : tried)
        order.push_back(&design);
    std::sort(order.begin(), order.end(), [](const OptimiserDesign *a, const OptimiserDesign *b) {
        return a->score != b->score ? a->score < b->score : a->index < b->index;
    });
    return order;
}

// A choice the design holds but its rules leave out starts at the first one left.
std::vector<double> clampedValues(const Workspace &start, const std::vector<OptimiserParameter> &parameters)
{
    std::vector<double> values = ReadOptimiserValues(start, parameters);
    for (size_t p = 0; p < parameters.size(); ++p)
        values[p] = std::clamp(values[p], parameters[p].low, parameters[p].high);
    return values;
}

} // namespace

OptimiserResult RunOptimiser(WorkerPool &workers, const Workspace &start,
                             const std::vector<OptimiserParameter> &parameters, const OptimiserOptions &options)
{
    OptimiserResult result;
    if (parameters.empty()) {
        result.message = Texts::tr("choose at least one size to vary");
        return result;
    }
    // The threads copy this snapshot, never the caller's workspace.
    const Workspace snapshot = start;
    OptimiserRunContext context{workers, options.threads, snapshot, parameters, options.goal, options.constraints,
                                options.stopFlag};
    context.poll = [&] {
        if (!options.progress)
            return;
        std::optional<double> best;
        {
            const std::lock_guard<std::mutex> lock(context.bestMutex);
            best = context.bestTimeEF;
        }
        options.progress(context.tried.load(), best);
    };
    const qint64 budget = options.maxEvaluations > 0
                              ? options.maxEvaluations
                              : static_cast<qint64>(EvaluationsPerParameter) * static_cast<qint64>(parameters.size());
    std::vector<OptimiserDesign> tried;
    int searches = 0;
    const auto keep = [&](std::vector<OptimiserDesign> designs, int search) {
        for (OptimiserDesign &design : designs) {
            design.index = static_cast<qint64>(tried.size());
            result.tried.push_back({design.values,
                                    design.timeTo15Ft ? parseDouble(design.time) : std::nullopt, design.score,
                                    design.broken.isEmpty(), search});
            tried.push_back(std::move(design));
        }
    };
    const auto remaining = [&] { return budget - static_cast<qint64>(tried.size()); };

    std::mt19937_64 random(options.seed);
    // The design as it stands is the first tried: the search never returns worse than it.
    std::vector<std::vector<double>> points{clampedValues(snapshot, parameters)};
    const qint64 firstSamples = std::max<qint64>(MinSamples, std::llround(budget * FirstSampleShare));
    for (const std::vector<double> &point :
         latinHypercube(random, parameters, static_cast<size_t>(std::min(firstSamples, budget) - 1)))
        points.push_back(point);
    keep(EvaluateOptimiserBatch(context, points), -1);

    std::vector<std::vector<double>> started;
    double step = 0.1;
    while (remaining() > 0 && !context.stopping()) {
        std::vector<std::vector<double>> starts;
        for (const OptimiserDesign *design : ranked(tried)) {
            if (starts.size() == StartsPerRound || (!design->broken.isEmpty() && !design->onlyShort))
                break;
            if (farFromAll(design->values, started, parameters, SameStart)
                && farFromAll(design->values, starts, parameters, SameStart))
                starts.push_back(design->values);
        }
        if (!starts.empty()) {
            const qint64 each = std::max<qint64>(1, remaining() / static_cast<qint64>(starts.size()));
            const int perStart = static_cast<int>(std::min<qint64>(each, 40 + 25 * static_cast<qint64>(parameters.size())));
            if (static_cast<qint64>(starts.size()) > remaining())
                starts.resize(static_cast<size_t>(remaining()));
            for (std::vector<OptimiserDesign> &run : RefineOptimiserStarts(context, starts, perStart, step))
                keep(std::move(run), searches++);
            started.insert(started.end(), starts.begin(), starts.end());
        }
        if (remaining() <= 0 || context.stopping())
            break;
        // A restart: fresh samples over the whole ranges, and later starts take smaller first steps.
        const qint64 samples = std::min(remaining(), std::max<qint64>(MinSamples, std::llround(budget * RestartSampleShare)));
        keep(EvaluateOptimiserBatch(context, latinHypercube(random, parameters, static_cast<size_t>(samples))), -1);
        step = std::max(0.02, step * 0.7);
    }
    result.evaluations = static_cast<qint64>(tried.size());
    result.stopped = context.stopping() && remaining() > 0;

    std::vector<std::vector<double>> chosen;
    for (const OptimiserDesign *design : ranked(tried)) {
        if (result.best.size() == OptimiserBestCount)
            break;
        if (!design->broken.isEmpty() || !farFromAll(design->values, chosen, parameters, SameDesign))
            continue;
        chosen.push_back(design->values);
        result.best.push_back(*design);
    }
    if (result.best.empty() && !result.stopped)
        result.message = Texts::tr("no design within these ranges meets the constraints");
    if (options.progress)
        options.progress(result.evaluations, result.best.empty() || !result.best.front().timeTo15Ft
                                                ? std::nullopt
                                                : parseDouble(result.best.front().time));
    return result;
}

void ApplyOptimiserDesign(Workspace &workspace, const std::vector<OptimiserParameter> &parameters,
                          const OptimiserDesign &design)
{
    ApplyOptimiserValues(workspace, parameters, design.values);
}

} // namespace zindle
