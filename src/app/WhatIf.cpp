// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIf.h"

#include "app/ParallelSweep.h"
#include "app/RefreshChain.h"
#include "model/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WhatIf)
};

struct KnobLimits {
    double low, high, step;
    int decimals;
};

// Near the design's value a slider is fine-grained; the range around it is as wide as a
// student would try in one sitting, cut to what the field's own check accepts.
WhatIfRange rangeAround(double value, KnobLimits limits, double spanBelow, double spanAbove)
{
    WhatIfRange range;
    range.available = std::isfinite(value);
    if (!range.available)
        return range;
    const double low = std::max(limits.low, value - spanBelow);
    const double high = std::min(limits.high, value + spanAbove);
    range.step = limits.step;
    range.low = std::ceil(low / limits.step - 1e-9) * limits.step;
    range.steps = std::max(0, static_cast<int>(std::floor((high - range.low) / limits.step + 1e-9)));
    range.value = value;
    range.at = std::clamp(static_cast<int>(std::lround((value - range.low) / limits.step)), 0, range.steps);
    range.decimals = limits.decimals;
    return range;
}

double numberOr(const QString &text)
{
    const std::optional<float> value = parseFloat(text);
    return value ? static_cast<double>(*value) : std::nan("");
}

bool hasWeight(const DesignRecord &design, int weight)
{
    return weight >= 0 && weight < WeightSlotCount && !design.Weights[static_cast<size_t>(weight)].isFree();
}

} // namespace

WhatIfRange whatIfRange(const DesignRecord &design, WhatIfKnob knob, int weight)
{
    WhatIfRange range;
    switch (knob) {
    case WhatIfKnob::SpringLength: {
        const double value = numberOr(design.SpringLength);
        range = rangeAround(value, {3.0, 240.0, 1.0, 0}, value * 0.5, value * 0.5);
        range.caption = QStringLiteral("Spring length");
        range.unit = QStringLiteral("in");
        break;
    }
    case WhatIfKnob::SpringWidth:
        range = rangeAround(numberOr(design.SpringWidth), {0.1, 6.0, 0.05, 2}, 1.0, 1.0);
        range.caption = QStringLiteral("Spring width");
        range.unit = QStringLiteral("in");
        break;
    case WhatIfKnob::DriveWheel: {
        // Larger than the axle, and no more than the field's 7.5 in (the build makes a wheel
        // too small for the spring's case larger on its own, and the run says so).
        const double axle = numberOr(design.DriveAxleDia);
        range = rangeAround(numberOr(design.DriveWhlDia), {std::isfinite(axle) ? axle + 0.05 : 0.05, 7.5, 0.05, 2},
                            2.0, 2.0);
        range.caption = QStringLiteral("Drive wheel diameter");
        range.unit = QStringLiteral("in");
        break;
    }
    case WhatIfKnob::WeightMass:
        if (!hasWeight(design, weight))
            break;
        // A weight stays on the side of zero it is on: the weight tool refuses zero.
        if (const float mass = design.Weights[static_cast<size_t>(weight)].Mass; mass > 0.0f)
            range = rangeAround(mass, {0.005, 1.0, 0.005, 3}, 0.25, 0.25);
        else
            range = rangeAround(mass, {-1.0, -0.005, 0.005, 3}, 0.25, 0.25);
        range.caption = QStringLiteral("Weight %1 mass").arg(weight + 1);
        range.unit = QStringLiteral("lb");
        break;
    case WhatIfKnob::WeightPosition:
        if (!hasWeight(design, weight))
            break;
        // Along the car, on the sheet (10 in), in sixteenths of an inch.
        range = rangeAround(design.Weights[static_cast<size_t>(weight)].X / 72.0, {0.0, 10.0, 0.0625, 2}, 10.0, 10.0);
        range.caption = QStringLiteral("Weight %1 position").arg(weight + 1);
        range.unit = QStringLiteral("in");
        break;
    case WhatIfKnob::Friction:
        range = rangeAround(numberOr(design.Friction), {0.01, 0.25, 0.005, 3}, 0.25, 0.25);
        range.caption = QStringLiteral("Friction");
        range.unit = QStringLiteral("lb");
        break;
    }
    return range;
}

QString whatIfValueText(const WhatIfRange &range, double value)
{
    return fixedText(value, range.decimals) + QLatin1Char(' ') + range.unit;
}

void setWhatIfValue(DesignRecord &design, WhatIfKnob knob, int weight, const WhatIfRange &range, double value)
{
    const QString text = fixedText(value, range.decimals);
    switch (knob) {
    case WhatIfKnob::SpringLength:
        design.SpringLength = text;
        break;
    case WhatIfKnob::SpringWidth:
        design.SpringWidth = text;
        break;
    case WhatIfKnob::DriveWheel:
        design.DriveWhlDia = text;
        break;
    case WhatIfKnob::WeightMass:
        if (hasWeight(design, weight))
            design.Weights[static_cast<size_t>(weight)].Mass = static_cast<float>(value);
        break;
    case WhatIfKnob::WeightPosition:
        if (hasWeight(design, weight))
            design.Weights[static_cast<size_t>(weight)].X = static_cast<int>(std::lround(value * 72.0));
        break;
    case WhatIfKnob::Friction:
        design.Friction = text;
        break;
    }
}

QString whatIfStepName(WhatIfKnob knob)
{
    switch (knob) {
    case WhatIfKnob::SpringLength:
        return Texts::tr("Change spring length");
    case WhatIfKnob::SpringWidth:
        return Texts::tr("Change spring width");
    case WhatIfKnob::DriveWheel:
        return Texts::tr("Change drive wheel diameter");
    case WhatIfKnob::WeightMass:
        return Texts::tr("Change weight");
    case WhatIfKnob::WeightPosition:
        return Texts::tr("Move weight");
    case WhatIfKnob::Friction:
        return Texts::tr("Change friction");
    }
    return {};
}

WhatIfRun RunWhatIf(Workspace &copy)
{
    EnterSimulateMode(copy);
    RefreshSweepCombination(copy);
    WhatIfRun result;
    result.runs = !copy.checks.cannotRun();
    if (!result.runs)
        result.cannotRun = Texts::tr("The car cannot run with this value.");
    result.run = std::move(copy.run);
    result.TimeEF = copy.results.TimeEF;
    result.DriveWhlDia = copy.design.DriveWhlDia;
    return result;
}

} // namespace zindle
