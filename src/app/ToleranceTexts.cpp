// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToleranceTexts.h"

#include "model/NumberText.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace zindle {

std::optional<double> ParseToleranceValue(QString text, bool inches)
{
    text = text.trimmed();
    if (!inches && text.endsWith(QLatin1Char('%')))
        text.chop(1);
    std::optional<double> value;
    const int slash = text.indexOf(QLatin1Char('/'));
    if (inches && slash > 0) {
        const std::optional<double> top = parseDouble(text.left(slash)), bottom = parseDouble(text.mid(slash + 1));
        if (top && bottom && *bottom > 0.0)
            value = *top / *bottom;
    } else {
        value = parseDouble(text);
    }
    if (!value || !std::isfinite(*value) || *value < 0.0 || *value > (inches ? 0.5 : 50.0))
        return std::nullopt;
    return inches ? *value : *value / 100.0;
}

QString ToleranceValueText(const ToleranceKind &kind, const BuildTolerances &tolerances)
{
    const double value = tolerances.*kind.value;
    return kind.inches ? fixedText(value, 4) + QStringLiteral(" in") : fixedText(value * 100.0, 1) + QStringLiteral(" %");
}

namespace {

// Whole sentences, with and without the size that matters most, so that each language words
// them its own way. They stay English where the command line writes them as data.
constexpr const char *Context = "ToleranceTexts";
enum Outcome { EveryTime, Spread, FewReachHalfBy, FewReach };
const char *const Sentences[4][2] = {
    {QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, your car reaches 15 ft in %1 s every time."),
     QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, your car reaches 15 ft in %1 s every time; "
                                         "the %2 matters most (%3 % of the spread).")},
    {QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 "
                                         "builds), typically %3 s."),
     QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 "
                                         "builds), typically %3 s; the %4 matters most (%5 % of the spread).")},
    {QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half "
                                         "of all builds by %2 s."),
     QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half "
                                         "of all builds by %2 s; the %3 matters most (%4 % of the spread).")},
    {QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, only %1 in 100 of your cars reach 15 ft."),
     QT_TRANSLATE_NOOP("ToleranceTexts", "Built within these tolerances, only %1 in 100 of your cars reach 15 ft; the "
                                         "%2 matters most (%3 % of the spread).")},
};

QString sentence(const ToleranceStudy &study, bool translated)
{
    const auto say = [translated](const char *context, const char *source) {
        return translated ? QCoreApplication::translate(context, source) : QString::fromUtf8(source);
    };
    const bool matters = study.largestShare >= 0;
    const size_t q = matters ? static_cast<size_t>(study.largestShare) : 0;
    QStringList values;
    Outcome outcome = FewReach;
    if (study.p5 && study.p95 && *study.p5 == *study.p95) {
        outcome = EveryTime;
        values << text00(*study.p50);
    } else if (study.p5 && study.p95) {
        outcome = Spread;
        values << text00(*study.p5) << text00(*study.p95) << text00(*study.p50);
    } else {
        outcome = study.p50 ? FewReachHalfBy : FewReach;
        values << QString::number(std::lround(study.reachProbability * 100.0));
        if (study.p50)
            values << text00(*study.p50);
    }
    if (matters)
        values << say("zindle::TolerancesWindow", ToleranceKinds[q].caption) << fixedText(study.shares[q], 0);
    QString said = say(Context, Sentences[outcome][matters ? 1 : 0]);
    for (const QString &value : values)
        said = said.arg(value);
    return said;
}

} // namespace

QString ToleranceSentence(const ToleranceStudy &study) { return sentence(study, false); }

QString ShownToleranceSentence(const ToleranceStudy &study) { return sentence(study, true); }

} // namespace zindle
