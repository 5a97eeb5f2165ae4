// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunComparison.h"

#include "model/NumberText.h"

#include <cmath>

namespace zindle {

namespace {

QString errorText(double errorS, double percent)
{
    const auto signedText = [](double value, int decimals) {
        // A rounded zero keeps no sign: "+0.00 s" would claim a direction there is none of.
        const QString text = fixedText(std::fabs(value), decimals);
        if (text.toDouble() == 0.0)
            return text;
        return (value < 0.0 ? QStringLiteral("-") : QStringLiteral("+")) + text;
    };
    return QStringLiteral("%1 s (%2 %)").arg(signedText(errorS, 2), signedText(percent, 0));
}

} // namespace

RunComparison CompareRun(const CoastedRun &prediction, const MeasuredRun &run)
{
    RunComparison comparison;
    for (const RunMark &mark : run.marks) {
        comparison.marks.push_back({mark, TimeAtDistance(prediction, mark.distanceFt)});
        if (const auto predicted = comparison.marks.back().predictedS) {
            comparison.errorS = mark.timeS - *predicted;
            comparison.errorPercent = ErrorPercent(mark.timeS, *predicted);
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
    return errorText(*comparison.errorS, comparison.errorPercent.value_or(0.0));
}

QString TimeErrorText(double measuredS, double predictedS)
{
    return errorText(measuredS - predictedS, ErrorPercent(measuredS, predictedS));
}

double ErrorPercent(double measuredS, double predictedS)
{
    return (measuredS - predictedS) / measuredS * 100.0;
}

std::optional<double> MeanTimeAt(const std::vector<MeasuredRun> &runs, double feet)
{
    double sum = 0.0;
    int count = 0;
    for (const MeasuredRun &run : runs)
        for (const RunMark &mark : run.marks)
            if (mark.distanceFt == feet) {
                sum += mark.timeS;
                ++count;
            }
    if (count == 0)
        return std::nullopt;
    return sum / count;
}

} // namespace zindle
