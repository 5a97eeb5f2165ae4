#include "ParallelSweep.h"

#include "app/RefreshChain.h"
#include "model/Modes.h"
#include "model/NumberText.h"
#include "physics/BuildGeometry.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
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

// Empty when `stopAsked` said so on the way: a replay of a very large grid takes a while, and a
// STOP then needs no combination run.
std::vector<CombinationStart> replayBuilds(const Workspace &start, const ParallelSweepResult &plan,
                                           const std::function<bool()> &stopAsked)
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
                if (starts.size() % 1024 == 1023 && stopAsked())
                    return {};
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

    const std::function<bool()> stopAsked = [&] {
        return (options.stopFlag && options.stopFlag->load()) || (options.stopRequested && options.stopRequested());
    };
    // STOP pressed before GO did anything: nothing runs.
    if (stopAsked()) {
        result.stopped = true;
        return result;
    }
    // The threads copy this snapshot, never the caller's workspace.
    const Workspace snapshot = start;
    const std::vector<CombinationStart> starts = replayBuilds(snapshot, result, stopAsked);
    if (starts.empty()) {
        result.stopped = true;
        return result;
    }
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

namespace {

struct MapAxis {
    const std::vector<float> *values;
    const char *title;
    int which; // 0 wheel, 1 length, 2 width
};

struct MapAxes {
    std::array<MapAxis, 3> all;
    int x = 0, y = 1; // indices into all
};

// x is the first range that varies in loop order, y the second (or the first fixed one).
std::optional<MapAxes> mapAxes(const ParallelSweepResult &result)
{
    const MapAxes axes{{MapAxis{&result.wheelValues, "Drive wheel dia (in)", 0},
                        MapAxis{&result.lengthValues, "Spring Length (in)", 1},
                        MapAxis{&result.widthValues, "Spring Width (in)", 2}}};
    std::vector<int> chosen;
    for (int i = 0; i < 3; ++i)
        if (axes.all[static_cast<size_t>(i)].values->size() > 1)
            chosen.push_back(i);
    if (chosen.size() > 2)
        return std::nullopt;
    for (int i = 0; i < 3 && chosen.size() < 2; ++i)
        if (std::find(chosen.begin(), chosen.end(), i) == chosen.end())
            chosen.push_back(i);
    std::sort(chosen.begin(), chosen.end());
    MapAxes picked = axes;
    picked.x = chosen[0];
    picked.y = chosen[1];
    return picked;
}

} // namespace

std::optional<QString> builtWheel(const ParallelSweepResult &result, int cell)
{
    if (cell < 0 || cell >= static_cast<int>(result.cells.size()))
        return std::nullopt;
    const size_t wheel = static_cast<size_t>(sweepCellIndex(result, cell).wheel);
    if (wheel >= result.wheelValues.size())
        return std::nullopt;
    const QString &text = result.cells[static_cast<size_t>(cell)].wheel;
    // The swept value is written with floatText and read back the same; an enlarged wheel is a
    // whole hundredth larger.
    if (std::fabs(floatOr(text, result.wheelValues[wheel]) - result.wheelValues[wheel]) < 1e-4f)
        return std::nullopt;
    return text.left(6);
}

std::optional<DesignMapGrid> sweepDesignMap(const ParallelSweepResult &result, const QString &designName)
{
    const std::optional<MapAxes> axes = mapAxes(result);
    if (!axes)
        return std::nullopt;
    const MapAxis &xAxis = axes->all[static_cast<size_t>(axes->x)], &yAxis = axes->all[static_cast<size_t>(axes->y)];

    DesignMapGrid grid;
    grid.xTitle = QString::fromLatin1(xAxis.title);
    grid.yTitle = QString::fromLatin1(yAxis.title);
    grid.xValues = *xAxis.values;
    grid.yValues = *yAxis.values;
    QString fixed;
    for (const MapAxis &axis : axes->all)
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
        const SweepCell &run = result.cells[static_cast<size_t>(i)];
        const QString &time = run.time;
        DesignMapCell &cell = grid.cells[place(i)];
        if (!time.isEmpty() && !time.startsWith(QLatin1Char('[')))
            cell = {DesignMapCell::Finished, floatOr(time, 0.0f)};
        else
            cell = {DesignMapCell::NotFinished, 0.0f};
        if (const std::optional<QString> built = builtWheel(result, i))
            cell.asBuilt = *built;
    }
    grid.asBuiltKey = QStringLiteral("wheel enlarged (size shown)");
    if (result.bestIndex >= 0)
        grid.best = static_cast<int>(place(result.bestIndex));
    return grid;
}

std::optional<int> sweepCellOfMapCell(const ParallelSweepResult &result, int mapCell)
{
    const std::optional<MapAxes> axes = mapAxes(result);
    if (!axes || mapCell < 0)
        return std::nullopt;
    const MapAxis &xAxis = axes->all[static_cast<size_t>(axes->x)], &yAxis = axes->all[static_cast<size_t>(axes->y)];
    const size_t nx = xAxis.values->size(), ny = yAxis.values->size();
    if (nx == 0 || static_cast<size_t>(mapCell) >= nx * ny)
        return std::nullopt;
    int coordinate[3] = {0, 0, 0};
    coordinate[xAxis.which] = mapCell % static_cast<int>(nx);
    coordinate[yAxis.which] = mapCell / static_cast<int>(nx);
    const int widths = std::max<int>(1, static_cast<int>(result.widthValues.size()));
    const int lengths = std::max<int>(1, static_cast<int>(result.lengthValues.size()));
    const int cell = (coordinate[0] * lengths + coordinate[1]) * widths + coordinate[2];
    if (cell >= static_cast<int>(result.cells.size()))
        return std::nullopt;
    return cell;
}

} // namespace zindle
