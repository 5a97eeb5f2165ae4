// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassHeats.h"

#include <algorithm>

namespace zindle {

int heatCount(int cars)
{
    return cars <= 0 ? 0 : (cars + RaceSlots - 1) / RaceSlots;
}

int heatSize(int cars, int index)
{
    const int heats = heatCount(cars);
    if (heats == 0 || index < 0 || index >= heats)
        return 0;
    return cars / heats + (index < cars % heats ? 1 : 0);
}

Heat RaceHeat(const std::vector<StandingRow> &rows, const std::vector<int> &entrants)
{
    Heat heat;
    // A design list of the heat's cars alone: lane i is slot i, every one simulated.
    DesignList list;
    list.entries.clear();
    list.items.clear();
    const int cars = std::min(static_cast<int>(entrants.size()), RaceSlots);
    for (int lane = 0; lane < cars; ++lane) {
        const StandingRow &row = rows[static_cast<size_t>(entrants[static_cast<size_t>(lane)])];
        list.append(row.name, row.source, true);
        list.entries[static_cast<size_t>(lane)].DesignSimulated = true;
        list.traces[static_cast<size_t>(lane)] = row.trace;
    }
    // No lane is the selected design.
    list.CurrentDesign = -1;
    RaceState race;
    RunRaceToEnd(race, list);

    int best = -1;
    for (int lane = 0; lane < cars; ++lane) {
        HeatLane entry;
        entry.lane = lane;
        entry.row = entrants[static_cast<size_t>(lane)];
        entry.name = list.entries[static_cast<size_t>(lane)].DesignName;
        entry.result = race.lanes[static_cast<size_t>(lane)];
        entry.text = raceResultText(entry.result);
        heat.lanes.push_back(entry);
        if (best < 0) {
            best = lane;
            continue;
        }
        const RaceLane &b = heat.lanes[static_cast<size_t>(best)].result;
        const RaceLane &c = entry.result;
        const bool better = c.RacePlace != 0 ? (b.RacePlace == 0 || c.RacePlace < b.RacePlace)
                                             : (b.RacePlace == 0 && c.RaceDistance > b.RaceDistance);
        if (better)
            best = lane;
    }
    heat.winnerLane = best;
    return heat;
}

std::vector<Heat> RunHeats(const std::vector<StandingRow> &rows)
{
    std::vector<int> entrants;
    // A car that breaks a challenge's rule is not placed, so it does not race for a place either.
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (rows[static_cast<size_t>(i)].readable() && rows[static_cast<size_t>(i)].ran && rows[static_cast<size_t>(i)].legal())
            entrants.push_back(i);
    std::stable_sort(entrants.begin(), entrants.end(), [&rows](int a, int b) {
        return rows[static_cast<size_t>(a)].sourceIndex < rows[static_cast<size_t>(b)].sourceIndex;
    });

    std::vector<Heat> heats;
    for (int round = 1; !entrants.empty(); ++round) {
        const int cars = static_cast<int>(entrants.size());
        const int count = heatCount(cars);
        std::vector<int> winners;
        int first = 0;
        for (int index = 0; index < count; ++index) {
            const int size = heatSize(cars, index);
            const std::vector<int> field(entrants.begin() + first, entrants.begin() + first + size);
            first += size;
            Heat heat = RaceHeat(rows, field);
            heat.round = round;
            heat.number = index + 1;
            heat.final = count == 1;
            if (heat.winnerLane >= 0)
                winners.push_back(heat.lanes[static_cast<size_t>(heat.winnerLane)].row);
            heats.push_back(std::move(heat));
        }
        if (count == 1)
            break;
        entrants = std::move(winners);
    }
    return heats;
}

} // namespace zindle
