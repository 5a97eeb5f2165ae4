// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race as a chart: distance against time for every raced design, in the colours of the race
// view (the selected design, the others, skidding stretches), the finish line at 15 ft and the
// winner marked where it crossed.

#include "model/DesignList.h"
#include "physics/Race.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace zindle {

struct RaceChartLane {
    int slot = 0;
    QString name;
    bool selected = false;            // the current design
    std::vector<float> distance;      // ft, 0.01 s apart from t = 0 (the recorded samples)
    std::vector<unsigned char> skid;  // 1 where the car skidded, same length
    int place = 0;                    // 0, or the place with which it crossed 15 ft
    int finishIndex = -1;             // hundredths of a second at the crossing the race shows
};

// The recorded samples of `trace` as a lane's distance and skid, from 0 ft at t = 0.
void fillLaneFromTrace(RaceChartLane &lane, const RaceTrace &trace);

// The lanes of every simulated design in slots 0 to 15, with the places of `race` (replayed to
// its end), in slot order.
std::vector<RaceChartLane> raceChartLanes(const DesignList &list, const RaceState &race);

// `highlighted` names the lanes drawn in the selected design's colour in the legend: the race
// view's current design (empty: "Selected design"), or the class standings' leader.
void paintRaceChart(QPainter &painter, const QRectF &area, const std::vector<RaceChartLane> &lanes,
                    const QString &highlighted = {});

} // namespace zindle
