// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerDesigner.h"

#include "model/NumberText.h"

#include <QCoreApplication>

#include <array>

namespace zindle {

namespace {

struct FieldRule {
    const QString *text;
    float low, high;
    const char *message;
};

struct Parsed {
    float from = 0.0f, to = 0.0f, step = 0.0f;
};

Parsed parsedRange(const SweepRange &range)
{
    return {floatOr(range.from, 0.0f), floatOr(range.to, 0.0f), floatOr(range.step, 0.0f)};
}

} // namespace

QString SweepMessageCaption() { return QCoreApplication::translate("PowerDesigner", "Please try again."); }

QString ValidateSweepRanges(const SweepRanges &r)
{
    const std::array<FieldRule, 9> rules{{
        {&r.width.from, 0.1f, 6.0f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The starting spring width must be positive, greater than 0.1 inch, "
                           "and not more than 6 inches. ")},
        {&r.width.to, 0.1f, 6.0f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The ending spring width must be positive, not less than 0.1 inch, "
                           "and not more than 6 inches. ")},
        {&r.width.step, 0.01f, 6.0f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The spring width step size must be positive, greater than 0.01 inch, "
                           "and not more than 6 inches. ")},
        {&r.length.from, 1.0f, 240.0f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The starting spring length must be positive, no less than 1 inch, "
                           "and not more than 240 inches. ")},
        {&r.length.to, 1.0f, 240.0f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The ending spring length must be positive, not less than 1 inch, "
                           "and not more than 240 inches. ")},
        {&r.length.step, 0.01f, 120.0f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The spring length step size must be positive, greater than 0.01 inch, "
                           "and not more than 120 inches. ")},
        {&r.wheel.from, 0.1f, 7.5f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The starting drive wheel diameter must be positive, greater than 0.1 inch, "
                           "and not more than 7.5 inches. ")},
        {&r.wheel.to, 0.1f, 7.5f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The ending drive wheel diameter must be positive, not less than 0.1 inch, "
                           "and not more than 7.5 inches. ")},
        {&r.wheel.step, 0.01f, 7.5f,
         QT_TRANSLATE_NOOP("PowerDesigner",
                           "The drive wheel diameter step size must be positive, greater than 0.01 inch, "
                           "and not more than 7.5 inches. ")},
    }};
    for (const FieldRule &rule : rules) {
        const auto value = parseFloat(*rule.text);
        if (!value || *value < rule.low || *value > rule.high)
            return QCoreApplication::translate("PowerDesigner", rule.message);
    }
    for (const SweepRange *range : {&r.width, &r.length, &r.wheel}) {
        const Parsed p = parsedRange(*range);
        if (p.to < p.from)
            return QCoreApplication::translate("PowerDesigner", "All ending values must be greater than their "
                                                                "corresponding starting values.  Please "
                                                                "double-check all of the ranges. ");
    }
    return {};
}

namespace {

// The number of values the sweep's loop visits for one range.
qint64 valuesVisited(const Parsed &range)
{
    if (!(range.step > 0.0f))
        return 0;
    qint64 count = 0;
    for (float value = range.from - range.step; value < range.to; value += range.step) {
        ++count;
        // A step lost in the rounding of a large value would never reach the end.
        if (value + range.step == value)
            return count;
    }
    return count;
}

} // namespace

std::vector<float> SweepValues(const SweepRange &sweepRange)
{
    const Parsed range = parsedRange(sweepRange);
    std::vector<float> values;
    if (!(range.step > 0.0f))
        return values;
    for (float value = range.from - range.step; value < range.to;) {
        const float next = value + range.step;
        values.push_back(next);
        if (next == value)
            break;
        value = next;
    }
    return values;
}

bool OfferSweepTime(QString &bestTime, SweepBest &best, const QString &time, const QString &width,
                    const QString &length, const QString &wheel)
{
    if (time.isEmpty() || time.startsWith(QLatin1Char('['))
        || !(floatOr(time, 99999.0f) < floatOr(bestTime, 99999.0f)))
        return false;
    bestTime = time;
    best.BestYet = time;
    best.BestSWYet = width;
    best.BestSLYet = length;
    best.BestDWYet = wheel;
    return true;
}

qint64 CountSweepCombinations(const SweepRanges &ranges)
{
    return valuesVisited(parsedRange(ranges.wheel)) * valuesVisited(parsedRange(ranges.length))
           * valuesVisited(parsedRange(ranges.width));
}

SweepStepper::SweepStepper(const SweepRanges &ranges)
{
    const auto loop = [](const SweepRange &range) {
        const Parsed p = parsedRange(range);
        return Loop{p.from, p.to, p.step, p.from - p.step};
    };
    wheel_ = loop(ranges.wheel);
    length_ = loop(ranges.length);
    width_ = loop(ranges.width);
}

bool SweepStepper::next(DesignRecord &design)
{
    for (;;) {
        switch (level_) {
        case Level::Wheel:
            if (!(wheel_.value < wheel_.to))
                return false;
            wheel_.value += wheel_.step;
            design.DriveWhlDia = floatText(wheel_.value);
            length_.value = length_.from - length_.step;
            level_ = Level::Length;
            break;
        case Level::Length:
            if (!(length_.value < length_.to)) {
                level_ = Level::Wheel;
                break;
            }
            length_.value += length_.step;
            design.SpringLength = floatText(length_.value);
            width_.value = width_.from - width_.step;
            level_ = Level::Width;
            break;
        case Level::Width:
            if (!(width_.value < width_.to)) {
                level_ = Level::Length;
                break;
            }
            width_.value += width_.step;
            design.SpringWidth = floatText(width_.value);
            return true;
        }
    }
}

SweepOutcome RunPowerDesignerSweep(DesignRecord &design, const ResultFields &results,
                                   SweepBest &best, const SweepRanges &ranges,
                                   const SweepHooks &hooks)
{
    SweepOutcome outcome;
    outcome.message = ValidateSweepRanges(ranges);
    if (!outcome.message.isEmpty() || !hooks.runSimulateChain)
        return outcome;

    const auto stop = [&] {
        if (hooks.stopRequested && hooks.stopRequested())
            outcome.stopped = true;
        return outcome.stopped;
    };
    QString bestTime = QStringLiteral("99999");
    SweepStepper stepper(ranges);
    while (!stop() && stepper.next(design)) {
        hooks.runSimulateChain();
        ++outcome.combinations;
        const QString &time = results.TimeEF;
        OfferSweepTime(bestTime, best, time, design.SpringWidth, design.SpringLength, design.DriveWhlDia);
        if (hooks.progress)
            hooks.progress({outcome.combinations, design.SpringWidth, design.SpringLength, design.DriveWhlDia, time});
    }
    return outcome;
}

} // namespace zindle
