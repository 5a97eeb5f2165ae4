// SPDX-License-Identifier: GPL-3.0-or-later
// The race day's awards from the recorded times and what each car was expected to do.

#include "physics/RaceAwards.h"
#include "support/PseudoTranslation.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// Three cars on two lanes: A runs 1.60 then 1.40, B 1.50 then DNF, C 1.55 then 1.58.
RaceEvent threeCarRace()
{
    RaceEvent event;
    event.lanes = 2;
    event.blocked = {false, false};
    for (const char *file : {"a.zndl", "b.zndl", "c.zndl"})
        event.cars.push_back({file});
    const auto heat = [](int left, int right, std::optional<double> tl, std::optional<double> tr) {
        return EventHeat{{left, right}, true, {tl, tr}, 0};
    };
    event.heats = {heat(0, 1, 1.60, 1.50), heat(2, 0, 1.55, 1.40), heat(1, 2, std::nullopt, 1.58),
                   EventHeat{{0, 2}, false, {}, 0}};
    return event;
}

} // namespace

TEST(RaceAwards, EachAwardGoesToTheCarThatEarnedItFromFinishedRunsOnly)
{
    // A's mean is 1.50, B's 1.50 (its DNF does not count), C's 1.565.
    const std::vector<CarExpectation> expected{{1.70, 1.45}, {1.52, 1.30}, {1.10, 1.57}};
    const std::vector<AwardWinner> awards = RaceAwards(threeCarRace(), expected);
    ASSERT_EQ(awards.size(), 4u);
    EXPECT_EQ(awards[0].award, RaceAward::Fastest);
    EXPECT_EQ(awards[0].car, 0);
    EXPECT_DOUBLE_EQ(awards[0].value, 1.40);
    EXPECT_EQ(awards[1].award, RaceAward::ClosestToPrediction);
    EXPECT_EQ(awards[1].car, 1);
    EXPECT_NEAR(awards[1].value, 0.02, 1e-12);
    EXPECT_EQ(awards[2].award, RaceAward::ClosestToSimulation);
    EXPECT_EQ(awards[2].car, 2);
    EXPECT_NEAR(awards[2].value, 0.005, 1e-12);
    // C got slower and B has one finished run: only A improved, first to last heat.
    EXPECT_EQ(awards[3].award, RaceAward::BestImprovement);
    EXPECT_EQ(awards[3].car, 0);
    EXPECT_NEAR(awards[3].value, 0.20, 1e-12);
    EXPECT_EQ(awardTitle(RaceAward::ClosestToSimulation), "Closest to its simulation");
    // The race day window shows the titles in the student's language.
    const test::BracketedTexts bracketed;
    EXPECT_EQ(awardTitle(RaceAward::BestImprovement), "\u27e6Best improvement\u27e7");
}

TEST(RaceAwards, AnAwardNoCarCanWinIsLeftOutAndTiesGoToTheFirstCarEntered)
{
    RaceEvent event = threeCarRace();
    EXPECT_TRUE(RaceAwards(RaceEvent{}, {}).empty());
    // Nobody predicted or was simulated; B and C tie on the fastest time.
    event.heats[1].times = {1.50, 1.60};
    const std::vector<AwardWinner> awards = RaceAwards(event, {});
    ASSERT_EQ(awards.size(), 1u);
    EXPECT_EQ(awards[0].award, RaceAward::Fastest);
    EXPECT_EQ(awards[0].car, 1);
}
