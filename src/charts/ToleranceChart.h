// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How sure the prediction is: the histogram of the builds' times to 15 ft with the 5th, 50th
// and 95th percentile and the design's own time marked, the chance of reaching 15 ft in words,
// and under it one bar per tolerance with its share of the spread.

#include "charts/ChartFrame.h"
#include "physics/ToleranceStatistics.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace zindle {

struct ToleranceShare {
    QString caption; // "board density"
    double percent = 0.0;
};

struct ToleranceChartData {
    QString designName; // in the title when not empty
    TimeHistogram histogram;
    std::optional<double> p5, p50, p95, nominal; // s
    double reachProbability = 0.0;
    int builds = 0;
    std::vector<ToleranceShare> shares;
};

void paintToleranceChart(QPainter &painter, const QRectF &area, const ToleranceChartData &data);

} // namespace zindle
