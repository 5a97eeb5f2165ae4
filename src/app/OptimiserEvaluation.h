// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One design the optimiser tries: the values written into a copy of the design, the car the
// build makes of them, its run, the constraints it meets and the score the search ranks by.
//
// The build may enlarge a drive wheel too small for the spring's case (and correct other sizes
// out of range): the values kept are those the car was built with, and the part fields' checks
// are made on them, so that a design the optimiser returns is the car that really ran.

#include "app/OptimiserParameters.h"

#include <optional>

namespace zindle {

struct OptimiserGoal {
    enum Kind { Time, Distance, Target };
    Kind kind = Time; // least time to 15 ft
    double targetTime = 0.0; // seconds, for Target: closest to it
};

struct OptimiserConstraints {
    std::optional<double> maxMassLb;
    bool noSkid = false;
    // No advisory at all: each design then runs the whole Simulate refresh (the sheet's part
    // regions included), several times slower than the lean path.
    bool noAdvisory = false;
    // A challenge's rules, every one kept (CheckChallenge on the run).
    std::optional<Challenge> challenge;
};

// Why a design breaks the constraints (English, as the command line prints them as data).
inline constexpr const char *BrokenFields = "fields";
inline constexpr const char *BrokenCannotRun = "cannot-run";
inline constexpr const char *BrokenMass = "mass";
inline constexpr const char *BrokenSkid = "skid";
inline constexpr const char *BrokenAdvisory = "advisory";
inline constexpr const char *BrokenChallenge = "challenge";

struct OptimiserDesign {
    std::vector<double> values; // of the parameters, as the build made them
    QString time;               // TimeEF: seconds, or "[t]" for a car that falls short
    std::optional<double> timeTo15Ft; // between the two steps around 15 ft; none when short
    double distanceFt = 0.0;
    double massLb = 0.0;
    bool skidded = false;
    QStringList broken;   // the constraints it breaks; empty for an acceptable design
    // It breaks nothing but a challenge's rule that it reach 15 ft: never returned, but ranked
    // with the cars that fall short, by distance, so that a search can start from it and drive
    // it on to 15 ft (where a class sets that rule, the first samples are often all short).
    bool onlyShort = false;
    double score = 0.0;   // lower is better
    qint64 index = -1;    // the evaluation that found it
};

// Runs `values` in `copy`, first made equal to `start` (design and materials). `copy` keeps
// its buffers between calls: a thread evaluates many designs in one copy.
OptimiserDesign EvaluateOptimiserDesign(Workspace &copy, const Workspace &start,
                                        const std::vector<OptimiserParameter> &parameters,
                                        const std::vector<double> &values, const OptimiserGoal &goal,
                                        const OptimiserConstraints &constraints);

// The score of a run: cars that reach 15 ft first (by the goal), then those that fall short by
// distance reached (with them those that only break a rule to reach 15 ft), then those that
// break a constraint.
double OptimiserScore(const OptimiserDesign &design, const OptimiserGoal &goal);

} // namespace zindle
