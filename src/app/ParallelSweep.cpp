// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParallelSweep.h"

#include "app/RefreshChain.h"
#include "model/Modes.h"
#include "model/NumberText.h"
#include "physics/BuildGeometry.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <map>
#include <mutex>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ParallelSweep)
};

// The texts a combination starts with: those the loops write, and the drive wheel as earlier
// combinations' builds left it.
struct CombinationStart {
    QString width, length, wheel;
};

// Hands out the combinations in sweep order with the design each starts from. The builds are
// replayed as the combinations are handed out (microseconds each), so that no grid, however
// large, is held or replayed before the first combination runs.
class CombinationSource {
public:
    CombinationSource(const Workspace &start, const ParallelSweepResult &plan)
        : design_(start.design), catalogue_(start.catalogue), plan_(plan)
    {
    }

    // Up to `count` next combinations, the first of them number `first`; none at the end.
    std::vector<CombinationStart> next(size_t count, qint64 &first)
    {
        first = index_;
        std::vector<CombinationStart> starts;
        while (starts.size() < count && index_ < plan_.total) {
            const size_t widths = plan_.widthValues.size(), lengths = plan_.lengthValues.size();
            const size_t width = static_cast<size_t>(index_ % static_cast<qint64>(widths));
            const size_t length = static_cast<size_t>(index_ / static_cast<qint64>(widths) % static_cast<qint64>(lengths));
            const size_t wheel = static_cast<size_t>(index_ / static_cast<qint64>(widths * lengths));
            // Each loop writes its value when it moves on, as the one-by-one sweep's loops do.
            if (width == 0 && length == 0)
                design_.DriveWhlDia = floatText(plan_.wheelValues[wheel]);
            if (width == 0)
                design_.SpringLength = floatText(plan_.lengthValues[length]);
            design_.SpringWidth = floatText(plan_.widthValues[width]);
            starts.push_back({design_.SpringWidth, design_.SpringLength, design_.DriveWhlDia});
            ComputeBuildGeometry(design_, catalogue_, results_, build_);
            ++index_;
        }
        return starts;
    }

private:
    DesignRecord design_;
    const MaterialCatalogue &catalogue_;
    const ParallelSweepResult &plan_;
    ResultFields results_;
    BuildShared build_;
    qint64 index_ = 0;
};

// Combinations a thread takes at a time: few enough that a STOP is seen at once and that what
// waits to be counted in sweep order stays small, enough that the threads rarely queue.
constexpr size_t BatchSize = 32;

// A batch as a thread ran it: the cells of its first combinations (all of them, unless a stop
// came in between).
struct RunBatch {
    size_t handedOut = 0;
    std::vector<SweepCell> cells;
};

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

SweepCellIndex sweepCellIndex(const ParallelSweepResult &result, qint64 cell)
{
    const qint64 widths = std::max<qint64>(1, static_cast<qint64>(result.widthValues.size()));
    const qint64 lengths = std::max<qint64>(1, static_cast<qint64>(result.lengthValues.size()));
    return {static_cast<int>(cell / (widths * lengths)), static_cast<int>((cell / widths) % lengths),
            static_cast<int>(cell % widths)};
}

