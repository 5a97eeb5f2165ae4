// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunComparison.h"

#include "model/NumberText.h"

#include <cmath>

namespace zindle {

RunComparison CompareRun(const CoastedRun &prediction, const MeasuredRun &run)
{
    RunComparison comparison;
    for (const RunMark &mark : run.marks) {
        comparison.marks.push_back({mark, TimeAtDistance(prediction, mark.distanceFt)});
        if (const auto predicted = comparison.marks.back().predictedS) {
            comparison.errorS = mark.timeS - *predicted;
            comparison.errorPercent = *comparison.errorS / mark.timeS * 100.0;
        }
    }
    if (prediction.rests)
        comparison.predictedRestFt = prediction.restFt;
    return comparison;
}

std::optional<double> RmsMarkError(const std::vector<RunComparison> &runs)
{
    double sum = 0.0;
    int count = 0;
    for (const RunComparison &run : runs)
        for (const MarkComparison &mark : run.marks)
            if (mark.predictedS) {
                const double error = mark.measured.timeS - *mark.predictedS;
                sum += error * error;
                ++count;
            }
    if (count == 0)
        return std::nullopt;
    return std::sqrt(sum / count);
}

QString ErrorText(const RunComparison &comparison)
{
    if (!comparison.errorS)
        return QStringLiteral("-");
    const auto signedText = [](double value, int decimals) {
        // A rounded zero keeps no sign: "+0.00 s" would claim a direction there is none of.
        const QString text = fixedText(std::fabs(value), decimals);
        if (text.toDouble() == 0.0)
            return text;
        return (value < 0.0 ? QStringLiteral("-") : QStringLiteral("+")) + text;
    };
    return QStringLiteral("%1 s (%2 %)").arg(signedText(*comparison.errorS, 2),
                                             signedText(comparison.errorPercent.value_or(0.0), 0));
}

} // namespace zindle
