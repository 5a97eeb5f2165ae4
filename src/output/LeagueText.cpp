// SPDX-License-Identifier: GPL-3.0-or-later
// The class standings as text: the terminal table, the heats and the CSV file.

#include "LeagueColumns.h"
#include "LeaguePages.h"
#include "LeagueRules.h"
#include "files/PathText.h"
#include "model/CsvCell.h"
#include "model/NumberText.h"
#include "physics/RunComparison.h"

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

// The rules of the challenge the rows were checked against, as written; none without one.
QStringList challengeRules(const std::vector<StandingRow> &rows)
{
    QStringList rules;
    for (const StandingRow &row : rows)
        if (row.checked) {
            for (const RuleCheck &check : row.ruleChecks)
                rules << check.rule;
            break;
        }
    return rules;
}

bool anyChecked(const std::vector<StandingRow> &rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const StandingRow &row) { return row.checked; });
}

QString brokenRules(const StandingRow &row)
{
    QStringList broken;
    for (const RuleCheck &check : row.ruleChecks)
        if (!check.passed)
            broken << check.rule;
    return broken.join(QStringLiteral("; "));
}

} // namespace

QString standingsTable(const std::vector<StandingRow> &rows, const Challenge *challenge)
{
    const bool measured = anyMeasured(rows);
    const std::vector<StandingColumn> columns = standingColumns(measured);
    std::vector<bool> numbers;
    for (const StandingColumn &column : columns)
        numbers.push_back(column.number);
    std::vector<QStringList> lines;
    QStringList header;
    for (const StandingColumn &column : columns)
        header << column.worded(Wording::English);
    if (challenge) {
        const QStringList added = challengeHeaders(*challenge);
        header << added;
        numbers.insert(numbers.end(), static_cast<size_t>(added.size() - 1), true);
        numbers.push_back(false); // Legal
    }
    const int count = static_cast<int>(header.size());
    lines.push_back(header);
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        QStringList cells = rowCells(row, measured);
        if (challenge)
            for (const ChallengeCell &cell : challengeCells(row, *challenge))
                cells << cell.text;
        lines.push_back(cells);
    }
    std::vector<int> widths(static_cast<size_t>(count), 0);
    for (const QStringList &cells : lines)
        for (int c = 0; c < count; ++c)
            widths[static_cast<size_t>(c)] = std::max(widths[static_cast<size_t>(c)], static_cast<int>(cells[c].size()));
    QString out;
    // Said before the table: its numbers are not the designs' own model.
    QStringList notes = calibrationNotes(rows);
    if (challenge)
        notes.prepend(scoringLine(*challenge));
    for (const QString &note : notes)
        out += note + QLatin1Char('\n');
    if (!notes.isEmpty())
        out += QLatin1Char('\n');
    for (const QStringList &cells : lines) {
        QString line;
        for (int c = 0; c < count; ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            if (c == count - 1)
                line += cells[c]; // no padding after the last column
            else if (numbers[static_cast<size_t>(c)])
                line += cells[c].rightJustified(widths[static_cast<size_t>(c)]);
            else
                line += cells[c].leftJustified(widths[static_cast<size_t>(c)]);
        }
        out += line + QLatin1Char('\n');
    }
    bool headed = false;
    for (const StandingRow &row : rows) {
        if (!row.readable() || !row.checked || row.legal())
            continue;
        if (!headed)
            out += QStringLiteral("\nNot placed, a rule broken:\n");
        headed = true;
        QStringList sentences;
        for (const RuleCheck &check : row.ruleChecks)
            if (!check.passed)
                sentences << check.sentence;
        out += QStringLiteral("  ") + printableText(row.name) + QStringLiteral(": ")
               + printableText(sentences.join(QStringLiteral("; "))) + QLatin1Char('\n');
    }
    headed = false;
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
        "Place,Design,File,Time,TimeEF,TopSpeedEF,PeakSpeedEF,PoweredDistanceEF,ProjectedMassEF,Advisories,Error");
    // After the columns a reader of the older file knows, so that they stay where they were.
    const bool measured = anyMeasured(rows);
    const bool calibrated = !calibrationNotes(rows).isEmpty();
    if (measured)
        out += QStringLiteral(",MeasuredTime,TimeError,TimeErrorPercent");
    if (calibrated)
        out += QStringLiteral(",Calibrated");
    const bool checked = anyChecked(rows);
    const QStringList rules = challengeRules(rows);
    if (checked) {
        out += QStringLiteral(",legal,broken,Score");
        for (const QString &rule : rules)
            out += QLatin1Char(',') + csvTextCell(rule);
    }
    out += QStringLiteral("\r\n");
    for (const StandingRow &row : rows) {
        QStringList cells{csvNumberCell(row.place > 0 ? QString::number(row.place) : QString()),
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
        if (measured) {
            const bool compared = row.measuredTime && row.coastTime;
            cells << csvNumberCell(row.measuredTime ? doubleText(*row.measuredTime) : QString())
                  << csvNumberCell(compared ? doubleText(*row.measuredTime - *row.coastTime) : QString())
                  << csvNumberCell(compared ? doubleText(ErrorPercent(*row.measuredTime, *row.coastTime)) : QString());
        }
        if (calibrated)
            cells << csvTextCell(row.calibration);
        if (checked) {
            const bool known = row.readable() && row.checked;
            cells << (known ? (row.legal() ? QStringLiteral("yes") : QStringLiteral("no")) : QString())
                  << csvTextCell(known ? brokenRules(row) : QString())
                  << csvNumberCell(known && row.score ? ScoreText(*row.score) : QString());
            for (qsizetype i = 0; i < rules.size(); ++i)
                cells << (known && size_t(i) < row.ruleChecks.size()
                              ? csvNumberCell(row.ruleChecks[size_t(i)].value)
                              : QString());
        }
        out += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace zindle
