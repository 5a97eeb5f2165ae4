// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The distance-time chart of the standings' first cars, drawn by the race chart's painter: one
// curve per car over its recorded run, the 15 ft line, each car's place and name, the winner.

#include "physics/Standings.h"

#include <QPainter>
#include <QRectF>
#include <vector>

namespace zindle {

void paintStandingsChart(QPainter &painter, const QRectF &area, const std::vector<const StandingRow *> &cars);

} // namespace zindle
