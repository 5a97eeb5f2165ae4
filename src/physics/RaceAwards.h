// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race day's awards, given from the times recorded so far: the fastest run, the car whose
// times came closest to its student's own prediction, the one closest to what the model
// simulated for it, and the one that got faster the most between its first and its last heat.
// A car's time for the comparisons is the mean of its finished runs; an award no car can win
// yet (nobody predicted, nothing finished twice) is left out.
#include "model/RaceEvent.h"
#include <QString>
#include <optional>
#include <vector>

namespace zindle {

enum class RaceAward { Fastest, ClosestToPrediction, ClosestToSimulation, BestImprovement };

// What the window knows of each car besides its times, in the order of the event's cars.
struct CarExpectation {
    std::optional<double> predictionS; // the student's own guess at the track's time
    std::optional<double> simulatedS;  // the model's time over the track, with coasting
};

struct AwardWinner {
    RaceAward award = RaceAward::Fastest;
    int car = -1;
    double value = 0.0; // s: the time, the gap to the prediction or simulation, the gain
};

std::vector<AwardWinner> RaceAwards(const RaceEvent &event, const std::vector<CarExpectation> &expected);

// "Fastest run", "Closest to its prediction", "Closest to its simulation", "Best improvement", in
// the window's language.
QString awardTitle(RaceAward award);

} // namespace zindle
