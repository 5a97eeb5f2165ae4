// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToleranceTexts.h"

#include "model/NumberText.h"

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

QString ToleranceSentence(const ToleranceStudy &study)
{
    const int reachPercent = static_cast<int>(std::lround(study.reachProbability * 100.0));
    QString sentence;
    if (study.p5 && study.p95 && *study.p5 == *study.p95) {
        sentence = QStringLiteral("Built within these tolerances, your car reaches 15 ft in %1 s every time")
                       .arg(text00(*study.p50));
    } else if (study.p5 && study.p95) {
        sentence = QStringLiteral("Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), "
                                  "typically %3 s")
                       .arg(text00(*study.p5), text00(*study.p95), text00(*study.p50));
    } else if (study.p50) {
        sentence = QStringLiteral("Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all "
                                  "builds by %2 s")
                       .arg(reachPercent)
                       .arg(text00(*study.p50));
    } else {
        sentence = QStringLiteral("Built within these tolerances, only %1 in 100 of your cars reach 15 ft").arg(reachPercent);
    }
    if (study.largestShare >= 0) {
        const size_t q = static_cast<size_t>(study.largestShare);
        sentence += QStringLiteral("; the %1 matters most (%2 % of the spread)")
                        .arg(QLatin1String(ToleranceKinds[q].caption), fixedText(study.shares[q], 0));
    }
    return sentence + QLatin1Char('.');
}

} // namespace zindle
