// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeagueRules.h"

#include "files/PathText.h"
#include "model/CsvCell.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <algorithm>

namespace zindle {

namespace {

QString worded(const char *english, Wording wording)
{
    return wording == Wording::Shown ? QCoreApplication::translate("LeaguePages", english) : QString::fromUtf8(english);
}

int decimalsOf(const QString &number)
{
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(number.size() - point - 1);
}

// A measured number as short as the table can take it: as many decimals as the rule was
// written with, two for a size, three for a mass (the standings' mass column); a count as it is.
QString shortNumber(const RuleCheck &check, const RuleKind &kind)
{
    const std::optional<float> value = parseFloat(check.value);
    if (!value)
        return {};
    if (!*kind.unit)
        return check.value;
    const int least = check.name == QLatin1String("mass") ? 3 : 2;
    return fixedText(*value, std::max(least, decimalsOf(check.limit)));
}

QString valueText(const RuleCheck &check, Wording wording)
{
    const RuleKind *kind = ruleKind(check.name);
    if (!kind)
        return {};
    if (kind->value == RuleValue::Number)
        return shortNumber(check, *kind);
    if (kind->value == RuleValue::Word)
        return printableText(check.value);
    if (check.name == QLatin1String("no-skid"))
        return check.passed ? worded(QT_TRANSLATE_NOOP("LeaguePages", "no skid"), wording)
                            : worded(QT_TRANSLATE_NOOP("LeaguePages", "skid"), wording);
    if (check.value.isEmpty())
        return {};
    const QString number = text00(floatOr(check.value, 0.0f));
    return check.passed ? worded(QT_TRANSLATE_NOOP("LeaguePages", "%1 s"), wording).arg(number)
                        : worded(QT_TRANSLATE_NOOP("LeaguePages", "%1 ft"), wording).arg(number);
}

QString scoreText(const StandingRow &row, const Challenge &challenge)
{
    if (!row.score)
        return QStringLiteral("-");
    return fixedText(*row.score, challenge.scoring.kind == ScoringKind::Efficiency ? 3 : 2);
}

// The value a gradebook reads as a number: a flag kept is 1.
QString gradebookValue(const RuleCheck &check)
{
    const RuleKind *kind = ruleKind(check.name);
    if (kind && kind->value == RuleValue::Flag)
        return check.passed ? QStringLiteral("1") : QStringLiteral("0");
    if (kind && kind->value == RuleValue::Word)
        return csvTextCell(check.value);
    return csvNumberCell(check.value);
}

} // namespace

QString scoringLine(const Challenge &challenge, Wording wording)
{
    QString scoring;
    switch (challenge.scoring.kind) {
    case ScoringKind::Time:
        scoring = worded(QT_TRANSLATE_NOOP("LeaguePages", "scored by the time to 15 ft, quickest first"), wording);
        break;
    case ScoringKind::Distance:
        scoring = worded(QT_TRANSLATE_NOOP("LeaguePages", "scored by the powered distance, farthest first"), wording);
        break;
    case ScoringKind::Target:
        scoring = worded(QT_TRANSLATE_NOOP("LeaguePages", "scored by the time to 15 ft nearest %1 s, the cars "
                                                          "short of 15 ft after them, farthest first"),
                         wording)
                      .arg(doubleText(challenge.scoring.targetTime));
        break;
    case ScoringKind::Efficiency:
        scoring = worded(QT_TRANSLATE_NOOP("LeaguePages", "scored by efficiency, the powered distance (ft) per "
                                                          "ft.lb the spring delivered, greatest first"),
                         wording);
        break;
    }
    if (challenge.title.isEmpty())
        return worded(QT_TRANSLATE_NOOP("LeaguePages", "Challenge: %1"), wording).arg(scoring);
    return worded(QT_TRANSLATE_NOOP("LeaguePages", "Challenge \"%1\": %2"), wording)
        .arg(printableText(challenge.title), scoring);
}

QStringList challengeHeaders(const Challenge &challenge, Wording wording)
{
    QStringList headers{worded(QT_TRANSLATE_NOOP("LeaguePages", "Score"), wording)};
    for (const ChallengeRule &rule : challenge.rules)
        headers << printableText(rule.text);
    headers << worded(QT_TRANSLATE_NOOP("LeaguePages", "Legal"), wording);
    return headers;
}

std::vector<ChallengeCell> challengeCells(const StandingRow &row, const Challenge &challenge, Wording wording)
{
    const QString none = QStringLiteral("-");
    std::vector<ChallengeCell> cells{{scoreText(row, challenge), false}};
    for (size_t i = 0; i < challenge.rules.size(); ++i) {
        if (!row.checked || i >= row.ruleChecks.size()) {
            cells.push_back({none, false});
            continue;
        }
        const RuleCheck &check = row.ruleChecks[i];
        QString text = valueText(check, wording);
        if (text.isEmpty())
            text = none;
        // Seen without colour, in the terminal as on paper.
        if (!check.passed)
            text += QLatin1Char('!');
        cells.push_back({text, !check.passed});
    }
    const bool legal = row.checked && row.legal();
    cells.push_back({legal ? worded(QT_TRANSLATE_NOOP("LeaguePages", "yes"), wording)
                           : worded(QT_TRANSLATE_NOOP("LeaguePages", "no"), wording),
                     !legal});
    return cells;
}

QByteArray classCsv(const std::vector<StandingRow> &rows, const Challenge &challenge)
{
    QStringList header{QStringLiteral("name"), QStringLiteral("file"), QStringLiteral("legal"),
                       QStringLiteral("score")};
    for (const ChallengeRule &rule : challenge.rules)
        header << csvTextCell(rule.text);
    for (const RubricRow &row : challenge.rubric)
        header << csvTextCell(QStringLiteral("%1 (weight %2)").arg(row.text, doubleText(row.weight)));
    QString out = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    // A gradebook's students stay where they were from one league to the next.
    std::vector<const StandingRow *> ordered;
    for (const StandingRow &row : rows)
        ordered.push_back(&row);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const StandingRow *a, const StandingRow *b) { return a->sourceIndex < b->sourceIndex; });
    for (const StandingRow *row : ordered) {
        const bool known = row->readable() && row->checked;
        QStringList cells{csvTextCell(row->name), csvTextCell(row->source),
                          known ? (row->legal() ? QStringLiteral("yes") : QStringLiteral("no")) : QString(),
                          csvNumberCell(row->score ? ScoreText(*row->score) : QString())};
        for (size_t i = 0; i < challenge.rules.size(); ++i)
            cells << (known && i < row->ruleChecks.size() ? gradebookValue(row->ruleChecks[i]) : QString());
        // Left empty: the teacher's marks, not the program's.
        for (size_t i = 0; i < challenge.rubric.size(); ++i)
            cells << QString();
        out += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace zindle
