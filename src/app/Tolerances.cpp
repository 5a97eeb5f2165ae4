// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tolerances.h"

#include "app/RefreshChain.h"
#include "physics/BuildGeometry.h"
#include "model/DesignNumbers.h"
#include "model/NumberText.h"
#include "physics/Coast.h"
#include "physics/Simulation.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>

namespace zindle {

// The captions are translated where the Build Tolerances window shows them.
const std::array<ToleranceKind, ToleranceCount> ToleranceKinds = {{
    {"thickness", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "board thickness"), false, &BuildTolerances::boardThickness},
    {"density", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "board density"), false, &BuildTolerances::boardDensity},
    {"outline", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "outline"), true, &BuildTolerances::outline},
    {"wheel", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "wheel diameter"), true, &BuildTolerances::wheelDiameter},
    {"torque", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "spring torque"), false, &BuildTolerances::springTorque},
    {"friction", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "rolling friction"), false, &BuildTolerances::friction},
    {"weights", QT_TRANSLATE_NOOP("zindle::TolerancesWindow", "weight mass"), false, &BuildTolerances::weightMass},
}};

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Tolerances)
};

enum Draw { Thickness, Density, Outline, Wheel, Torque, Friction, Weights };

// A text times (1 + share), left as it is when the share is zero or the text no number.
void scaleText(QString &text, double share)
{
    if (share == 0.0)
        return;
    if (const std::optional<float> value = parseFloat(text))
        text = floatText(static_cast<float>(static_cast<double>(*value) * (1.0 + share)));
}

void addToText(QString &text, double inches)
{
    if (inches == 0.0)
        return;
    if (const std::optional<float> value = parseFloat(text))
        text = floatText(static_cast<float>(static_cast<double>(*value) + inches));
}

// Each side of the outline moves out by `inches` (in when negative).
void growOutline(std::vector<QPoint> &points, double inches)
{
    if (inches == 0.0 || points.size() < 2)
        return;
    int left = points.front().x(), right = left, top = points.front().y(), bottom = top;
    for (const QPoint &p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const double amount = inches * 72.0;
    const double cx = 0.5 * (left + right), cy = 0.5 * (top + bottom);
    const double w = right - left, h = bottom - top;
    const double sx = w > 0.0 ? std::max(0.0, (w + 2.0 * amount) / w) : 1.0;
    const double sy = h > 0.0 ? std::max(0.0, (h + 2.0 * amount) / h) : 1.0;
    for (QPoint &p : points)
        p = QPoint(static_cast<int>(std::lround(cx + (p.x() - cx) * sx)),
                   static_cast<int>(std::lround(cy + (p.y() - cy) * sy)));
}

// What a build starts from, shared by all threads (read only).
struct StudyBase {
    const Workspace &workspace;
    BuildTolerances tolerances;
    float friction = 0.0f; // lb, before the error
};

// The design of `base` built with the errors of `draws`, into `workspace`.
void applyBuildErrors(Workspace &workspace, const StudyBase &base, const std::array<double, ToleranceCount> &draws)
{
    const BuildTolerances &t = base.tolerances;
    const Workspace &start = base.workspace;
    workspace.design = start.design;
    workspace.trackFactors = start.trackFactors;
    if (t.boardThickness != 0.0 || t.boardDensity != 0.0) {
        workspace.catalogue.boards = start.catalogue.boards;
        for (BoardMaterial &board : workspace.catalogue.boards) {
            scaleText(board.BoardThickness, t.boardThickness * draws[Thickness]);
            scaleText(board.BoardDensity, t.boardDensity * draws[Density]);
        }
    }
    DesignRecord &design = workspace.design;
    growOutline(design.OuterPts, t.outline * draws[Outline]);
    growOutline(design.InnerPts, t.outline * draws[Outline]);
    addToText(design.DriveWhlDia, t.wheelDiameter * draws[Wheel]);
    addToText(design.OtherWhlDia, t.wheelDiameter * draws[Wheel]);
    ModelFactors &factors = workspace.trackFactors;
    factors.springEfficiency = static_cast<float>(static_cast<double>(factors.springEfficiency)
                                                  * (1.0 + t.springTorque * draws[Torque]));
    if (t.friction != 0.0)
        factors.friction = static_cast<float>(static_cast<double>(base.friction) * (1.0 + t.friction * draws[Friction]));
    if (t.weightMass != 0.0)
        for (WeightSlot &weight : design.Weights)
            if (!weight.isFree())
                weight.Mass = static_cast<float>(static_cast<double>(weight.Mass) * (1.0 + t.weightMass * draws[Weights]));
}

// Runs the workspace's design as the sweep's lean path does (build, torque and mass,
// revolutions), then the run with coasting, and reads its time and distance curve (from t = 0).
ToleranceBuild runBuild(Workspace &workspace, std::vector<float> &distances)
{
    RefreshHooks none;
    ComputeBuildGeometry(workspace);
    const DesignNumbers numbers = ParseDesignNumbers(workspace.design, workspace.catalogue);
    RunTorqueStep(workspace, numbers, SheetMode::Simulate, none);
    RunRevolutionsStep(workspace, numbers);
    ToleranceBuild build;
    distances.assign(1, 0.0f);
    if (workspace.checks.cannotRun())
        return build;
    const SimulationContext context{workspace.design, workspace.catalogue, numbers, currentBalance(workspace),
                                    workspace.results, workspace.list, workspace.forces, SheetMode::Race,
                                    nullptr, nullptr, workspace.trackFactors};
    const CoastedRun run = RunWithCoast(context);
    distances.clear();
    distances.reserve(run.points.size());
    for (const CoastPoint &point : run.points)
        distances.push_back(point.distance);
    build.distance = distances.back();
    build.time = TimeAtDistance(run, CourseFt);
    return build;
}

ToleranceBand distanceBand(const std::vector<std::vector<float>> &curves)
{
    ToleranceBand band;
    size_t steps = 0;
    for (const std::vector<float> &curve : curves)
        steps = std::max(steps, curve.size());
    std::vector<double> at(curves.size());
    for (size_t s = 0; s < steps; ++s) {
        for (size_t b = 0; b < curves.size(); ++b)
            at[b] = curves[b].empty() ? 0.0 : curves[b][std::min(s, curves[b].size() - 1)];
        band.times.push_back(static_cast<double>(s) / 100.0);
        band.low.push_back(static_cast<float>(nearestRankPercentile(at, 5.0)));
        band.high.push_back(static_cast<float>(nearestRankPercentile(at, 95.0)));
    }
    return band;
}

// Builds a thread takes at a time: a stop is seen within a few builds.
constexpr int BatchSize = 16;

} // namespace

