// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the spring's energy goes in a run, step by step, from the very values each step of the
// simulation uses. The spring delivers its force over the ground it drives, twice that ground
// while its axle skids (the spring unwinds as the revolutions count it); that energy becomes the
// car's motion, the wheels' share of the inertia (R of the propulsive work), work against rolling
// friction, what skidding wastes (the spring unwinding faster than the car moves), and what the
// at-rest rule takes when friction stops the car. The model conserves it: in exact arithmetic
// the five terms add up to what the spring delivered at every step.

#include <QString>
#include <vector>

namespace zindle {

// ft·lb from the start of the run to the end of a step.
struct EnergyTotals {
    double springDelivered = 0.0;
    double carKinetic = 0.0; // of the car as it moves at the end of the step
    double wheelRotation = 0.0;
    double friction = 0.0;
    double skid = 0.0;
    double stopped = 0.0;
    double accounted() const { return carKinetic + wheelRotation + friction + skid + stopped; }
};

struct EnergyStep {
    int timeIndex = 0;
    EnergyTotals totals;
};

struct EnergyTrace {
    std::vector<EnergyStep> steps; // one per step of the run, in time order
    void clear() { steps.clear(); }
    EnergyTotals totals() const { return steps.empty() ? EnergyTotals{} : steps.back().totals; }
};

// What one step used, for its share of the energy.
struct EnergyStepValues {
    int timeIndex = 0;
    float springLeft = 0.0f, springRight = 0.0f;   // lb, the spring's force before the skid rule
    float appliedLeft = 0.0f, appliedRight = 0.0f; // lb, after it
    bool skidLeft = false, skidRight = false;
    float inertiaShare = 0.0f; // R
    float friction = 0.0f;     // lb
    float inertiaMass = 0.0f;  // M / g
    float v0 = 0.0f, v1 = 0.0f, dx = 0.0f;
    bool stopped = false; // the at-rest rule set the speed, not the forces
};
void AddEnergyStep(EnergyTrace &trace, const EnergyStepValues &step);

// "Skidding wasted 31 % of your spring's energy: ..." for the largest loss; empty when the
// spring delivered nothing. English, as the command line prints it; the shown one is in the
// window's language.
QString LargestLossSentence(const EnergyTotals &totals);
QString ShownLargestLossSentence(const EnergyTotals &totals);

} // namespace zindle
