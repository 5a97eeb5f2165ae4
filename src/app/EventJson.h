// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event as the command line's --json and the classroom's web page give it: the chart, with
// each car by its file name and null for an empty or blocked lane, and the standings.

#include "model/RaceEvent.h"

#include <QJsonObject>

namespace zindle {

// {"heats": [{"lanes": ["car7.zndl", null, ...]}, ...]}
QJsonObject ScheduleJson(const RaceEvent &event);
// As ScheduleJson, with each heat's times once recorded and the heat to run next: the page's.
QJsonObject EventStateJson(const RaceEvent &event);
// {"scoring": ..., "dropSlowest": ..., "standings": [{"place", "car", "runs", ...}]}
QJsonObject StandingsJson(const RaceEvent &event);

} // namespace zindle
