// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandingsChart.h"

#include "charts/RaceChart.h"

#include <QCoreApplication>

#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StandingsChart)
};

} // namespace

void paintStandingsChart(QPainter &painter, const QRectF &area, const std::vector<const StandingRow *> &cars)
{
    // The race chart's painter, with the leader in the colour the race gives the chosen design.
    std::vector<RaceChartLane> lanes;
    for (const StandingRow *car : cars) {
        RaceChartLane lane;
        lane.slot = static_cast<int>(lanes.size());
        lane.name = car->name;
        lane.selected = car->place == 1;
        fillLaneFromTrace(lane, car->trace);
        lane.place = car->place;
        lane.finishIndex = car->finished ? static_cast<int>(std::lround(car->time * 100.0f)) : -1;
        lanes.push_back(std::move(lane));
    }
    paintRaceChart(painter, area, lanes, Texts::tr("Leader"));
}

} // namespace zindle
