#include "PowerDesigner.h"

#include "model/NumberText.h"

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

QString ValidateSweepRanges(const SweepRanges &r)
{
    const std::array<FieldRule, 9> rules{{
        {&r.width.from, 0.1f, 6.0f,
         "The starting spring width must be positive, greater than 0.1 inch, and not more than 6 inches. "},
        {&r.width.to, 0.1f, 6.0f,
         "The ending spring width must be positive, not less than 0.1 inch, and not more than 6 inches. "},
        {&r.width.step, 0.01f, 6.0f,
         "The spring width step size must be positive, greater than 0.01 inch, and not more than 6 inches. "},
        {&r.length.from, 1.0f, 240.0f,
         "The starting spring length must be positive, no less than 1 inch, and not more than 240 inches. "},
        {&r.length.to, 1.0f, 240.0f,
         "The ending spring length must be positive, not less than 1 inch, and not more than 240 inches. "},
        {&r.length.step, 0.01f, 120.0f,
         "The spring length step size must be positive, greater than 0.01 inch, and not more than 120 inches. "},
        {&r.wheel.from, 0.1f, 7.5f,
         "The starting drive wheel diameter must be positive, greater than 0.1 inch, and not more than 7.5 inches. "},
        {&r.wheel.to, 0.1f, 7.5f,
         "The ending drive wheel diameter must be positive, not less than 0.1 inch, and not more than 7.5 inches. "},
        {&r.wheel.step, 0.01f, 7.5f,
         "The drive wheel diameter step size must be positive, greater than 0.01 inch, and not more than 7.5 inches. "},
    }};
    for (const FieldRule &rule : rules) {
        const auto value = parseFloat(*rule.text);
        if (!value || *value < rule.low || *value > rule.high)
            return QString::fromLatin1(rule.message);
    }
    for (const SweepRange *range : {&r.width, &r.length, &r.wheel}) {
        const Parsed p = parsedRange(*range);
        if (p.to < p.from)
            return QStringLiteral("All ending values must be greater than their corresponding "
                                  "starting values.  Please double-check all of the ranges. ");
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

SweepOutcome RunPowerDesignerSweep(DesignRecord &design, const ResultFields &results,
                                   SweepBest &best, const SweepRanges &ranges,
                                   const SweepHooks &hooks)
{
    SweepOutcome outcome;
    outcome.message = ValidateSweepRanges(ranges);
    if (!outcome.message.isEmpty() || !hooks.runSimulateChain)
        return outcome;

    const Parsed wheel = parsedRange(ranges.wheel);
    const Parsed length = parsedRange(ranges.length);
    const Parsed width = parsedRange(ranges.width);
    const auto stop = [&] {
        if (hooks.stopRequested && hooks.stopRequested())
            outcome.stopped = true;
        return outcome.stopped;
    };
    QString bestTime = QStringLiteral("99999");

    // Each value starts one step early and is advanced before its body, in single precision,
    // so the last value visited is the first to reach or pass the end of the range.
    float dw = wheel.from - wheel.step;
    while (!stop() && dw < wheel.to) {
        dw += wheel.step;
        design.DriveWhlDia = floatText(dw);
        float sl = length.from - length.step;
        while (!stop() && sl < length.to) {
            sl += length.step;
            design.SpringLength = floatText(sl);
            float sw = width.from - width.step;
            while (!stop() && sw < width.to) {
                sw += width.step;
                design.SpringWidth = floatText(sw);
                hooks.runSimulateChain();
                ++outcome.combinations;

                const QString &time = results.TimeEF;
                OfferSweepTime(bestTime, best, time, design.SpringWidth, design.SpringLength,
                               design.DriveWhlDia);
                if (hooks.progress)
                    hooks.progress({outcome.combinations, design.SpringWidth, design.SpringLength,
                                    design.DriveWhlDia, time});
            }
        }
    }
    return outcome;
}

} // namespace zindle
