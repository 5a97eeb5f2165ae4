// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LaneTimeText.h"

#include "model/NumberText.h"
#include "model/RaceEvent.h"

namespace zindle {

namespace {

bool allDigits(const QString &text)
{
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    return !text.isEmpty();
}

bool isDnf(const QString &text)
{
    return text.compare(QLatin1String("D"), Qt::CaseInsensitive) == 0 ||
           text.compare(QLatin1String("DNF"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool laneTimeComplete(const QString &text)
{
    const QString t = text.trimmed();
    if (isDnf(t))
        return true;
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    if (point < 0)
        return t.size() == 3 && allDigits(t);
    return t.size() - point - 1 == 2 && allDigits(t.mid(point + 1)) && (point == 0 || allDigits(t.left(point)));
}

LaneTime parseLaneTime(const QString &text)
{
    const QString t = text.trimmed();
    LaneTime time;
    if (isDnf(t)) {
        time.ok = true;
        return time;
    }
    const QString refusal =
        QStringLiteral("\"%1\" is no time: type the seconds with a period (1.55), or three digits for "
                       "hundredths (155), or D for a car that did not finish")
            .arg(t);
    double seconds = 0.0;
    if (allDigits(t)) {
        seconds = t.toLongLong() / 100.0;
    } else {
        // Only digits around one point: what a stopwatch shows, nothing a spreadsheet would take.
        const qsizetype point = t.indexOf(QLatin1Char('.'));
        const QString whole = t.left(point), decimals = t.mid(point + 1);
        const std::optional<double> typed = parseDouble(t);
        if (point < 0 || decimals.isEmpty() || !allDigits(decimals) || (!whole.isEmpty() && !allDigits(whole)) || !typed) {
            time.error = refusal;
            return time;
        }
        seconds = *typed;
    }
    if (t.size() > 9 || !(seconds > 0.0) || seconds > MaxEventTimeS) {
        time.error = QStringLiteral("%1 is no time for a heat: a time lies above 0 and up to 100 s, or D for a car that "
                                    "did not finish")
                         .arg(t);
        return time;
    }
    time.ok = true;
    time.seconds = seconds;
    return time;
}

} // namespace zindle
