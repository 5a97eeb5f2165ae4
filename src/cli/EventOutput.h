// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the event commands print: the track, a heat, the chart, the standings (as text, JSON
// and CSV). Numbers are written the same in every locale.

#include "model/RaceEvent.h"

#include <QString>
#include <QTextStream>

namespace zindle::cli {

struct ParsedArguments;

// "4 lanes" or "4 lanes (lane 3 blocked)"
QString trackText(const RaceEvent &event);
// "Heat 3: lane 1 car7.zndl 1.62 s, lane 2 -, lane 3 car2.zndl DNF" (times once recorded)
QString heatLine(const RaceEvent &event, int index);

int printSchedule(const RaceEvent &event, bool json, QTextStream &out);
int printStandings(const RaceEvent &event, const ParsedArguments &parsed, QTextStream &out, QTextStream &err);

} // namespace zindle::cli
