// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeagueColumns.h"

#include "files/PathText.h"

#include <QFileInfo>
#include <algorithm>

namespace zindle {

namespace {

// Where the measured columns go in: after the predicted time.
constexpr int MeasuredAt = 4;

} // namespace

std::vector<StandingColumn> standingColumns(bool measured)
{
    std::vector<StandingColumn> columns{{QStringLiteral("Place"), QStringLiteral("Place"), true},
                                        {QStringLiteral("Design"), QStringLiteral("Design"), false},
                                        {QStringLiteral("File"), QStringLiteral("File"), false},
                                        {QStringLiteral("Time to 15 ft (sec)"), QStringLiteral("Time (sec)"), true},
                                        {QStringLiteral("Peak speed (ft/sec)"), QStringLiteral("Peak speed"), true},
                                        {QStringLiteral("Powered distance (ft)"), QStringLiteral("Powered distance"), true},
                                        {QStringLiteral("Total Car Mass (lbm)"), QStringLiteral("Mass (lbm)"), true},
                                        {QStringLiteral("Advisories"), QStringLiteral("Advisories"), false}};
    if (measured)
        columns.insert(columns.begin() + MeasuredAt,
                       {{QStringLiteral("Measured (sec)"), QStringLiteral("Measured"), true},
                        {QStringLiteral("Error"), QStringLiteral("Error"), true}});
    return columns;
}

QStringList rowCells(const StandingRow &row, bool measured)
{
    const StandingTexts t = standingTexts(row);
    QStringList cells{t.place,
                      row.readable() ? printableText(row.name) : QStringLiteral("-"),
                      printableText(row.source),
                      t.time,
                      t.peakSpeed,
                      t.distance,
                      t.mass,
                      printableText(t.advisories)};
    if (measured) {
        cells.insert(MeasuredAt, t.error);
        cells.insert(MeasuredAt, t.measured);
    }
    return cells;
}

QStringList calibrationNotes(const std::vector<StandingRow> &rows)
{
    QStringList texts;
    QStringList folders;
    bool everyDesign = true;
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        if (row.calibration.isEmpty())
            everyDesign = false;
        else if (!texts.contains(row.calibration)) {
            texts << row.calibration;
            folders << QFileInfo(row.source).path();
        }
    }
    QStringList notes;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QString note = QStringLiteral("Predictions ") + printableText(texts[i]);
        if (!everyDesign || texts.size() > 1)
            note += QStringLiteral(" (designs in ") + printableText(folders[i]) + QLatin1Char(')');
        notes << note;
    }
    return notes;
}

QString summaryLine(const std::vector<StandingRow> &rows)
{
    const int read = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const StandingRow &r) { return r.readable(); }));
    const int unreadable = static_cast<int>(rows.size()) - read;
    QString line = QStringLiteral("%1 design%2").arg(read).arg(read == 1 ? "" : "s");
    if (unreadable > 0)
        line += QStringLiteral(", %1 file%2 could not be read").arg(unreadable).arg(unreadable == 1 ? "" : "s");
    return line;
}

QString heatTitle(const Heat &heat, const std::vector<Heat> &heats)
{
    const int cars = static_cast<int>(heat.lanes.size());
    const QString size = QStringLiteral("%1 car%2").arg(cars).arg(cars == 1 ? "" : "s");
    if (heat.final)
        return QStringLiteral("Final (%1)").arg(size);
    const auto inRound = std::count_if(heats.begin(), heats.end(), [&heat](const Heat &h) { return h.round == heat.round; });
    return QStringLiteral("Round %1, heat %2 of %3 (%4)").arg(heat.round).arg(heat.number).arg(inRound).arg(size);
}

QString laneLine(const HeatLane &lane)
{
    return QStringLiteral("%1 %2: %3").arg(lane.lane).arg(printableText(lane.name), lane.text);
}

QString winnerLine(const Heat &heat)
{
    if (heat.winnerLane < 0)
        return {};
    return (heat.final ? QStringLiteral("Winner: ") : QStringLiteral("Goes on: "))
           + printableText(heat.lanes[static_cast<size_t>(heat.winnerLane)].name);
}

} // namespace zindle
