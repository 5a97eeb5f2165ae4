// SPDX-License-Identifier: GPL-3.0-or-later
#include "physics/RaceAwards.h"

#include <QCoreApplication>

#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RaceAwards)
};

// Each car's finished times in the order its heats were run.
std::vector<std::vector<double>> finishedTimes(const RaceEvent &event)
{
    std::vector<std::vector<double>> times(event.cars.size());
    for (const EventHeat &heat : event.heats) {
        if (!heat.recorded)
            continue;
        for (size_t lane = 0; lane < heat.lanes.size() && lane < heat.times.size(); ++lane) {
            const int car = heat.lanes[lane];
            if (car >= 0 && static_cast<size_t>(car) < times.size() && heat.times[lane])
                times[static_cast<size_t>(car)].push_back(*heat.times[lane]);
        }
    }
    return times;
}

double mean(const std::vector<double> &values)
{
    double sum = 0.0;
    for (double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

// The car with the least (or, for a gain, the greatest) value; the first car entered wins a tie,
// so the same times always give the same winner.
struct Best {
    bool highest = false;
    AwardWinner winner;
    void offer(int car, double value)
    {
        if (winner.car < 0 || (highest ? value > winner.value : value < winner.value)) {
            winner.car = car;
            winner.value = value;
        }
    }
};

} // namespace

std::vector<AwardWinner> RaceAwards(const RaceEvent &event, const std::vector<CarExpectation> &expected)
{
    const std::vector<std::vector<double>> times = finishedTimes(event);
    Best fastest, prediction, simulation, improvement{true, {}};
    for (size_t car = 0; car < times.size(); ++car) {
        const std::vector<double> &runs = times[car];
        if (runs.empty())
            continue;
        const int index = static_cast<int>(car);
        double quickest = runs.front();
        for (double t : runs)
            quickest = std::min(quickest, t);
        fastest.offer(index, quickest);
        const CarExpectation guess = car < expected.size() ? expected[car] : CarExpectation{};
        if (guess.predictionS)
            prediction.offer(index, std::abs(mean(runs) - *guess.predictionS));
        if (guess.simulatedS)
            simulation.offer(index, std::abs(mean(runs) - *guess.simulatedS));
        if (runs.size() >= 2 && runs.front() - runs.back() > 0.0)
            improvement.offer(index, runs.front() - runs.back());
    }
    std::vector<AwardWinner> awards;
    const std::pair<RaceAward, const Best *> all[] = {{RaceAward::Fastest, &fastest},
                                                      {RaceAward::ClosestToPrediction, &prediction},
                                                      {RaceAward::ClosestToSimulation, &simulation},
                                                      {RaceAward::BestImprovement, &improvement}};
    for (const auto &[award, best] : all) {
        if (best->winner.car < 0)
            continue;
        AwardWinner winner = best->winner;
        winner.award = award;
        awards.push_back(winner);
    }
    return awards;
}

QString awardTitle(RaceAward award)
{
    switch (award) {
    case RaceAward::ClosestToPrediction:
        return Texts::tr("Closest to its prediction");
    case RaceAward::ClosestToSimulation:
        return Texts::tr("Closest to its simulation");
    case RaceAward::BestImprovement:
        return Texts::tr("Best improvement");
    case RaceAward::Fastest:
        break;
    }
    return Texts::tr("Fastest run");
}

} // namespace zindle
