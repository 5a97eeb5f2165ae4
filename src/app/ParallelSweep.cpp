#include "ParallelSweep.h"

#include "app/RefreshChain.h"
#include "model/Modes.h"
#include "model/NumberText.h"
#include "physics/BuildGeometry.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

namespace zindle {

namespace {

// The texts a combination starts with: those the loops write, and the drive wheel as earlier
// combinations' builds left it.
struct CombinationStart {
    QString width, length, wheel;
};

std::vector<CombinationStart> replayBuilds(const Workspace &start, const ParallelSweepResult &plan)
{
    DesignRecord design = start.design;
    ResultFields results;
    BuildShared build;
    std::vector<CombinationStart> starts;
    starts.reserve(static_cast<size_t>(plan.total));
    for (const float dw : plan.wheelValues) {
        design.DriveWhlDia = floatText(dw);
        for (const float sl : plan.lengthValues) {
            design.SpringLength = floatText(sl);
            for (const float sw : plan.widthValues) {
                design.SpringWidth = floatText(sw);
                starts.push_back({design.SpringWidth, design.SpringLength, design.DriveWhlDia});
                ComputeBuildGeometry(design, start.catalogue, results, build);
            }
        }
    }
    return starts;
}

} // namespace

void RefreshSweepCombination(Workspace &workspace)
{
    RefreshHooks none;
    ComputeBuildGeometry(workspace);
    const DesignNumbers numbers = ParseDesignNumbers(workspace.design, workspace.catalogue);
    RunTorqueStep(workspace, numbers, SheetMode::Simulate, none);
    RunRevolutionsStep(workspace, numbers);
    RunWorkspaceSimulation(workspace, numbers, FrameRunToEnd, SheetMode::Simulate, none);
}

SweepCellIndex sweepCellIndex(const ParallelSweepResult &result, int cell)
{
    const int widths = std::max<int>(1, static_cast<int>(result.widthValues.size()));
    const int lengths = std::max<int>(1, static_cast<int>(result.lengthValues.size()));
    return {cell / (widths * lengths), (cell / widths) % lengths, cell % widths};
}

ParallelSweepResult RunParallelSweep(const Workspace &start, const SweepBest &before,
                                     const SweepRanges &ranges, const ParallelSweepOptions &options)
{
    ParallelSweepResult result;
    result.best = before;
    result.message = ValidateSweepRanges(ranges);
    if (!result.message.isEmpty())
        return result;
    result.wheelValues = SweepValues(ranges.wheel);
    result.lengthValues = SweepValues(ranges.length);
    result.widthValues = SweepValues(ranges.width);
    const qint64 total = static_cast<qint64>(result.wheelValues.size()) * result.lengthValues.size()
                         * result.widthValues.size();
    // The grid lives in memory; a sweep of more cells than an int counts is far beyond any use.
    if (total <= 0 || total > std::numeric_limits<int>::max() / 2)
        return result;
    result.total = static_cast<int>(total);

    const auto stopAsked = [&] {
        return (options.stopFlag && options.stopFlag->load()) || (options.stopRequested && options.stopRequested());
    };
    // STOP pressed before GO did anything: nothing runs.
    if (stopAsked()) {
        result.stopped = true;
        return result;
    }
    // The threads copy this snapshot, never the caller's workspace.
    const Workspace snapshot = start;
    const std::vector<CombinationStart> starts = replayBuilds(snapshot, result);
    std::vector<SweepCell> cells(static_cast<size_t>(result.total));
    std::vector<std::atomic<bool>> done(static_cast<size_t>(result.total));
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    std::atomic<int> running{0};
    std::mutex mutex;
    std::condition_variable wake;

    const auto work = [&] {
        Workspace workspace = snapshot;
        for (;;) {
            // A window's STOP is seen here at once, not only when the sweep's thread wakes.
            if (stop.load(std::memory_order_acquire) || (options.stopFlag && options.stopFlag->load()))
                break;
            const int i = next.fetch_add(1);
            if (i >= result.total)
                break;
            const CombinationStart &begin = starts[static_cast<size_t>(i)];
            workspace.design.SpringWidth = begin.width;
            workspace.design.SpringLength = begin.length;
            workspace.design.DriveWhlDia = begin.wheel;
            RefreshSweepCombination(workspace);
            cells[static_cast<size_t>(i)] = {workspace.results.TimeEF, workspace.design.SpringWidth,
                                             workspace.design.SpringLength, workspace.design.DriveWhlDia};
            done[static_cast<size_t>(i)].store(true, std::memory_order_release);
            {
                const std::lock_guard<std::mutex> lock(mutex);
            }
            wake.notify_one();
        }
        {
            const std::lock_guard<std::mutex> lock(mutex);
            running.fetch_sub(1);
        }
        wake.notify_one();
    };

    int threads = options.threads > 0 ? options.threads
                                      : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    threads = std::min(threads, result.total);
    running = threads;
    std::vector<std::thread> workers;
    workers.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(work);

    int counted = 0, reported = 0;
    for (;;) {
        bool finished = false;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(20));
            finished = running.load() == 0;
        }
        while (counted < result.total && done[static_cast<size_t>(counted)].load(std::memory_order_acquire))
            ++counted;
        if (options.progress && counted > reported) {
            reported = counted;
            options.progress(counted, result.total);
        }
        if (!result.stopped && stopAsked()) {
            result.stopped = true;
            stop.store(true, std::memory_order_release);
        }
        if (finished)
            break;
    }
    for (std::thread &worker : workers)
        worker.join();
    while (counted < result.total && done[static_cast<size_t>(counted)].load(std::memory_order_acquire))
        ++counted;
    // A stop that came after the last combination was handed out stopped nothing.
    if (counted == result.total)
        result.stopped = false;

    cells.resize(static_cast<size_t>(counted));
    result.cells = std::move(cells);
    result.combinations = counted;
    QString bestTime = QStringLiteral("99999");
    for (int i = 0; i < counted; ++i) {
        const SweepCell &cell = result.cells[static_cast<size_t>(i)];
        if (OfferSweepTime(bestTime, result.best, cell.time, cell.width, cell.length, cell.wheel))
            result.bestIndex = i;
    }
    return result;
}

