// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The charts of one run: distance, speed, and propulsion against traction over time. Steps in
// which a driven axle skidded are shaded in the race view's skid colour, the 15 ft line is
// drawn on the distance chart, and a marked moment (the frame shown while stepping) is drawn
// as a vertical line with the car's point on each curve.

#include "charts/ChartFrame.h"
#include "charts/MeasuredOverlay.h"
#include "physics/RunTrace.h"
#include "physics/ToleranceStatistics.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>

namespace zindle {

enum class RunChartKind { Distance, Speed, Forces };

struct RunChartOptions {
    QString designName;        // in the titles when not empty
    int markedTimeIndex = -1;  // hundredths of a second; -1 marks nothing
    // Runs measured with the built car, on the distance chart; its time axis then reaches them.
    std::optional<MeasuredOverlay> measured;
    // The run was predicted with a track's calibration: every chart's title says so.
    bool calibrated = false;
    // An earlier run drawn faded under this one on the distance and speed charts (what the
    // car did before the last what-if change), named in the legends.
    std::optional<RunTrace> compared = {};
    QString comparedName = {}; // the legend's name of the earlier run; empty is "Before"
    QString runName = {};      // the legend's name of this run when a compared run is drawn; empty is "Now"
    // Where 9 in 10 builds within the class's tolerances are at each moment (the distance
    // chart shades it under the curve).
    std::optional<ToleranceBand> band = {};
};

// The plot ranges a chart of `kind` uses for `run` (also what the tests check).
struct RunChartRanges {
    double timeHigh = 1.0;           // s, the end of the data
    double valueLow = 0.0, valueHigh = 1.0;
};
RunChartRanges runChartRanges(const RunTrace &run, RunChartKind kind, const RunChartOptions &options = {});
// The plot a chart of `kind` draws in `area` (for hit tests and the tests' pixel checks).
PlotFrame runChartFrame(const QRectF &area, const RunTrace &run, RunChartKind kind,
                        const RunChartOptions &options = {});

void paintRunChart(QPainter &painter, const QRectF &area, const RunTrace &run, RunChartKind kind,
                   const RunChartOptions &options = {});
// The three charts stacked in one area (distance on top).
void paintRunCharts(QPainter &painter, const QRectF &area, const RunTrace &run,
                    const RunChartOptions &options = {});

} // namespace zindle
