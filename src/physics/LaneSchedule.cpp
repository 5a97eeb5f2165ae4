// SPDX-License-Identifier: GPL-3.0-or-later
#include "physics/LaneSchedule.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <functional>

namespace zindle {

namespace {

std::vector<int> openLanes(const std::vector<bool> &blocked)
{
    std::vector<int> open;
    for (int lane = 0; lane < static_cast<int>(blocked.size()); ++lane)
        if (!blocked[static_cast<size_t>(lane)])
            open.push_back(lane);
    return open;
}

// grid[h][j]: the car in the j-th open lane of heat h (may be a seat number >= cars: empty).
using Grid = std::vector<std::vector<int>>;

LaneHeats toHeats(const Grid &grid, const std::vector<int> &open, int lanes, int cars)
{
    LaneHeats heats;
    heats.reserve(grid.size());
    for (const std::vector<int> &row : grid) {
        std::vector<int> heat(static_cast<size_t>(lanes), NoCar);
        for (size_t j = 0; j < open.size(); ++j)
            if (row[j] < cars)
                heat[static_cast<size_t>(open[j])] = row[j];
        heats.push_back(std::move(heat));
    }
    return heats;
}

// The cyclic chart: seat s runs open lane j in heat (s - j * stride) mod seats. Two lanes apart
// each heat keeps a car out of consecutive heats whenever the seats allow it.
Grid cyclicGrid(int seats, int open, int stride)
{
    Grid grid(static_cast<size_t>(seats), std::vector<int>(static_cast<size_t>(open)));
    for (int h = 0; h < seats; ++h)
        for (int j = 0; j < open; ++j)
            grid[static_cast<size_t>(h)][static_cast<size_t>(j)] = (h + j * stride) % seats;
    return grid;
}

bool shareACar(const std::vector<int> &a, const std::vector<int> &b)
{
    for (int car : a)
        if (std::find(b.begin(), b.end(), car) != b.end())
            return true;
    return false;
}

// An order of the heats in which no two in a row share a car: a path through the heats that
// share none, found depth first, the heat with the fewest ways on tried first. Empty when the
// search gives up.
std::vector<int> spacedOrder(const Grid &grid)
{
    const int heats = static_cast<int>(grid.size());
    std::vector<std::vector<int>> apart(static_cast<size_t>(heats));
    for (int a = 0; a < heats; ++a)
        for (int b = 0; b < heats; ++b)
            if (a != b && !shareACar(grid[static_cast<size_t>(a)], grid[static_cast<size_t>(b)]))
                apart[static_cast<size_t>(a)].push_back(b);
    std::vector<int> order;
    std::vector<bool> used(static_cast<size_t>(heats), false);
    long long budget = 200000;
    const auto waysOn = [&](int heat) {
        int ways = 0;
        for (int next : apart[static_cast<size_t>(heat)])
            ways += used[static_cast<size_t>(next)] ? 0 : 1;
        return ways;
    };
    const std::function<bool()> extend = [&]() -> bool {
        if (static_cast<int>(order.size()) == heats)
            return true;
        if (--budget < 0)
            return false;
        std::vector<int> candidates;
        if (order.empty()) {
            for (int heat = 0; heat < heats; ++heat)
                candidates.push_back(heat);
        } else {
            for (int next : apart[static_cast<size_t>(order.back())])
                if (!used[static_cast<size_t>(next)])
                    candidates.push_back(next);
        }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [&](int a, int b) { return waysOn(a) < waysOn(b); });
        for (int heat : candidates) {
            used[static_cast<size_t>(heat)] = true;
            order.push_back(heat);
            if (extend())
                return true;
            order.pop_back();
            used[static_cast<size_t>(heat)] = false;
            if (budget < 0)
                return false;
        }
        return false;
    };
    return extend() ? order : std::vector<int>{};
}

// The lane offsets of a cyclic chart: the car in lane j of heat h is (h + offset[j]) mod cars,
// so two cars whose numbers differ by d meet once for every two offsets that differ by d.
struct Offsets {
    std::vector<int> offsets;
    int spread = 0;       // most minus fewest meetings of two cars
    bool spaceable = false; // the heats sharing no car link them all (see below)
};

// Every set of offsets that starts at 0, in order, until one is as even as can be (and can be
// spaced, when spacing is asked for); the best seen when the budget runs out. A chart can be
// spaced when the differences no two offsets have share no factor with the number of cars:
// stepping through the heats by such differences reaches them all without a shared car.
Offsets bestOffsets(int cars, int open, bool spacing)
{
    Offsets best;
    bool found = false;
    std::vector<int> chosen{0}, count(static_cast<size_t>(cars), 0);
    long long budget = 400000;
    const auto better = [&](const Offsets &a, const Offsets &b) {
        if (spacing && a.spaceable != b.spaceable)
            return a.spaceable;
        return a.spread < b.spread;
    };
    const std::function<bool(int)> extend = [&](int from) -> bool {
        if (static_cast<int>(chosen.size()) == open) {
            --budget;
            Offsets here{chosen};
            const auto [least, most] = std::minmax_element(count.begin() + 1, count.end());
            here.spread = *most - *least;
            int common = cars;
            for (int d = 1; d < cars; ++d)
                if (count[static_cast<size_t>(d)] == 0)
                    common = std::gcd(common, d);
            here.spaceable = common == 1;
            if (!found || better(here, best)) {
                best = here;
                found = true;
            }
            return best.spread <= 1 && (!spacing || best.spaceable);
        }
        for (int next = from; next < cars && budget > 0; ++next) {
            for (int offset : chosen) {
                ++count[static_cast<size_t>((next - offset + cars) % cars)];
                ++count[static_cast<size_t>((offset - next + cars) % cars)];
            }
            chosen.push_back(next);
            const bool done = extend(next + 1);
            chosen.pop_back();
            for (int offset : chosen) {
                --count[static_cast<size_t>((next - offset + cars) % cars)];
                --count[static_cast<size_t>((offset - next + cars) % cars)];
            }
            if (done)
                return true;
        }
        return false;
    };
    extend(1);
    return best;
}

Grid balancedGrid(int cars, int open)
{
    const bool spacing = cars >= 2 * open;
    const Offsets chosen = bestOffsets(cars, open, spacing);
    Grid grid(static_cast<size_t>(cars), std::vector<int>(static_cast<size_t>(open)));
    for (int h = 0; h < cars; ++h)
        for (int j = 0; j < open; ++j)
            grid[static_cast<size_t>(h)][static_cast<size_t>(j)] = (h + chosen.offsets[static_cast<size_t>(j)]) % cars;
    if (!spacing)
        return grid;
    const std::vector<int> order = chosen.spaceable ? spacedOrder(grid) : std::vector<int>{};
    // The search gave up: the chart two lanes apart is spaced as it stands.
    if (order.empty())
        return cyclicGrid(cars, open, 2);
    Grid spaced;
    for (int heat : order)
        spaced.push_back(grid[static_cast<size_t>(heat)]);
    return spaced;
}

} // namespace

