// SPDX-License-Identifier: GPL-3.0-or-later
#include "physics/RaceDay.h"

#include "physics/LaneSchedule.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace zindle {

namespace {

int carIndex(const RaceEvent &event, const QString &file)
{
    for (size_t i = 0; i < event.cars.size(); ++i)
        if (event.cars[i].file == file)
            return static_cast<int>(i);
    return -1;
}

std::vector<bool> blockedLanes(const RaceEvent &event)
{
    std::vector<bool> blocked = event.blocked;
    blocked.resize(static_cast<size_t>(event.lanes), false);
    return blocked;
}

struct HeatResult {
    std::optional<double> time; // none: did not finish
    int points = 0;
};

std::vector<std::vector<HeatResult>> resultsPerCar(const RaceEvent &event)
{
    std::vector<std::vector<HeatResult>> results(event.cars.size());
    for (const EventHeat &heat : event.heats) {
        if (!heat.recorded)
            continue;
        int entrants = 0;
        for (int car : heat.lanes)
            entrants += car >= 0 ? 1 : 0;
        for (size_t lane = 0; lane < heat.lanes.size(); ++lane) {
            const int car = heat.lanes[lane];
            if (car < 0 || static_cast<size_t>(car) >= results.size())
                continue;
            HeatResult result;
            result.time = lane < heat.times.size() ? heat.times[lane] : std::nullopt;
            if (result.time) {
                int faster = 0;
                for (size_t other = 0; other < heat.lanes.size(); ++other)
                    if (heat.lanes[other] >= 0 && other < heat.times.size() && heat.times[other] &&
                        *heat.times[other] < *result.time)
                        ++faster;
                result.points = entrants - faster;
            }
            results[static_cast<size_t>(car)].push_back(result);
        }
    }
    return results;
}

// The heat a car drops: a DNF first, then the slowest time (by points: the fewest points).
size_t slowestHeat(const std::vector<HeatResult> &runs, EventScoring scoring)
{
    size_t slowest = 0;
    for (size_t i = 1; i < runs.size(); ++i) {
        const HeatResult &a = runs[i], &b = runs[slowest];
        const bool slower = scoring == EventScoring::Points
                                ? a.points < b.points
                                : (!a.time && b.time) || (a.time && b.time && *a.time > *b.time);
        if (slower)
            slowest = i;
    }
    return slowest;
}

// What a car is ranked by, least first; none sorts after every number.
using RankKey = std::tuple<int, int, double, double>;

RankKey rankKey(const EventStanding &s, EventScoring scoring)
{
    const double none = HUGE_VAL;
    const double average = s.average.value_or(none), best = s.best.value_or(none);
    switch (scoring) {
    case EventScoring::BestTime:
        return {s.best ? 0 : 1, 0, best, average};
    case EventScoring::Points:
        return {s.runs > 0 ? 0 : 1, -s.points, best, average};
    case EventScoring::AverageTime:
        break;
    }
    return {s.runs > 0 ? 0 : 1, s.countedDnf ? 1 : 0, average, best};
}

} // namespace

void ScheduleEvent(RaceEvent &event)
{
    std::vector<int> racing;
    for (size_t i = 0; i < event.cars.size(); ++i)
        if (!event.cars[i].withdrawn)
            racing.push_back(static_cast<int>(i));
    const std::vector<bool> blocked = blockedLanes(event);
    const int cars = static_cast<int>(racing.size());
    LaneHeats chart;
    switch (event.format) {
    case EventFormat::Rotation:
        chart = RotationHeats(cars, blocked);
        break;
    case EventFormat::FastestTime:
        chart = FastestTimeHeats(cars, blocked, event.rounds);
        break;
    case EventFormat::Balanced:
        chart = BalancedHeats(cars, blocked);
        break;
    }
    std::erase_if(event.heats, [](const EventHeat &heat) { return !heat.recorded; });
    for (const std::vector<int> &lanes : chart) {
        EventHeat heat;
        for (int seat : lanes)
            heat.lanes.push_back(seat == NoCar ? -1 : racing[static_cast<size_t>(seat)]);
        event.heats.push_back(std::move(heat));
    }
    for (EventCar &car : event.cars)
        car.late = false;
}