BuildTimes buildTimes(const ToleranceStudy &study)
{
    BuildTimes times;
    times.reserve(study.builds.size());
    for (const ToleranceBuild &build : study.builds)
        times.push_back(build.time);
    return times;
}

double chanceToBeat(const ToleranceStudy &a, const ToleranceStudy &b)
{
    return chanceToBeat(buildTimes(a), buildTimes(b));
}

ToleranceChartData toleranceChartData(const ToleranceStudy &study, const QString &designName)
{
    ToleranceChartData data;
    data.designName = designName;
    data.histogram = study.histogram;
    data.p5 = study.p5;
    data.p50 = study.p50;
    data.p95 = study.p95;
    data.nominal = study.nominalTime;
    data.reachProbability = study.reachProbability;
    data.builds = static_cast<int>(study.builds.size());
    for (size_t q = 0; q < ToleranceCount; ++q)
        data.shares.push_back({QLatin1String(ToleranceKinds[q].caption), study.shares[q]});
    return data;
}

ToleranceStudy RunTolerances(WorkerPool &workers, const Workspace &start, const BuildTolerances &tolerances,
                             const ToleranceOptions &options)
{
    ToleranceStudy study;
    study.tolerances = tolerances;
    study.seed = options.seed;
    // The threads copy this snapshot, never the caller's workspace.
    const Workspace snapshot = start;
    StudyBase base{snapshot, tolerances,
                   snapshot.trackFactors.friction.value_or(ParseDesignNumbers(snapshot.design, snapshot.catalogue).Friction)};
    {
        Workspace nominal = snapshot;
        const ToleranceBuild build = runBuild(nominal, study.nominalDistances);
        if (nominal.checks.cannotRun()) {
            study.message = Texts::tr("The model cannot run this design.");
            return study;
        }
        study.nominalTime = build.time;
        study.nominalDistance = build.distance;
    }
    const int total = std::max(0, options.samples);
    std::vector<ToleranceBuild> builds(static_cast<size_t>(total));
    std::vector<std::vector<float>> curves(static_cast<size_t>(total));
    std::vector<char> done(static_cast<size_t>(total), 0);
    std::mutex mutex;
    std::condition_variable wake;
    int next = 0, completed = 0, running = 0;
    std::atomic<bool> stop{false};
    const auto stopping = [&] {
        return stop.load(std::memory_order_acquire) || (options.stopFlag && options.stopFlag->load());
    };
    const auto work = [&] {
        Workspace workspace = snapshot;
        for (;;) {
            int first = 0, last = 0;
            {
                const std::lock_guard<std::mutex> lock(mutex);
                first = next;
                last = std::min(total, first + BatchSize);
                next = last;
            }
            if (first >= last || stopping())
                break;
            for (int i = first; i < last && !stopping(); ++i) {
                BuildDraws draw(options.seed, static_cast<std::uint64_t>(i));
                std::array<double, ToleranceCount> draws{};
                for (double &d : draws)
                    d = draw.symmetric();
                applyBuildErrors(workspace, base, draws);
                std::vector<float> curve;
                ToleranceBuild build = runBuild(workspace, curve);
                build.draws = draws;
                const std::lock_guard<std::mutex> lock(mutex);
                builds[static_cast<size_t>(i)] = build;
                curves[static_cast<size_t>(i)] = std::move(curve);
                done[static_cast<size_t>(i)] = 1;
                ++completed;
            }
            wake.notify_one();
        }
        {
            const std::lock_guard<std::mutex> lock(mutex);
            --running;
        }
        wake.notify_one();
    };
    const int threads = WorkerThreadCount(options.threads, std::max(1, total));
    running = threads;
    std::vector<std::future<void>> ended;
    for (int t = 0; t < threads; ++t)
        ended.push_back(workers.run(work));
    int reported = 0;
    for (;;) {
        int now = 0;
        bool finished = false;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(20));
            now = completed;
            finished = running == 0;
        }
        if (options.progress && now > reported) {
            reported = now;
            options.progress(now, total);
        }
        if (!study.stopped && ((options.stopFlag && options.stopFlag->load())
                               || (options.stopRequested && options.stopRequested()))) {
            study.stopped = true;
            stop.store(true, std::memory_order_release);
        }
        if (finished)
            break;
    }
    waitForAll(ended);
    // The builds counted are those completed with every one before them.
    size_t counted = 0;
    while (counted < done.size() && done[counted])
        ++counted;
    if (counted == done.size())
        study.stopped = false;
    builds.resize(counted);
    curves.resize(counted);
    study.builds = std::move(builds);

    const BuildTimes times = buildTimes(study);
    study.p5 = nearestRankPercentile(times, 5.0);
    study.p50 = nearestRankPercentile(times, 50.0);
    study.p95 = nearestRankPercentile(times, 95.0);
    const auto reached = std::count_if(times.begin(), times.end(), [](const auto &t) { return t.has_value(); });
    study.reachProbability = times.empty() ? 0.0 : static_cast<double>(reached) / static_cast<double>(times.size());
    study.histogram = timeHistogram(times, options.histogramBins);
    std::vector<std::vector<double>> draws(ToleranceCount, std::vector<double>(counted));
    for (size_t i = 0; i < counted; ++i)
        for (size_t q = 0; q < ToleranceCount; ++q)
            draws[q][i] = (tolerances.*ToleranceKinds[q].value) != 0.0 ? study.builds[i].draws[q] : 0.0;
    const std::vector<double> shares = varianceShares(draws, times);
    for (size_t q = 0; q < ToleranceCount; ++q) {
        study.shares[q] = shares[q];
        if (shares[q] > 0.0 && (study.largestShare < 0 || shares[q] > study.shares[static_cast<size_t>(study.largestShare)]))
            study.largestShare = static_cast<int>(q);
    }
    study.band = distanceBand(curves);
    if (counted == 0) {
        study.band.times.clear();
        for (size_t s = 0; s < study.nominalDistances.size(); ++s)
            study.band.times.push_back(static_cast<double>(s) / 100.0);
        study.band.low = study.band.high = study.nominalDistances;
    }
    return study;
}

} // namespace zindle
