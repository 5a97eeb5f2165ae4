// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the spring's energy went: over time, stacked (the car's motion at the bottom, then the
// wheels' share, friction, skidding and the at-rest rule, whose top is what the spring has
// delivered so far), and beside it one bar per term at the moment shown.

#include "charts/ChartFrame.h"
#include "physics/RunEnergy.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace zindle {

struct EnergyChartOptions {
    QString designName;       // in the title when not empty
    int markedTimeIndex = -1; // the bars' moment; -1: the end of the run
};

// The colour of each term, bottom to top, as the chart and its legend draw them.
QColor energyTermColour(int term);
inline constexpr int EnergyTermCount = 5;

void paintEnergyChart(QPainter &painter, const QRectF &area, const EnergyTrace &trace,
                      const EnergyChartOptions &options = {});

} // namespace zindle
