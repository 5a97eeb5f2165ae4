// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Heats for a real track. A real track's lanes differ, so a fair race runs every car in every
// open lane the same number of times; the class's simulated heats (ClassHeats) never needed that.
//
// A chart has one heat per car when there are at least as many cars as open lanes (one per
// open lane otherwise, the lanes left over empty): each open lane sees every car exactly once.
// The balanced chart then rearranges who runs with whom so that every two cars meet as evenly
// as the numbers allow, and orders the heats so that no car runs two in a row when there are at
// least twice as many cars as open lanes. The same roster and track always give the same chart.

#include <vector>

namespace zindle {

inline constexpr int NoCar = -1;

// heats[h][lane]: the car (its index in the roster) in that lane of heat h, or NoCar for an
// empty or blocked lane. Every heat has one entry per lane of the track, blocked ones included.
using LaneHeats = std::vector<std::vector<int>>;

// `blocked[lane]` for every lane of the track (1 to 8 lanes). No open lane or no car: no heats.
LaneHeats RotationHeats(int cars, const std::vector<bool> &blocked);
LaneHeats BalancedHeats(int cars, const std::vector<bool> &blocked);
// `rounds` rounds in which every car runs once, the heats filled in roster order and the cars
// moved one open lane on each round.
LaneHeats FastestTimeHeats(int cars, const std::vector<bool> &blocked, int rounds);

// What a chart gives each car, for checking it and for saying so to the teacher.
struct ChartFacts {
    std::vector<std::vector<int>> laneRuns; // [car][lane]
    std::vector<std::vector<int>> meetings; // [car][other car], symmetric
    int backToBack = 0;                     // times a car runs in two heats in a row
    int fewestMeetings = 0, mostMeetings = 0; // over every two different cars
};
ChartFacts FactsOf(const LaneHeats &heats, int cars);

} // namespace zindle
