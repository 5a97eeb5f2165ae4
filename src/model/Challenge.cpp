// SPDX-License-Identifier: GPL-3.0-or-later
#include "Challenge.h"

#include "NumberText.h"

#include <QCoreApplication>

namespace zindle {

namespace {

constexpr const char *Context = "Challenge";

struct OperatorText {
    const char *text;
    RuleOperator op;
};
constexpr OperatorText Operators[] = {{"<=", RuleOperator::AtMost}, {">=", RuleOperator::AtLeast}, {"=", RuleOperator::Equal}};

std::optional<ChallengeRule> refuse(RuleRefusal &refusal, const char *source, const QString &rule, const QString &detail = {})
{
    refusal = {source, rule, detail};
    return std::nullopt;
}

} // namespace

const std::vector<RuleKind> &ruleKinds()
{
    static const std::vector<RuleKind> kinds{
        {"mass", RuleValue::Number, "lb", QT_TRANSLATE_NOOP("ChallengeCheck", "Mass")},
        {"body-length", RuleValue::Number, "in", QT_TRANSLATE_NOOP("ChallengeCheck", "Body length")},
        {"body-height", RuleValue::Number, "in", QT_TRANSLATE_NOOP("ChallengeCheck", "Body height")},
        {"drive-wheel", RuleValue::Number, "in", QT_TRANSLATE_NOOP("ChallengeCheck", "Drive wheel")},
        {"other-wheel", RuleValue::Number, "in", QT_TRANSLATE_NOOP("ChallengeCheck", "Other wheel")},
        {"layers", RuleValue::Number, "", QT_TRANSLATE_NOOP("ChallengeCheck", "Layers")},
        {"spring-length", RuleValue::Number, "in", QT_TRANSLATE_NOOP("ChallengeCheck", "Spring length")},
        {"spring-width", RuleValue::Number, "in", QT_TRANSLATE_NOOP("ChallengeCheck", "Spring width")},
        {"drive", RuleValue::Word, "", QT_TRANSLATE_NOOP("ChallengeCheck", "Drive")},
        {"material", RuleValue::Word, "", QT_TRANSLATE_NOOP("ChallengeCheck", "Material")},
        {"reaches-15ft", RuleValue::Flag, "", nullptr},
        {"no-skid", RuleValue::Flag, "", nullptr},
    };
    return kinds;
}

const RuleKind *ruleKind(const QString &name)
{
    for (const RuleKind &kind : ruleKinds())
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

QString ruleNamesText()
{
    QStringList names;
    for (const RuleKind &kind : ruleKinds())
        names << QLatin1String(kind.name);
    return names.join(QStringLiteral(", "));
}

QString RuleRefusal::english() const
{
    const QString sentence = QString::fromUtf8(source);
    return detail.isEmpty() ? sentence.arg(rule) : sentence.arg(rule, detail);
}

QString RuleRefusal::shown() const
{
    const QString sentence = QCoreApplication::translate(Context, source);
    return detail.isEmpty() ? sentence.arg(rule) : sentence.arg(rule, detail);
}

std::optional<ChallengeRule> parseRule(const QString &text, RuleRefusal &refusal)
{
    ChallengeRule rule;
    const QString written = text.trimmed();
    QString limit;
    rule.name = written;
    // The first operator splits, so that a material's name may hold one of its own.
    for (qsizetype at = 0; at < written.size(); ++at) {
        const QChar c = written[at];
        qsizetype width = 1;
        if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            if (at + 1 >= written.size() || written[at + 1] != QLatin1Char('='))
                continue;
            rule.op = c == QLatin1Char('<') ? RuleOperator::AtMost : RuleOperator::AtLeast;
            width = 2;
        } else if (c == QLatin1Char('=')) {
            rule.op = RuleOperator::Equal;
        } else {
            continue;
        }
        rule.name = written.left(at).trimmed();
        limit = written.mid(at + width).trimmed();
        break;
    }
    const RuleKind *kind = ruleKind(rule.name);
    if (!kind)
        return refuse(refusal, QT_TRANSLATE_NOOP("Challenge", "unknown rule \"%1\"; the rules are: %2"), rule.name,
                      ruleNamesText());
    switch (kind->value) {
    case RuleValue::Flag:
        if (rule.op != RuleOperator::None)
            return refuse(refusal, QT_TRANSLATE_NOOP("Challenge", "the rule \"%1\" takes no value"), written);
        break;
    case RuleValue::Number: {
        const std::optional<double> number = parseDouble(limit);
        if (rule.op == RuleOperator::None || !number)
            return refuse(refusal, QT_TRANSLATE_NOOP("Challenge", "the rule \"%1\" needs <=, >= or = and a number"),
                          written);
        rule.number = *number;
        break;
    }
    case RuleValue::Word:
        if (rule.name == QLatin1String("drive") && (rule.op != RuleOperator::Equal || !DriveWords.contains(limit)))
            return refuse(refusal, QT_TRANSLATE_NOOP("Challenge", "the rule \"%1\" needs = and one of: %2"), written,
                          DriveWords.join(QStringLiteral(", ")));
        if (rule.op != RuleOperator::Equal || limit.isEmpty())
            return refuse(refusal, QT_TRANSLATE_NOOP("Challenge", "the rule \"%1\" needs = and a material's name"),
                          written);
        break;
    }
    rule.limit = limit;
    // One spelling for one rule, whatever the spaces typed: it heads a CSV column.
    rule.text = rule.name;
    for (const OperatorText &candidate : Operators)
        if (candidate.op == rule.op)
            rule.text += QLatin1Char(' ') + QLatin1String(candidate.text) + QLatin1Char(' ') + limit;
    return rule;
}

std::optional<ChallengeScoring> parseScoring(const QString &text)
{
    const QString written = text.trimmed();
    if (written == QLatin1String("time"))
        return ChallengeScoring{ScoringKind::Time, 0};
    if (written == QLatin1String("distance"))
        return ChallengeScoring{ScoringKind::Distance, 0};
    if (written == QLatin1String("efficiency"))
        return ChallengeScoring{ScoringKind::Efficiency, 0};
    if (written.startsWith(QLatin1String("target:"))) {
        const std::optional<double> time = parseDouble(written.mid(7));
        if (time && *time > 0)
            return ChallengeScoring{ScoringKind::Target, *time};
    }
    return std::nullopt;
}

QString scoringText(const ChallengeScoring &scoring)
{
    switch (scoring.kind) {
    case ScoringKind::Time: return QStringLiteral("time");
    case ScoringKind::Distance: return QStringLiteral("distance");
    case ScoringKind::Efficiency: return QStringLiteral("efficiency");
    case ScoringKind::Target: break;
    }
    return QStringLiteral("target:") + doubleText(scoring.targetTime);
}

QString promptWhenText(PromptWhen when)
{
    return when == PromptWhen::AfterRace ? QStringLiteral("after-race") : QStringLiteral("before-first-simulation");
}

std::optional<PromptWhen> parsePromptWhen(const QString &text)
{
    if (text == QLatin1String("before-first-simulation"))
        return PromptWhen::BeforeFirstSimulation;
    if (text == QLatin1String("after-race"))
        return PromptWhen::AfterRace;
    return std::nullopt;
}

} // namespace zindle