QString RecordHeat(RaceEvent &event, int index, const std::vector<std::optional<double>> &times)
{
    if (index < 0 || index >= static_cast<int>(event.heats.size()))
        return QCoreApplication::translate("RaceDay", "there is no heat %1; the event has %2")
            .arg(index + 1)
            .arg(event.heats.size());
    EventHeat &heat = event.heats[static_cast<size_t>(index)];
    if (times.size() != heat.lanes.size())
        return QCoreApplication::translate("RaceDay", "heat %1 has %2 lanes, and %3 times were given")
            .arg(index + 1).arg(heat.lanes.size()).arg(times.size());
    for (size_t lane = 0; lane < times.size(); ++lane) {
        const std::optional<double> &time = times[lane];
        if (!time)
            continue;
        if (heat.lanes[lane] < 0)
            return QCoreApplication::translate("RaceDay", "lane %1 of heat %2 has no car, so it has no time")
                .arg(lane + 1)
                .arg(index + 1);
        if (!std::isfinite(*time) || *time <= 0.0 || *time > MaxEventTimeS)
            return QCoreApplication::translate("RaceDay", "the time in lane %1 must lie above 0 and up to 100 s")
                .arg(lane + 1);
    }
    if (heat.recorded)
        ++heat.reruns;
    heat.recorded = true;
    heat.times = times;
    return {};
}

QString AddLateEntry(RaceEvent &event, const QString &file)
{
    if (file.trimmed().isEmpty())
        return QCoreApplication::translate("RaceDay", "a car needs the file name of its design");
    if (carIndex(event, file) >= 0)
        return QCoreApplication::translate("RaceDay", "\"%1\" is already entered").arg(file);
    if (event.cars.size() >= static_cast<size_t>(MaxEventCars))
        return QCoreApplication::translate("RaceDay", "an event holds at most %1 cars").arg(MaxEventCars);
    const bool charted = !event.heats.empty();
    event.cars.push_back(EventCar{file, false, charted});
    if (!charted)
        return {};
    const int car = static_cast<int>(event.cars.size()) - 1;
    const std::vector<bool> blocked = blockedLanes(event);
    for (size_t lane = 0; lane < blocked.size(); ++lane) {
        if (blocked[lane])
            continue;
        EventHeat heat;
        heat.lanes.assign(blocked.size(), -1);
        heat.lanes[lane] = car;
        event.heats.push_back(std::move(heat));
    }
    return {};
}

QString WithdrawCar(RaceEvent &event, const QString &file)
{
    const int car = carIndex(event, file);
    if (car < 0)
        return QCoreApplication::translate("RaceDay", "\"%1\" is not entered").arg(file);
    event.cars[static_cast<size_t>(car)].withdrawn = true;
    for (EventHeat &heat : event.heats)
        if (!heat.recorded)
            std::replace(heat.lanes.begin(), heat.lanes.end(), car, -1);
    std::erase_if(event.heats, [](const EventHeat &heat) {
        return !heat.recorded && std::all_of(heat.lanes.begin(), heat.lanes.end(), [](int c) { return c < 0; });
    });
    return {};
}

int NextHeat(const RaceEvent &event)
{
    for (size_t i = 0; i < event.heats.size(); ++i)
        if (!event.heats[i].recorded)
            return static_cast<int>(i);
    return -1;
}

std::vector<EventStanding> EventStandings(const RaceEvent &event)
{
    const std::vector<std::vector<HeatResult>> results = resultsPerCar(event);
    std::vector<EventStanding> standings;
    for (size_t car = 0; car < results.size(); ++car) {
        std::vector<HeatResult> runs = results[car];
        EventStanding s;
        s.car = static_cast<int>(car);
        s.runs = static_cast<int>(runs.size());
        for (const HeatResult &run : runs)
            s.finished += run.time ? 1 : 0;
        if (event.dropSlowest && runs.size() >= 2)
            runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(slowestHeat(runs, event.scoring)));
        s.counted = static_cast<int>(runs.size());
        double sum = 0.0;
        int timed = 0;
        for (const HeatResult &run : runs) {
            s.points += run.points;
            if (!run.time) {
                s.countedDnf = true;
                continue;
            }
            sum += *run.time;
            ++timed;
            s.best = s.best ? std::min(*s.best, *run.time) : *run.time;
        }
        if (timed > 0)
            s.average = sum / timed;
        standings.push_back(s);
    }
    std::stable_sort(standings.begin(), standings.end(), [&](const EventStanding &a, const EventStanding &b) {
        return rankKey(a, event.scoring) < rankKey(b, event.scoring);
    });
    for (size_t i = 0; i < standings.size(); ++i)
        standings[i].place = i > 0 && rankKey(standings[i], event.scoring) == rankKey(standings[i - 1], event.scoring)
                                 ? standings[i - 1].place
                                 : static_cast<int>(i) + 1;
    return standings;
}

} // namespace zindle
