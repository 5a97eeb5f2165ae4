// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of a race day: making the chart, recording a heat, late entries and withdrawals,
// and the standings. Every function leaves the event as it was when it refuses.

#include "model/RaceEvent.h"

#include <QString>
#include <optional>
#include <vector>

namespace zindle {

// The heats for the cars still racing, replacing every heat not yet recorded; recorded heats
// stay as they were run.
void ScheduleEvent(RaceEvent &event);

// Records heat `index` (0-based): one entry per lane, a time for a car that finished, none for
// a car that did not and for an empty lane. Recording a heat again replaces its times (a
// re-run). Returns the broken rule as a sentence, empty when recorded. The refusals of this
// file are said in the window's language: they are only ever told to the person at the race.
QString RecordHeat(RaceEvent &event, int index, const std::vector<std::optional<double>> &times);

// A car entered after the chart was made runs every open lane once, in heats of its own at
// the end, so that no other car's chart changes. Refused for a file already entered.
QString AddLateEntry(RaceEvent &event, const QString &file);
// The car runs no more heats; the times it has stay. Its lane stays empty where it was to run.
QString WithdrawCar(RaceEvent &event, const QString &file);

// The next heat to run: the first not recorded, or -1 when every heat is.
int NextHeat(const RaceEvent &event);

struct EventStanding {
    int car = 0;
    int place = 0;        // 1, 2, ...; equal results share a place
    int runs = 0;         // recorded heats the car ran, DNFs included
    int finished = 0;
    int counted = 0;      // after dropping the slowest heat, when the event does
    std::optional<double> average, best; // s, over the counted finished runs
    int points = 0;
    bool countedDnf = false; // a DNF is among the counted heats
};

// Every car entered (withdrawn ones too), best first by the event's scoring. A DNF is the
// slowest heat a car can have: it is the one dropped, and under average time a car with a
// counted DNF ranks after every car without one. Under points a heat gives its fastest car as
// many points as the heat had cars, the next one fewer, a DNF none.
std::vector<EventStanding> EventStandings(const RaceEvent &event);

} // namespace zindle
