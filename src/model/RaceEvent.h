// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class's race day on a real track: who races, on which lanes, in which heats, and the times
// the timekeeper entered. It lives in its own file (files/EventFile.h, docs/event.md), saved
// after every recorded heat, so that a program killed mid-event loses nothing already entered.
// Times are what was measured, in seconds, held in double precision.

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace zindle {

enum class EventFormat { Balanced, Rotation, FastestTime };
enum class EventScoring { AverageTime, BestTime, Points };

inline constexpr int MaxEventLanes = 8;
inline constexpr int MaxEventCars = 200;
inline constexpr int MaxEventRounds = 20;
// A hand-timed run down a classroom track takes longer than this only when it did not finish.
inline constexpr double MaxEventTimeS = 100.0;

struct EventCar {
    QString file = {};      // the design's file name in the roster folder ("car7.zndl")
    bool withdrawn = false; // keeps its recorded times; runs no more heats
    bool late = false;      // entered after the chart was made: runs heats of its own
    bool operator==(const EventCar &) const = default;
};

struct EventHeat {
    std::vector<int> lanes = {}; // the car (index into cars) in each lane of the track, or -1
    bool recorded = false;
    // Per lane once recorded: the time, or none for a car that did not finish (and for every
    // empty lane).
    std::vector<std::optional<double>> times = {};
    int reruns = 0; // times the heat was recorded again
    bool operator==(const EventHeat &) const = default;
};

struct RaceEvent {
    QString title;
    QString roster;     // the class folder of designs, as it was given
    QString track;      // the track's name in the logbook ("Gym, lane tape")
    double trackFt = 15.0; // the timed distance
    QDate date;
    int lanes = 4;
    std::vector<bool> blocked; // one per lane
    EventFormat format = EventFormat::Balanced;
    int rounds = 1;            // of a fastest-time event
    EventScoring scoring = EventScoring::AverageTime;
    bool dropSlowest = false;
    QString joinCode;          // what a phone must send to enter times
    std::vector<EventCar> cars;
    std::vector<EventHeat> heats;
    QJsonObject unknown;       // fields of a later release, written back as they were
    bool operator==(const RaceEvent &) const = default;
};

// The chart and the scoring as the event file and the command line name them.
inline QString formatName(EventFormat format)
{
    switch (format) {
    case EventFormat::Rotation:
        return QStringLiteral("rotation");
    case EventFormat::FastestTime:
        return QStringLiteral("fastest");
    case EventFormat::Balanced:
        break;
    }
    return QStringLiteral("balanced");
}

inline std::optional<EventFormat> formatNamed(const QString &name)
{
    for (EventFormat format : {EventFormat::Balanced, EventFormat::Rotation, EventFormat::FastestTime})
        if (formatName(format) == name)
            return format;
    return std::nullopt;
}

inline QString scoringName(EventScoring scoring)
{
    switch (scoring) {
    case EventScoring::BestTime:
        return QStringLiteral("best");
    case EventScoring::Points:
        return QStringLiteral("points");
    case EventScoring::AverageTime:
        break;
    }
    return QStringLiteral("average");
}

inline std::optional<EventScoring> scoringNamed(const QString &name)
{
    for (EventScoring scoring : {EventScoring::AverageTime, EventScoring::BestTime, EventScoring::Points})
        if (scoringName(scoring) == name)
            return scoring;
    return std::nullopt;
}

} // namespace zindle
