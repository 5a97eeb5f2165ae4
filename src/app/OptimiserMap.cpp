// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserMap.h"

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

size_t cellOf(double value, double low, double high, size_t cells)
{
    if (!(high > low))
        return 0;
    const double at = std::floor((value - low) / (high - low) * static_cast<double>(cells));
    return static_cast<size_t>(std::clamp(at, 0.0, static_cast<double>(cells - 1)));
}

std::vector<float> centres(double low, double high, size_t cells)
{
    std::vector<float> values(cells);
    for (size_t i = 0; i < cells; ++i)
        values[i] = static_cast<float>(low + (high - low) * (static_cast<double>(i) + 0.5) / static_cast<double>(cells));
    return values;
}

} // namespace

OptimiserMap MakeOptimiserMap(const OptimiserResult &result, const std::vector<OptimiserParameter> &parameters,
                              size_t x, size_t y, int cells)
{
    OptimiserMap map;
    map.xParameter = x;
    map.yParameter = y;
    map.xLow = parameters[x].low;
    map.xHigh = parameters[x].high;
    map.yLow = parameters[y].low;
    map.yHigh = parameters[y].high;
    // A range of one value still gets a cell to stand in.
    const size_t nx = map.xHigh > map.xLow ? static_cast<size_t>(std::max(1, cells)) : 1;
    const size_t ny = map.yHigh > map.yLow ? static_cast<size_t>(std::max(1, cells)) : 1;
    map.grid.xValues = centres(map.xLow, map.xHigh, nx);
    map.grid.yValues = centres(map.yLow, map.yHigh, ny);
    map.grid.cells.assign(nx * ny, DesignMapCell{});
    const auto cellIndex = [&](const std::vector<double> &values) {
        return cellOf(values[y], map.yLow, map.yHigh, ny) * nx + cellOf(values[x], map.xLow, map.xHigh, nx);
    };
    const auto point = [&](const std::vector<double> &values) { return QPointF(values[x], values[y]); };

    std::vector<double> bestScore; // of each search so far
    for (const OptimiserTrial &trial : result.tried) {
        DesignMapCell &cell = map.grid.cells[cellIndex(trial.values)];
        if (trial.time) {
            const float time = static_cast<float>(*trial.time);
            if (cell.kind != DesignMapCell::Finished || time < cell.time)
                cell = {DesignMapCell::Finished, time};
        } else if (cell.kind == DesignMapCell::NotRun) {
            cell = {DesignMapCell::NotFinished, 0.0f};
        }
        if (trial.search < 0) {
            map.samples.push_back(point(trial.values));
            continue;
        }
        const size_t search = static_cast<size_t>(trial.search);
        if (search >= map.paths.size()) {
            map.paths.resize(search + 1);
            bestScore.resize(search + 1);
        }
        // A step the search rejected is not part of its way.
        if (map.paths[search].empty() || trial.score < bestScore[search]) {
            map.paths[search].push_back(point(trial.values));
            bestScore[search] = trial.score;
        }
    }
    if (!result.tried.empty())
        map.start = point(result.tried.front().values);
    if (!result.best.empty())
        map.grid.best = static_cast<int>(cellIndex(result.best.front().values));
    return map;
}

QPointF OptimiserMapPoint(const QRectF &area, const OptimiserMap &map, const QPointF &values)
{
    const QRectF plot = designMapPlot(area, map.grid);
    const auto share = [](double value, double low, double high) {
        return high > low ? std::clamp((value - low) / (high - low), 0.0, 1.0) : 0.5;
    };
    return {plot.left() + share(values.x(), map.xLow, map.xHigh) * plot.width(),
            plot.bottom() - share(values.y(), map.yLow, map.yHigh) * plot.height()};
}

} // namespace zindle
