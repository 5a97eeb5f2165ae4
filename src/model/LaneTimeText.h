// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lane's time as the timekeeper types it on race day, fast enough that a heat takes no more
// keys than its times' digits and one Enter: a stopwatch reads hundredths, so three digits
// without a point are a whole time ("155" is 1.55 s) and the entry moves on by itself; with a
// point the time is complete after its second decimal ("12.34"); "D" is a car that did not
// finish. A period is the decimal point, as everywhere in the program's numbers.
#include <QString>
#include <optional>

namespace zindle {

// Whether the text is a whole time the entry may move on from without waiting for more.
bool laneTimeComplete(const QString &text);

struct LaneTime {
    bool ok = false;
    std::optional<double> seconds; // none: did not finish
    QString error;                 // what to type instead, for a text that is no time
};
LaneTime parseLaneTime(const QString &text);

} // namespace zindle
