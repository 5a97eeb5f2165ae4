// SPDX-License-Identifier: GPL-3.0-or-later
// The class standings as text: the terminal table, the heats and the CSV file.

#include "LeagueColumns.h"
#include "LeaguePages.h"
#include "files/PathText.h"
#include "model/CsvCell.h"

#include <algorithm>

namespace zindle {

namespace {

// The time as a number, also for a car short of the line, whose TimeEF has it in brackets.
QString timeNumber(const StandingRow &row)
{
    if (!row.ran)
        return {};
    QString time = row.TimeEF;
    if (time.startsWith(QLatin1Char('[')) && time.endsWith(QLatin1Char(']')))
        time = time.mid(1, time.size() - 2);
    return time;
}

} // namespace

QString standingsTable(const std::vector<StandingRow> &rows)
{
    std::vector<QStringList> lines;
    QStringList header;
    for (int c = 0; c < StandingColumnCount; ++c)
        header << QString::fromLatin1(StandingColumnCaptions[c]);
    lines.push_back(header);
    for (const StandingRow &row : rows)
        if (row.readable())
            lines.push_back(rowCells(row));
    // Numbers right-aligned; the name, file and advisories left.
    const bool rightAligned[StandingColumnCount] = {true, false, false, true, true, true, true, false};
    int widths[StandingColumnCount] = {};
    for (const QStringList &cells : lines)
        for (int c = 0; c < StandingColumnCount; ++c)
            widths[c] = std::max(widths[c], static_cast<int>(cells[c].size()));
    QString out;
    for (const QStringList &cells : lines) {
        QString line;
        for (int c = 0; c < StandingColumnCount; ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            if (c == StandingColumnCount - 1)
                line += cells[c]; // no padding after the last column
            else if (rightAligned[c])
                line += cells[c].rightJustified(widths[c]);
            else
                line += cells[c].leftJustified(widths[c]);
        }
        out += line + QLatin1Char('\n');
    }
    bool headed = false;
    for (const StandingRow &row : rows) {
        if (row.readable())
            continue;
        if (!headed)
            out += QStringLiteral("\nNot read:\n");
        headed = true;
        out += QStringLiteral("  ") + printableText(row.source) + QStringLiteral(": ") + printableText(row.error)
               + QLatin1Char('\n');
    }
    return out;
}

QString heatsText(const std::vector<Heat> &heats, const std::vector<StandingRow> &rows)
{
    QString out;
    for (const Heat &heat : heats) {
        out += QLatin1Char('\n') + heatTitle(heat, heats) + QLatin1Char('\n');
        for (const HeatLane &lane : heat.lanes)
            out += laneLine(lane) + QLatin1Char('\n');
        if (heat.winnerLane >= 0) {
            const HeatLane &winner = heat.lanes[static_cast<size_t>(heat.winnerLane)];
            out += winnerLine(heat) + QStringLiteral(" (")
                   + printableText(rows[static_cast<size_t>(winner.row)].source) + QStringLiteral(")\n");
        }
    }
    return out;
}

QByteArray standingsCsv(const std::vector<StandingRow> &rows)
{
    // Time is the time as a number (also for a car short of the line); TimeEF the field's text.
    QString out = QStringLiteral(
        "Place,Design,File,Time,TimeEF,TopSpeedEF,PeakSpeedEF,PoweredDistanceEF,ProjectedMassEF,Advisories,Error\r\n");
    for (const StandingRow &row : rows) {
        const QStringList cells{csvNumberCell(row.place > 0 ? QString::number(row.place) : QString()),
                                csvTextCell(row.name),
                                csvTextCell(row.source),
                                csvNumberCell(timeNumber(row)),
                                csvTextCell(row.TimeEF),
                                csvNumberCell(row.TopSpeedEF),
                                csvNumberCell(row.PeakSpeedEF),
                                csvNumberCell(row.PoweredDistanceEF),
                                csvNumberCell(row.ProjectedMassEF),
                                csvTextCell(row.advisories.join(QStringLiteral("; "))),
                                csvTextCell(row.error)};
        out += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace zindle
