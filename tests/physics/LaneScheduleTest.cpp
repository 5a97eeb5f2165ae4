// SPDX-License-Identifier: GPL-3.0-or-later
// Charts for a real track: every car in every open lane equally often, no car in two heats in a
// row when there are twice as many cars as open lanes, meetings as even as the chart allows.

#include "physics/LaneSchedule.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

void expectEveryOpenLaneOnce(const LaneHeats &heats, int cars, const std::vector<bool> &blocked)
{
    const ChartFacts facts = FactsOf(heats, cars);
    for (int car = 0; car < cars; ++car)
        for (size_t lane = 0; lane < blocked.size(); ++lane)
            ASSERT_EQ(facts.laneRuns[static_cast<size_t>(car)][lane], blocked[lane] ? 0 : 1)
                << "car " << car << " lane " << lane;
}

} // namespace

TEST(LaneSchedule, BalancedChartsRunEveryLaneOnceSpaceTheHeatsAndEvenTheMeetings)
{
    for (int lanes = 2; lanes <= 6; ++lanes)
        for (int blockedLane = -1; blockedLane < lanes; blockedLane += blockedLane < 0 ? lanes : lanes + 1) {
            std::vector<bool> blocked(static_cast<size_t>(lanes), false);
            if (blockedLane >= 0)
                blocked[static_cast<size_t>(blockedLane)] = true;
            const int open = blockedLane >= 0 ? lanes - 1 : lanes;
            for (int cars = 4; cars <= 30; ++cars) {
                SCOPED_TRACE(testing::Message() << cars << " cars, " << lanes << " lanes, blocked " << blockedLane);
                const LaneHeats heats = BalancedHeats(cars, blocked);
                ASSERT_EQ(heats.size(), static_cast<size_t>(std::max(cars, open)));
                expectEveryOpenLaneOnce(heats, cars, blocked);
                const ChartFacts facts = FactsOf(heats, cars);
                if (cars >= 2 * open) {
                    EXPECT_EQ(facts.backToBack, 0);
                }
                // Fewer cars than twice the lanes ask for no spacing, and a roster large enough
                // for a chart where no two cars meet twice has room to space it too.
                if (cars < 2 * open || cars > open * (open - 1) + open) {
                    EXPECT_LE(facts.mostMeetings - facts.fewestMeetings, 1);
                }
                EXPECT_EQ(BalancedHeats(cars, blocked), heats) << "the same roster gives the same chart";
            }
        }
}

TEST(LaneSchedule, RotationAndFastestTimeCharts)
{
    // Seven cars on three lanes, lane 2 blocked: two lanes apart each heat, so no car runs twice
    // in a row.
    const std::vector<bool> blocked{false, true, false};
    const LaneHeats rotation = RotationHeats(7, blocked);
    expectEveryOpenLaneOnce(rotation, 7, blocked);
    EXPECT_EQ(rotation[0], (std::vector<int>{0, NoCar, 2}));
    EXPECT_EQ(rotation[6], (std::vector<int>{6, NoCar, 1}));
    EXPECT_EQ(FactsOf(rotation, 7).backToBack, 0);

    // Fewer cars than lanes: every heat holds every car, the lanes left over stay empty.
    const LaneHeats few = BalancedHeats(2, std::vector<bool>(4, false));
    ASSERT_EQ(few.size(), 4u);
    expectEveryOpenLaneOnce(few, 2, std::vector<bool>(4, false));

    // Fastest time: five cars on two lanes, two rounds of three heats, the lanes swapped in the
    // second round.
    const LaneHeats fastest = FastestTimeHeats(5, {false, false}, 2);
    EXPECT_EQ(fastest, (LaneHeats{{0, 1}, {2, 3}, {4, NoCar}, {1, 0}, {3, 2}, {NoCar, 4}}));

    EXPECT_TRUE(BalancedHeats(5, {true, true}).empty());
    EXPECT_TRUE(RotationHeats(0, {false}).empty());
}
