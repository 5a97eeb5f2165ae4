// SPDX-License-Identifier: GPL-3.0-or-later
#include "SensitivityResult.h"

#include "model/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zindle {

double SensitivityEntry::effect() const
{
    if (stepFallsShort)
        return std::numeric_limits<double>::infinity();
    return std::fabs(timeChange.value_or(distanceChange.value_or(0.0)));
}

std::vector<int> RankByEffect(const std::vector<SensitivityEntry> &inputs)
{
    std::vector<int> order(inputs.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return inputs[static_cast<size_t>(a)].effect() > inputs[static_cast<size_t>(b)].effect();
    });
    return order;
}

namespace {

// Enough decimals that a change of a few thousandths does not read as none.
QString amountText(double value)
{
    const double size = std::fabs(value);
    return fixedText(size, size >= 0.095 ? 2 : size >= 0.0095 ? 3 : 4);
}

QString stepText(const SensitivityEntry &entry)
{
    return doubleText(std::round(std::fabs(entry.delta) * 1e6) / 1e6)
           + (entry.unit.isEmpty() ? QString() : QStringLiteral(" ") + entry.unit);
}

QString changeWords(const SensitivityEntry &entry)
{
    if (entry.stepFallsShort)
        return QStringLiteral("the car no longer reaches 15 ft");
    if (entry.timeChange) {
        if (*entry.timeChange == 0.0)
            return QStringLiteral("changes nothing");
        return (*entry.timeChange < 0.0 ? QStringLiteral("saves ") : QStringLiteral("costs "))
               + amountText(*entry.timeChange) + QStringLiteral(" s");
    }
    const double change = entry.distanceChange.value_or(0.0);
    if (change == 0.0)
        return QStringLiteral("changes nothing");
    return (change > 0.0 ? QStringLiteral("goes ") : QStringLiteral("falls ")) + amountText(change)
           + (change > 0.0 ? QStringLiteral(" ft farther") : QStringLiteral(" ft shorter"));
}

} // namespace

QString SensitivityChangeText(const SensitivityEntry &entry)
{
    QString text = (entry.delta < 0.0 ? QStringLiteral("-") : QStringLiteral("+")) + stepText(entry)
                   + QStringLiteral(": ") + changeWords(entry);
    if (entry.held == SensitivityHeld::Build)
        text += QStringLiteral(" (the build keeps the drive wheel as it is)");
    else if (entry.held == SensitivityHeld::Calibration)
        text += QStringLiteral(" (the track's calibrated friction is used instead)");
    return text;
}

QString LargestEffectSentence(const SensitivityResult &result)
{
    if (result.ranked.empty())
        return {};
    const SensitivityEntry &top = result.inputs[static_cast<size_t>(result.ranked.front())];
    if (top.effect() == 0.0)
        return QStringLiteral("No small change of one input changes this car's ")
               + (result.measure == SensitivityMeasure::Time ? QStringLiteral("time") : QStringLiteral("distance"));
    QString caption = top.caption;
    caption[0] = caption[0].toLower();
    return QStringLiteral("The ") + caption + QStringLiteral(" matters most: ") + stepText(top) + QStringLiteral(" ")
           + (top.delta < 0.0 ? top.downWord : top.upWord) + (top.stepFallsShort ? QStringLiteral(" and ") : QStringLiteral(" "))
           + changeWords(top);
}

std::optional<double> SmoothTimeAtDistance(const RunTrace &run, double feet)
{
    double t0 = 0.0, d0 = 0.0;
    for (const RunSample &sample : run.samples) {
        const double t1 = sample.timeIndex / 100.0, d1 = sample.distance;
        if (d1 >= feet) {
            if (d1 <= d0)
                return t1;
            return t0 + (t1 - t0) * (feet - d0) / (d1 - d0);
        }
        t0 = t1;
        d0 = d1;
    }
    return std::nullopt;
}

double DistanceReached(const RunTrace &run) { return run.samples.empty() ? 0.0 : run.samples.back().distance; }

} // namespace zindle
