// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeagueColumns.h"

#include "files/PathText.h"
#include "physics/Advisories.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace zindle {

namespace {

// Where the measured columns go in: after the predicted time.
constexpr int MeasuredAt = 4;

QString worded(const char *english, Wording wording)
{
    return wording == Wording::Shown ? QCoreApplication::translate("LeaguePages", english) : QString::fromUtf8(english);
}

} // namespace

QString StandingColumn::worded(Wording wording) const { return zindle::worded(caption, wording); }

QString StandingColumn::pdfWorded(Wording wording) const { return zindle::worded(pdfCaption, wording); }

std::vector<StandingColumn> standingColumns(bool measured)
{
    std::vector<StandingColumn> columns{
        {QT_TRANSLATE_NOOP("LeaguePages", "Place"), QT_TRANSLATE_NOOP("LeaguePages", "Place"), true},
        {QT_TRANSLATE_NOOP("LeaguePages", "Design"), QT_TRANSLATE_NOOP("LeaguePages", "Design"), false},
        {QT_TRANSLATE_NOOP("LeaguePages", "File"), QT_TRANSLATE_NOOP("LeaguePages", "File"), false},
        {QT_TRANSLATE_NOOP("LeaguePages", "Time to 15 ft (sec)"), QT_TRANSLATE_NOOP("LeaguePages", "Time (sec)"),
         true},
        {QT_TRANSLATE_NOOP("LeaguePages", "Peak speed (ft/sec)"), QT_TRANSLATE_NOOP("LeaguePages", "Peak speed"),
         true},
        {QT_TRANSLATE_NOOP("LeaguePages", "Powered distance (ft)"),
         QT_TRANSLATE_NOOP("LeaguePages", "Powered distance"), true},
        {QT_TRANSLATE_NOOP("LeaguePages", "Total Car Mass (lbm)"), QT_TRANSLATE_NOOP("LeaguePages", "Mass (lbm)"),
         true},
        {QT_TRANSLATE_NOOP("LeaguePages", "Advisories"), QT_TRANSLATE_NOOP("LeaguePages", "Advisories"), false}};
    if (measured)
        columns.insert(columns.begin() + MeasuredAt,
                       {{QT_TRANSLATE_NOOP("LeaguePages", "Measured (sec)"), QT_TRANSLATE_NOOP("LeaguePages", "Measured"),
                         true},
                        {QT_TRANSLATE_NOOP("LeaguePages", "Error"), QT_TRANSLATE_NOOP("LeaguePages", "Error"), true}});
    return columns;
}

QStringList rowCells(const StandingRow &row, bool measured, Wording wording)
{
    StandingTexts t = standingTexts(row);
    // The rows keep their advisories in English, as the CSV writes them; a page shows them as the
    // window does.
    if (wording == Wording::Shown && row.readable()) {
        QStringList shown;
        for (const QString &advisory : row.advisories)
            shown << advisoryText(advisory);
        t.advisories = shown.join(QStringLiteral("; "));
    }
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

QStringList calibrationNotes(const std::vector<StandingRow> &rows, Wording wording)
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
        if (!everyDesign || texts.size() > 1)
            notes << worded(QT_TRANSLATE_NOOP("LeaguePages", "Predictions %1 (designs in %2)"), wording)
                         .arg(printableText(texts[i]), printableText(folders[i]));
        else
            notes << worded(QT_TRANSLATE_NOOP("LeaguePages", "Predictions %1"), wording).arg(printableText(texts[i]));
    }
    return notes;
}

QString summaryLine(const std::vector<StandingRow> &rows, Wording wording)
{
    const int read = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const StandingRow &r) { return r.readable(); }));
    const int unreadable = static_cast<int>(rows.size()) - read;
    const QString designs = QString::number(read), files = QString::number(unreadable);
    const char *line = nullptr;
    if (unreadable == 0)
        line = read == 1 ? QT_TRANSLATE_NOOP("LeaguePages", "1 design") : QT_TRANSLATE_NOOP("LeaguePages", "%1 designs");
    else if (read == 1)
        line = unreadable == 1 ? QT_TRANSLATE_NOOP("LeaguePages", "1 design, 1 file could not be read")
                               : QT_TRANSLATE_NOOP("LeaguePages", "1 design, %1 files could not be read");
    else
        line = unreadable == 1 ? QT_TRANSLATE_NOOP("LeaguePages", "%1 designs, 1 file could not be read")
                               : QT_TRANSLATE_NOOP("LeaguePages", "%1 designs, %2 files could not be read");
    // Each count goes where the sentence has room for it.
    if (read != 1 && unreadable > 1)
        return worded(line, wording).arg(designs, files);
    if (read != 1)
        return worded(line, wording).arg(designs);
    if (unreadable > 1)
        return worded(line, wording).arg(files);
    return worded(line, wording);
}

QString heatTitle(const Heat &heat, const std::vector<Heat> &heats, Wording wording)
{
    const int cars = static_cast<int>(heat.lanes.size());
    const QString size = cars == 1 ? worded(QT_TRANSLATE_NOOP("LeaguePages", "1 car"), wording)
                                   : worded(QT_TRANSLATE_NOOP("LeaguePages", "%1 cars"), wording).arg(cars);
    if (heat.final)
        return worded(QT_TRANSLATE_NOOP("LeaguePages", "Final (%1)"), wording).arg(size);
    const auto inRound = std::count_if(heats.begin(), heats.end(), [&heat](const Heat &h) { return h.round == heat.round; });
    return worded(QT_TRANSLATE_NOOP("LeaguePages", "Round %1, heat %2 of %3 (%4)"), wording)
        .arg(QString::number(heat.round), QString::number(heat.number), QString::number(inRound), size);
}

QString laneLine(const HeatLane &lane)
{
    return QStringLiteral("%1 %2: %3").arg(lane.lane).arg(printableText(lane.name), lane.text);
}

QString winnerLine(const Heat &heat, Wording wording)
{
    if (heat.winnerLane < 0)
        return {};
    const char *line = heat.final ? QT_TRANSLATE_NOOP("LeaguePages", "Winner: %1")
                                  : QT_TRANSLATE_NOOP("LeaguePages", "Goes on: %1");
    return worded(line, wording).arg(printableText(heat.lanes[static_cast<size_t>(heat.winnerLane)].name));
}

} // namespace zindle
