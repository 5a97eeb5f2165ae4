// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a search over two of its parameters looked, as the design map draws it: the designs
// tried gathered into the cells of an even grid over the two ranges (each cell the fastest car
// tried in it, blank where none was tried), the way each local search went from its start
// through every better design it found, and the samples of the global phase as points.

#include "app/Optimiser.h"
#include "charts/DesignMap.h"

#include <QPointF>
#include <QRectF>

namespace zindle {

struct OptimiserMap {
    DesignMapGrid grid;
    size_t xParameter = 0, yParameter = 1;
    double xLow = 0.0, xHigh = 1.0, yLow = 0.0, yHigh = 1.0;
    QPointF start;                          // the student's design, as its values (x, y)
    std::vector<std::vector<QPointF>> paths; // one per local search, in the order they started
    std::vector<QPointF> samples;
};

// The map of `result` over parameters `x` and `y` of `parameters`, `cells` to an axis. The
// titles are the caller's: the map's painter shows them as they are given.
OptimiserMap MakeOptimiserMap(const OptimiserResult &result, const std::vector<OptimiserParameter> &parameters,
                              size_t x, size_t y, int cells);

// Where the values (x, y) lie on the map painted in `area` (a drive wheel the build enlarged
// past its range is drawn at the edge).
QPointF OptimiserMapPoint(const QRectF &area, const OptimiserMap &map, const QPointF &values);

} // namespace zindle
