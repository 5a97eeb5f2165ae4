// SPDX-License-Identifier: GPL-3.0-or-later
// The race replay over recorded traces: result texts, places within one tick, runs that end
// short or last past the recorded ten seconds, and the colours of the bars.

#include "model/DesignList.h"
#include "physics/Race.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// A run at constant speed that ends at `lastIndex` (samples 1..lastIndex recorded).
void record(DesignList &list, int lane, float feetPerSecond, int lastIndex, int skidFrom = -1, int skidTo = -1)
{
    RaceTrace &trace = list.traces[static_cast<size_t>(lane)];
    trace.clear();
    for (int i = 1; i <= lastIndex && i < TraceSamples; ++i) {
        trace.DistanceTrace[static_cast<size_t>(i)] = feetPerSecond * static_cast<float>(i) / 100.0f;
        trace.SkidTrace[static_cast<size_t>(i)] = (i >= skidFrom && i <= skidTo) ? 1 : 0;
    }
    list.entries[static_cast<size_t>(lane)].DesignSimulated = true;
}

// A run whose sample at `crossing` is the first beyond 15 ft.
void recordCrossing(DesignList &list, int lane, int crossing)
{
    record(list, lane, 15.0f / (static_cast<float>(crossing) - 0.5f) * 100.0f, crossing + 40);
}

} // namespace

TEST(Race, OnlyTheCurrentDesignRacesAndWins)
{
    DesignList list;
    recordCrossing(list, 0, 237);
    RaceState race;
    RunRaceToEnd(race, list);
    EXPECT_TRUE(race.raceOver);
    const auto results = RaceResults(race, list);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].lane, 0);
    EXPECT_EQ(results[0].name, "Default Design");
    EXPECT_EQ(results[0].text, "15 ft in 2.37 sec - 1st place");
}

TEST(Race, LanesCrossingInTheSameTickArePlacedInLaneOrder)
{
    DesignList list;
    recordCrossing(list, 1, 239); // later crossing, lower slot
    recordCrossing(list, 3, 236); // same tick (2.35 to 2.40)
    recordCrossing(list, 2, 300);
    recordCrossing(list, 4, 310);
    RaceState race;
    RunRaceToEnd(race, list);
    EXPECT_EQ(raceResultText(race.lanes[1]), "15 ft in 2.39 sec - 1st place");
    EXPECT_EQ(raceResultText(race.lanes[3]), "15 ft in 2.36 sec - 2nd place");
    EXPECT_EQ(raceResultText(race.lanes[2]), "15 ft in 3.00 sec - 3rd place");
    EXPECT_EQ(raceResultText(race.lanes[4]), "15 ft in 3.10 sec - 4th place");
    EXPECT_EQ(raceResultText(race.lanes[0]), ""); // never simulated
}

TEST(Race, RunsThatStopShortShowTimeAndDistance)
{
    DesignList list;
    record(list, 0, 4.0f, 343);   // spring ran out at 3.43 s, 13.72 ft
    record(list, 1, 1.0f, 1500);  // still running at the last recorded sample (10.00 s)
    RaceState race;
    RunRaceToEnd(race, list);
    EXPECT_EQ(raceResultText(race.lanes[0]), "3.43 sec/13.72 ft");
    EXPECT_EQ(raceResultText(race.lanes[1]), "10.00 sec/10.00 ft");
}

TEST(Race, ARunThatEndsJustAfterCrossingStillGetsItsPlace)
{
    DesignList list;
    // Crosses at 2.37 s and the spring runs out at 2.38 s, inside the tick that ends at 2.40 s.
    record(list, 0, 15.0f / 2.365f, 238);
    RaceState race;
    RunRaceToEnd(race, list);
    EXPECT_EQ(raceResultText(race.lanes[0]), "15 ft in 2.37 sec - 1st place");
}

TEST(Race, UnsimulatedLanesFinishAtOnceAndDrawNothing)
{
    DesignList list;
    list.traces[2].DistanceTrace.fill(5.0f); // a stale trace of a changed design
    RaceState race;
    StartRace(race);
    const auto bars = RaceTick(race, list, {10.0f, 20.0f});
    EXPECT_TRUE(bars.empty());
    EXPECT_TRUE(race.raceOver);
    EXPECT_TRUE(RaceResults(race, list).empty());
}

TEST(Race, BarsKeepTheColourHistoryOfTheRun)
{
    DesignList list;
    list.CurrentDesign = 1;
    record(list, 0, 5.0f, 400, 11, 15);
    record(list, 1, 5.0f, 400);
    RaceState race;
    StartRace(race);
    const RaceGeometry geometry{40.0f, 48.0f};
    const auto first = RaceTick(race, list, geometry);  // clock 5
    const auto second = RaceTick(race, list, geometry); // clock 10
    const auto third = RaceTick(race, list, geometry);  // clock 15: lane 0 skidding
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].brush, RaceBrush::OtherDesign);
    EXPECT_EQ(first[1].brush, RaceBrush::SelectedDesign);
    EXPECT_EQ(second[0].brush, RaceBrush::OtherDesign);
    EXPECT_EQ(third[0].brush, RaceBrush::Skidding);
    EXPECT_EQ(third[1].brush, RaceBrush::SelectedDesign);
    // Each bar continues where the last one ended: x = Trunc(distance x p) + Trunc(p).
    EXPECT_EQ(first[0].left, 0);
    EXPECT_EQ(first[0].right, static_cast<int>(0.25f * 40.0f) + 40);
    EXPECT_EQ(second[0].left, first[0].right);
    // Lane 1's rectangle: Trunc(0.6 H) + Trunc(H) + Trunc(H / 12) .. + Trunc(0.625 H).
    EXPECT_EQ(first[1].top, 28 + 48 + 4);
    EXPECT_EQ(first[1].bottom, 28 + 48 + 30);
}

TEST(Race, SpeedSliderSetsTheTimerInterval)
{
    EXPECT_EQ(raceTimerInterval(0), 200);
    EXPECT_EQ(raceTimerInterval(1), 100);
    EXPECT_EQ(raceTimerInterval(2), 50);
    EXPECT_EQ(raceSpeedLabel(0), "0.25x");
    EXPECT_EQ(raceSpeedLabel(2), "1x");
}
