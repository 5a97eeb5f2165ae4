// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// More designs than one race holds: heats of at most 16 cars, raced with the race's own rules
// (its ticks, its places in the order of crossing, lower lane first within a tick) over the
// recorded runs. Each heat's winner races on in the next round until one final of at most 16
// cars remains. The heats have their own design lists, so the window's slots play no part.
//
// A round's cars are dealt into as few heats as hold them, as evenly as possible, in the order
// they come (the reading order for the first round, heat order after it); a heat's lanes follow
// that order. A heat's winner is its first place; when no car of the heat reaches 15 ft, the
// one that got farthest (the lower lane on equal distances).

#include "physics/Standings.h"
#include "physics/Race.h"

#include <vector>

namespace zindle {

struct HeatLane {
    int lane = 0;  // 0 to 15
    int row = 0;   // index into the standings the heats were run from
    QString name;
    QString text;  // the race's result text ("15 ft in 2.37 sec - 1st place", "3.45 sec/12.34 ft")
    RaceLane result;
};

struct Heat {
    int round = 1;      // 1, 2, ...
    int number = 1;     // within its round
    bool final = false; // the last round's only heat
    std::vector<HeatLane> lanes;
    int winnerLane = -1; // index into lanes; -1 for an empty heat
};

// The number of heats a round of `cars` needs, and the size of heat `index` of them.
int heatCount(int cars);
int heatSize(int cars, int index);

// Races every row that ran (in reading order) through the rounds; nothing when none ran.
std::vector<Heat> RunHeats(const std::vector<StandingRow> &rows);

// One heat over the given rows (at most 16), lanes in the given order.
Heat RaceHeat(const std::vector<StandingRow> &rows, const std::vector<int> &entrants);

} // namespace zindle
