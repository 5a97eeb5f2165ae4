// SPDX-License-Identifier: GPL-3.0-or-later
#include "Standings.h"

#include "RunComparison.h"
#include "model/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

// Where a row stands before scores are compared: cars with a score, cars that ran without one
// (short of the line, for the scorings by time), cars that did not run, files that were not read.
int standingGroup(const StandingRow &row, const std::optional<double> &score)
{
    if (!row.readable())
        return 6;
    const int broken = row.legal() ? 0 : 3;
    if (!row.ran)
        return broken + 2;
    return broken + (score ? 0 : 1);
}

bool ranksBefore(const StandingRow &a, const StandingRow &b, const ChallengeScoring &scoring)
{
    const std::optional<double> sa = ChallengeScore(a, scoring), sb = ChallengeScore(b, scoring);
    const int ga = standingGroup(a, sa), gb = standingGroup(b, sb);
    if (ga != gb)
        return ga < gb;
    // The same order among the cars that break a rule.
    const int g = ga % 3;
    if (ga < 6 && g == 0 && *sa != *sb)
        return GreaterScoreFirst(scoring) ? *sa > *sb : *sa < *sb;
    if (ga < 6 && g == 1 && a.distance != b.distance)
        return a.distance > b.distance;
    if (ga < 6 && g <= 1 && a.peakSpeed != b.peakSpeed)
        return a.peakSpeed > b.peakSpeed;
    if (ga < 6) {
        int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        if (byName == 0)
            byName = a.name.compare(b.name);
        if (byName != 0)
            return byName < 0;
    }
    // Same name (or unreadable): the file decides, so the order never depends on the threads.
    if (a.source != b.source)
        return a.source < b.source;
    return a.sourceIndex < b.sourceIndex;
}

} // namespace

std::optional<double> ChallengeScore(const StandingRow &row, const ChallengeScoring &scoring)
{
    if (!row.readable() || !row.ran)
        return std::nullopt;
    switch (scoring.kind) {
    case ScoringKind::Time:
        return row.finished ? std::optional<double>(row.time) : std::nullopt;
    case ScoringKind::Distance:
        return row.distance;
    case ScoringKind::Target:
        return row.finished ? std::optional<double>(std::abs(double(row.time) - scoring.targetTime)) : std::nullopt;
    case ScoringKind::Efficiency:
        return row.efficiency;
    }
    return std::nullopt;
}

QString ScoreText(double score)
{
    // A float's seven significant digits; 'f' where 'g' would write an exponent.
    const QString text = QString::number(score, 'g', 7);
    return text.contains(QLatin1Char('e')) ? QString::number(score, 'f', 7) : text;
}

bool GreaterScoreFirst(const ChallengeScoring &scoring)
{
    return scoring.kind == ScoringKind::Distance || scoring.kind == ScoringKind::Efficiency;
}

void RankStandings(std::vector<StandingRow> &rows, const ChallengeScoring &scoring)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [&scoring](const StandingRow &a, const StandingRow &b) { return ranksBefore(a, b, scoring); });
    int place = 0;
    for (StandingRow &row : rows)
        row.place = row.readable() && row.ran && row.legal() ? ++place : 0;
}

StandingTexts standingTexts(const StandingRow &row)
{
    const QString none = QStringLiteral("-");
    StandingTexts texts;
    texts.place = row.place > 0 ? QString::number(row.place) : none;
    texts.measured = row.measuredTime ? text00(*row.measuredTime) : none;
    texts.error = row.measuredTime && row.coastTime ? TimeErrorText(*row.measuredTime, *row.coastTime) : none;
    if (!row.readable()) {
        texts.time = texts.peakSpeed = texts.distance = texts.mass = none;
        texts.advisories = row.error;
        return texts;
    }
    auto orNone = [&none](const QString &text) { return text.isEmpty() ? none : text; };
    texts.time = row.finished ? text00(row.time) : orNone(row.TimeEF);
    texts.peakSpeed = orNone(row.PeakSpeedEF);
    texts.distance = row.PoweredDistanceEF.isEmpty() ? none : text00(row.distance);
    texts.mass = row.ProjectedMassEF.isEmpty() ? none : fixedText(row.mass, 3);
    texts.advisories = row.advisories.join(QStringLiteral("; "));
    return texts;
}

bool anyMeasured(const std::vector<StandingRow> &rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const StandingRow &row) { return row.measuredRuns > 0; });
}

} // namespace zindle
