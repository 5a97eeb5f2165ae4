// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The runs a class measured with the built car, drawn on the distance chart over the predicted
// curve: the prediction continued past the spring's end (dashed, "with coasting"), each run's
// timed marks as points in a colour of its own, and each run's error in the legend.

#include "charts/ChartFrame.h"
#include "model/MeasuredRun.h"
#include "physics/Coast.h"

#include <QPainter>
#include <QString>
#include <vector>

namespace zindle {

struct MeasuredOverlay {
    QString track;                  // the runs' track; empty when they are of several
    std::vector<MeasuredRun> runs;
    CoastedRun prediction;          // the design's run with coasting
    bool calibrated = false;        // the prediction has the track's calibration
};

// The time and distance the overlay needs in view: its marks, and the predicted curve as far
// as the farthest of them and the 15 ft line.
struct OverlayExtent {
    double timeHigh = 0.0, distanceHigh = 0.0;
};
OverlayExtent overlayExtent(const MeasuredOverlay &overlay);

// The chart's title with the runs: "Distance and measured runs, RMS error 0.04 s".
QString overlayTitle(const MeasuredOverlay &overlay, const QString &chartTitle);

// Draws the coasting curve and the points, and appends the legend's entries.
void paintMeasuredOverlay(QPainter &painter, const PlotFrame &frame, const MeasuredOverlay &overlay,
                          const QColor &curveColour, std::vector<LegendEntry> &legend);

} // namespace zindle
