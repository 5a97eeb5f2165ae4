// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a race day: what a heat's times may be, re-runs, late entries and withdrawals,
// and how the cars rank under each scoring.

#include "physics/RaceDay.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

using Times = std::vector<std::optional<double>>;

// Three cars, two lanes, heats given outright so that the standings are worked by hand.
RaceEvent threeCars(EventScoring scoring, bool dropSlowest)
{
    RaceEvent event;
    event.lanes = 2;
    event.blocked = {false, false};
    event.scoring = scoring;
    event.dropSlowest = dropSlowest;
    event.cars = {{"a.zndl"}, {"b.zndl"}, {"c.zndl"}};
    event.heats = {{{0, 1}}, {{1, 2}}, {{2, 0}}};
    EXPECT_EQ(RecordHeat(event, 0, {1.50, 1.60}), "");
    EXPECT_EQ(RecordHeat(event, 1, {1.40, std::nullopt}), "");
    EXPECT_EQ(RecordHeat(event, 2, {1.30, 1.90}), "");
    return event;
}

std::vector<QString> order(const RaceEvent &event)
{
    std::vector<QString> files;
    for (const EventStanding &s : EventStandings(event))
        files.push_back(QStringLiteral("%1:%2").arg(s.place).arg(event.cars[static_cast<size_t>(s.car)].file));
    return files;
}

} // namespace

TEST(RaceDay, AHeatTakesOneTimeOrNonePerLaneAndARecordingAgainIsAReRun)
{
    RaceEvent event = threeCars(EventScoring::AverageTime, false);
    const RaceEvent before = event;
    EXPECT_EQ(RecordHeat(event, 3, {1.0, 1.0}), "there is no heat 4; the event has 3");
    EXPECT_EQ(RecordHeat(event, 0, {1.0}), "heat 1 has 2 lanes, and 1 times were given");
    EXPECT_EQ(RecordHeat(event, 0, {0.0, 1.0}), "the time in lane 1 must lie above 0 and up to 100 s");
    EXPECT_EQ(RecordHeat(event, 0, {1.0, 100.5}), "the time in lane 2 must lie above 0 and up to 100 s");
    event.heats[0].lanes[1] = -1;
    EXPECT_EQ(RecordHeat(event, 0, {1.0, 1.2}), "lane 2 of heat 1 has no car, so it has no time");
    event.heats[0].lanes[1] = 1;
    EXPECT_EQ(event.heats[0].times, before.heats[0].times) << "a refused heat changes nothing";

    EXPECT_EQ(RecordHeat(event, 0, {1.45, 1.65}), "");
    EXPECT_EQ(event.heats[0].reruns, 1);
    EXPECT_EQ(event.heats[0].times, (Times{1.45, 1.65}));
    EXPECT_EQ(NextHeat(event), -1);
}

TEST(RaceDay, StandingsUnderEachScoring)
{
    // a: 1.50, 1.90 | b: 1.60, 1.40 | c: DNF, 1.30
    EXPECT_EQ(order(threeCars(EventScoring::AverageTime, false)),
              (std::vector<QString>{"1:b.zndl", "2:a.zndl", "3:c.zndl"})) << "a counted DNF ranks last";
    EXPECT_EQ(order(threeCars(EventScoring::AverageTime, true)),
              (std::vector<QString>{"1:c.zndl", "2:b.zndl", "3:a.zndl"})) << "c drops its DNF";
    EXPECT_EQ(order(threeCars(EventScoring::BestTime, false)),
              (std::vector<QString>{"1:c.zndl", "2:b.zndl", "3:a.zndl"}));
    // Points: heat 1 a 2, b 1; heat 2 b 2, c 0 (DNF); heat 3 c 2, a 1. a and b tie on points,
    // and b's better best time goes first.
    const RaceEvent points = threeCars(EventScoring::Points, false);
    EXPECT_EQ(order(points), (std::vector<QString>{"1:b.zndl", "2:a.zndl", "3:c.zndl"}));
    const std::vector<EventStanding> table = EventStandings(points);
    EXPECT_EQ(table[0].points, 3);
    EXPECT_EQ(table[1].points, 3);
    const EventStanding &c = table[2];
    EXPECT_EQ(c.points, 2);
    EXPECT_EQ(c.runs, 2);
    EXPECT_EQ(c.finished, 1);
    EXPECT_EQ(c.best, 1.30);
}

TEST(RaceDay, LateEntriesRunHeatsOfTheirOwnAndWithdrawnCarsKeepTheirTimes)
{
    RaceEvent event;
    event.lanes = 3;
    event.blocked = {false, true, false};
    for (const char *file : {"a.zndl", "b.zndl", "c.zndl", "d.zndl"})
        event.cars.push_back({file});
    ScheduleEvent(event);
    ASSERT_EQ(event.heats.size(), 4u);
    ASSERT_EQ(RecordHeat(event, 0, {1.5, std::nullopt, 1.6}), "");

    EXPECT_EQ(AddLateEntry(event, "e.zndl"), "");
    EXPECT_EQ(AddLateEntry(event, "e.zndl"), "\"e.zndl\" is already entered");
    ASSERT_EQ(event.heats.size(), 6u);
    EXPECT_EQ(event.heats[4].lanes, (std::vector<int>{4, -1, -1}));
    EXPECT_EQ(event.heats[5].lanes, (std::vector<int>{-1, -1, 4}));

    const std::vector<int> firstHeat = event.heats[0].lanes;
    const int withdrawn = firstHeat[0];
    EXPECT_EQ(WithdrawCar(event, event.cars[static_cast<size_t>(withdrawn)].file), "");
    EXPECT_EQ(event.heats[0].lanes, firstHeat) << "a recorded heat stays as it was run";
    for (size_t h = 1; h < event.heats.size(); ++h)
        EXPECT_EQ(std::count(event.heats[h].lanes.begin(), event.heats[h].lanes.end(), withdrawn), 0);
    EXPECT_EQ(EventStandings(event)[0].car, withdrawn) << "its time still counts";
    EXPECT_EQ(WithdrawCar(event, "z.zndl"), "\"z.zndl\" is not entered");
}