void HoldLastCombination(DesignRecord &design, const ParallelSweepResult &result)
{
    if (result.cells.empty())
        return;
    const SweepCell &last = result.cells.back();
    design.SpringWidth = last.width;
    design.SpringLength = last.length;
    design.DriveWhlDia = last.wheel;
}

std::optional<DesignMapGrid> sweepDesignMap(const ParallelSweepResult &result, const QString &designName)
{
    struct Axis {
        const std::vector<float> *values;
        const char *title;
        int which; // 0 wheel, 1 length, 2 width
    };
    const Axis axes[] = {{&result.wheelValues, "Drive wheel dia (in)", 0},
                         {&result.lengthValues, "Spring Length (in)", 1},
                         {&result.widthValues, "Spring Width (in)", 2}};
    std::vector<const Axis *> chosen;
    for (const Axis &axis : axes)
        if (axis.values->size() > 1)
            chosen.push_back(&axis);
    if (chosen.size() > 2)
        return std::nullopt;
    for (const Axis &axis : axes)
        if (chosen.size() < 2 && axis.values->size() <= 1 && std::find(chosen.begin(), chosen.end(), &axis) == chosen.end())
            chosen.push_back(&axis);
    std::sort(chosen.begin(), chosen.end(), [](const Axis *a, const Axis *b) { return a->which < b->which; });
    const Axis &xAxis = *chosen[0], &yAxis = *chosen[1];

    DesignMapGrid grid;
    grid.xTitle = QString::fromLatin1(xAxis.title);
    grid.yTitle = QString::fromLatin1(yAxis.title);
    grid.xValues = *xAxis.values;
    grid.yValues = *yAxis.values;
    QString fixed;
    for (const Axis &axis : axes)
        if (&axis != &xAxis && &axis != &yAxis && !axis.values->empty())
            fixed = QString::fromLatin1(axis.title).replace(QStringLiteral(" (in)"), QString()) + QStringLiteral(" ")
                    + floatText(axis.values->front()).left(6) + QStringLiteral(" in");
    grid.title = (designName.isEmpty() ? QString() : designName + QStringLiteral(": "))
                 + QStringLiteral("time to 15 ft") + (fixed.isEmpty() ? QString() : QStringLiteral(", ") + fixed);
    const size_t nx = grid.xValues.size();
    grid.cells.assign(nx * grid.yValues.size(), DesignMapCell{});
    const auto place = [&](int cell) {
        const SweepCellIndex index = sweepCellIndex(result, cell);
        const int coordinate[] = {index.wheel, index.length, index.width};
        return static_cast<size_t>(coordinate[yAxis.which]) * nx + static_cast<size_t>(coordinate[xAxis.which]);
    };
    for (int i = 0; i < static_cast<int>(result.cells.size()); ++i) {
        const QString &time = result.cells[static_cast<size_t>(i)].time;
        DesignMapCell &cell = grid.cells[place(i)];
        if (!time.isEmpty() && !time.startsWith(QLatin1Char('[')))
            cell = {DesignMapCell::Finished, floatOr(time, 0.0f)};
        else
            cell = {DesignMapCell::NotFinished, 0.0f};
    }
    if (result.bestIndex >= 0)
        grid.best = static_cast<int>(place(result.bestIndex));
    return grid;
}

} // namespace zindle