ParallelSweepResult RunParallelSweep(WorkerPool &workers, const Workspace &start, const SweepBest &before,
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
    result.total = static_cast<qint64>(result.wheelValues.size()) * static_cast<qint64>(result.lengthValues.size())
                   * static_cast<qint64>(result.widthValues.size());
    if (result.total <= 0)
        return result;

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
    CombinationSource source(snapshot, result);
    std::mutex sourceMutex;
    // Batches run but not yet counted, by their first combination; the sweep's thread counts
    // them in sweep order.
    std::map<qint64, RunBatch> ran;
    std::atomic<bool> stop{false};
    int running = 0;
    std::mutex mutex;
    std::condition_variable wake;

    const auto stopping = [&] {
        // A window's STOP is seen here at once, not only when the sweep's thread wakes.
        return stop.load(std::memory_order_acquire) || (options.stopFlag && options.stopFlag->load());
    };
    const auto work = [&] {
        Workspace workspace = snapshot;
        while (!stopping()) {
            qint64 first = 0;
            std::vector<CombinationStart> starts;
            {
                const std::lock_guard<std::mutex> lock(sourceMutex);
                starts = source.next(BatchSize, first);
            }
            if (starts.empty())
                break;
            RunBatch batch;
            batch.handedOut = starts.size();
            batch.cells.reserve(starts.size());
            for (const CombinationStart &begin : starts) {
                if (stopping())
                    break;
                workspace.design.SpringWidth = begin.width;
                workspace.design.SpringLength = begin.length;
                workspace.design.DriveWhlDia = begin.wheel;
                RefreshSweepCombination(workspace);
                batch.cells.push_back({workspace.results.TimeEF, workspace.design.SpringWidth,
                                       workspace.design.SpringLength, workspace.design.DriveWhlDia});
            }
            {
                const std::lock_guard<std::mutex> lock(mutex);
                ran.emplace(first, std::move(batch));
            }
            wake.notify_one();
        }
        {
            const std::lock_guard<std::mutex> lock(mutex);
            --running;
        }
        wake.notify_one();
    };

    const int threads = WorkerThreadCount(options.threads, result.total);
    running = threads;
    std::vector<std::future<void>> threadsEnded;
    threadsEnded.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t)
        threadsEnded.push_back(workers.run(work));

    // Counts the batches that follow on from those counted; a batch a stop cut short ends the
    // count, whatever ran after it.
    QString bestTime = QStringLiteral("99999");
    bool countEnded = false;
    const auto countReady = [&] {
        for (;;) {
            RunBatch batch;
            {
                const std::lock_guard<std::mutex> lock(mutex);
                const auto next = ran.find(result.combinations);
                if (countEnded || next == ran.end())
                    return;
                batch = std::move(next->second);
                ran.erase(next);
            }
            for (SweepCell &cell : batch.cells) {
                if (OfferSweepTime(bestTime, result.best, cell.time, cell.width, cell.length, cell.wheel))
                    result.bestIndex = result.combinations;
                ++result.combinations;
                result.last = cell;
                if (options.keepCells)
                    result.cells.push_back(std::move(cell));
            }
            countEnded = batch.cells.size() < batch.handedOut;
        }
    };

    qint64 reported = 0;
    for (;;) {
        bool finished = false;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(20));
            finished = running == 0;
        }
        countReady();
        if (options.progress && result.combinations > reported) {
            reported = result.combinations;
            options.progress(result.combinations, result.total);
        }
        if (!result.stopped && stopAsked()) {
            result.stopped = true;
            stop.store(true, std::memory_order_release);
        }
        if (finished)
            break;
    }
    waitForAll(threadsEnded);
    countReady();
    // A stop that came after the last combination was handed out stopped nothing.
    if (result.combinations == result.total)
        result.stopped = false;
    return result;
}

void HoldLastCombination(DesignRecord &design, const ParallelSweepResult &result)
{
    if (result.combinations == 0)
        return;
    design.SpringWidth = result.last.width;
    design.SpringLength = result.last.length;
    design.DriveWhlDia = result.last.wheel;
}

namespace {

struct MapAxis {
    const std::vector<float> *values;
    const char *title; // English, as the map's CSV file writes it; the map translates it where drawn
    const char *name;  // in the title, when the axis is fixed
    int which;         // 0 wheel, 1 length, 2 width
};

struct MapAxes {
    std::array<MapAxis, 3> all;
    int x = 0, y = 1; // indices into all
};

// x is the first range that varies in loop order, y the second (or the first fixed one).
std::optional<MapAxes> mapAxes(const ParallelSweepResult &result)
{
    const MapAxes axes{{MapAxis{&result.wheelValues, QT_TRANSLATE_NOOP("DesignMap", "Drive wheel dia (in)"),
                                QT_TRANSLATE_NOOP("ParallelSweep", "Drive wheel dia"), 0},
                        MapAxis{&result.lengthValues, QT_TRANSLATE_NOOP("DesignMap", "Spring Length (in)"),
                                QT_TRANSLATE_NOOP("ParallelSweep", "Spring Length"), 1},
                        MapAxis{&result.widthValues, QT_TRANSLATE_NOOP("DesignMap", "Spring Width (in)"),
                                QT_TRANSLATE_NOOP("ParallelSweep", "Spring Width"), 2}}};
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
    QString title = Texts::tr("time to 15 ft");
    for (const MapAxis &axis : axes->all)
        if (&axis != &xAxis && &axis != &yAxis && !axis.values->empty())
            title = Texts::tr("time to 15 ft, %1 %2 in").arg(Texts::tr(axis.name), floatText(axis.values->front()).left(6));
    grid.title = designName.isEmpty() ? title : Texts::tr("%1: %2").arg(designName, title);
    const size_t nx = grid.xValues.size();
    grid.cells.assign(nx * grid.yValues.size(), DesignMapCell{});
    const auto place = [&](qint64 cell) {
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
    grid.asBuiltKey = QString::fromLatin1(QT_TRANSLATE_NOOP("DesignMap", "wheel enlarged (size shown)"));
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