LaneHeats RotationHeats(int cars, const std::vector<bool> &blocked)
{
    const std::vector<int> open = openLanes(blocked);
    if (cars <= 0 || open.empty())
        return {};
    const int seats = std::max(cars, static_cast<int>(open.size()));
    const int stride = seats >= 2 * static_cast<int>(open.size()) ? 2 : 1;
    return toHeats(cyclicGrid(seats, static_cast<int>(open.size()), stride), open, static_cast<int>(blocked.size()), cars);
}

LaneHeats BalancedHeats(int cars, const std::vector<bool> &blocked)
{
    const std::vector<int> open = openLanes(blocked);
    const int lanes = static_cast<int>(open.size());
    // With no more cars than lanes every heat holds every car: nothing to balance.
    if (cars <= lanes || lanes < 2)
        return RotationHeats(cars, blocked);
    return toHeats(balancedGrid(cars, lanes), open, static_cast<int>(blocked.size()), cars);
}

LaneHeats FastestTimeHeats(int cars, const std::vector<bool> &blocked, int rounds)
{
    const std::vector<int> open = openLanes(blocked);
    const int lanes = static_cast<int>(open.size());
    if (cars <= 0 || lanes == 0)
        return {};
    const int perRound = (cars + lanes - 1) / lanes;
    Grid grid;
    for (int round = 0; round < rounds; ++round)
        for (int h = 0; h < perRound; ++h) {
            std::vector<int> row(static_cast<size_t>(lanes), cars); // cars: an empty seat
            for (int j = 0; j < lanes; ++j) {
                const int car = h * lanes + j;
                if (car < cars)
                    row[static_cast<size_t>((j + round) % lanes)] = car;
            }
            grid.push_back(std::move(row));
        }
    return toHeats(grid, open, static_cast<int>(blocked.size()), cars);
}

ChartFacts FactsOf(const LaneHeats &heats, int cars)
{
    ChartFacts facts;
    const size_t lanes = heats.empty() ? 0 : heats[0].size();
    facts.laneRuns.assign(static_cast<size_t>(cars), std::vector<int>(lanes, 0));
    facts.meetings.assign(static_cast<size_t>(cars), std::vector<int>(static_cast<size_t>(cars), 0));
    for (size_t h = 0; h < heats.size(); ++h) {
        const std::vector<int> &heat = heats[h];
        for (size_t lane = 0; lane < heat.size(); ++lane) {
            const int car = heat[lane];
            if (car == NoCar)
                continue;
            ++facts.laneRuns[static_cast<size_t>(car)][lane];
            for (size_t other = lane + 1; other < heat.size(); ++other)
                if (heat[other] != NoCar && heat[other] != car) {
                    ++facts.meetings[static_cast<size_t>(car)][static_cast<size_t>(heat[other])];
                    ++facts.meetings[static_cast<size_t>(heat[other])][static_cast<size_t>(car)];
                }
            if (h > 0 && std::find(heats[h - 1].begin(), heats[h - 1].end(), car) != heats[h - 1].end())
                ++facts.backToBack;
        }
    }
    bool first = true;
    for (int a = 0; a < cars; ++a)
        for (int b = a + 1; b < cars; ++b) {
            const int count = facts.meetings[static_cast<size_t>(a)][static_cast<size_t>(b)];
            facts.fewestMeetings = first ? count : std::min(facts.fewestMeetings, count);
            facts.mostMeetings = first ? count : std::max(facts.mostMeetings, count);
            first = false;
        }
    return facts;
}

} // namespace zindle
