// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunEnergy.h"

#include <QCoreApplication>
#include <cmath>
#include <utility>

namespace zindle {

void AddEnergyStep(EnergyTrace &trace, const EnergyStepValues &s)
{
    EnergyTotals totals = trace.totals();
    const double dx = s.dx;
    const double springLeft = s.springLeft * dx * (s.skidLeft ? 2.0 : 1.0);
    const double springRight = s.springRight * dx * (s.skidRight ? 2.0 : 1.0);
    const double applied = (static_cast<double>(s.appliedLeft) + s.appliedRight) * dx;
    totals.springDelivered += springLeft + springRight;
    totals.skid += springLeft + springRight - applied;
    totals.wheelRotation += applied * s.inertiaShare;
    totals.friction += static_cast<double>(s.friction) * dx;
    const double before = 0.5 * s.inertiaMass * static_cast<double>(s.v0) * s.v0;
    const double after = 0.5 * s.inertiaMass * static_cast<double>(s.v1) * s.v1;
    totals.carKinetic = after;
    // Where the forces alone would have left the car moving backwards, the rule stops it: what
    // the car's motion and the step's net work do not account for is what stopping took.
    if (s.stopped)
        totals.stopped += applied * (1.0 - s.inertiaShare) - static_cast<double>(s.friction) * dx - (after - before);
    trace.steps.push_back({s.timeIndex, totals});
}

namespace {

// The largest loss's sentence, whole, as its source text (English), and its share in percent.
std::pair<const char *, long> largestLoss(const EnergyTotals &t)
{
    struct Loss {
        double value;
        const char *sentence;
    };
    const Loss losses[] = {
        {t.skid, QT_TRANSLATE_NOOP("RunEnergy", "Skidding wasted %1 % of your spring's energy: more weight on the "
                                                "drive wheels or a grippier tread would help")},
        {t.friction, QT_TRANSLATE_NOOP("RunEnergy", "Rolling friction took %1 % of your spring's energy: a smoother "
                                                    "floor, truer axles or a lighter car would help")},
        {t.wheelRotation,
         QT_TRANSLATE_NOOP("RunEnergy", "Spinning the wheels up took %1 % of your spring's energy: lighter wheels "
                                        "would help")},
        {t.stopped, QT_TRANSLATE_NOOP("RunEnergy", "Stopping the car took %1 % of your spring's energy: a spring "
                                                   "that drives the car farther would help")},
    };
    const Loss *largest = &losses[0];
    for (const Loss &loss : losses)
        if (loss.value > largest->value)
            largest = &loss;
    return {largest->sentence, std::lround(largest->value / t.springDelivered * 100.0)};
}

} // namespace

QString LargestLossSentence(const EnergyTotals &t)
{
    if (!(t.springDelivered > 0.0))
        return {};
    const auto [sentence, percent] = largestLoss(t);
    return QString::fromLatin1(sentence).arg(percent);
}

QString ShownLargestLossSentence(const EnergyTotals &t)
{
    if (!(t.springDelivered > 0.0))
        return {};
    const auto [sentence, percent] = largestLoss(t);
    return QCoreApplication::translate("RunEnergy", sentence).arg(percent);
}

} // namespace zindle
