// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventJson.h"

#include "physics/RaceDay.h"

#include <QJsonArray>

namespace zindle {

namespace {

QJsonValue timeValue(const std::optional<double> &time)
{
    return time ? QJsonValue(*time) : QJsonValue();
}

QJsonArray laneCars(const RaceEvent &event, const EventHeat &heat)
{
    QJsonArray lanes;
    for (int car : heat.lanes)
        lanes.append(car >= 0 && static_cast<size_t>(car) < event.cars.size()
                         ? QJsonValue(event.cars[static_cast<size_t>(car)].file) : QJsonValue());
    return lanes;
}

} // namespace

QJsonObject ScheduleJson(const RaceEvent &event)
{
    QJsonArray heats;
    for (const EventHeat &heat : event.heats)
        heats.append(QJsonObject{{QStringLiteral("lanes"), laneCars(event, heat)}});
    return {{QStringLiteral("heats"), heats}};
}

QJsonObject EventStateJson(const RaceEvent &event)
{
    QJsonArray heats;
    for (const EventHeat &heat : event.heats) {
        QJsonObject object{{QStringLiteral("lanes"), laneCars(event, heat)},
                           {QStringLiteral("recorded"), heat.recorded}};
        if (heat.recorded) {
            QJsonArray times;
            for (const std::optional<double> &time : heat.times)
                times.append(timeValue(time));
            object.insert(QStringLiteral("times"), times);
        }
        heats.append(object);
    }
    return {{QStringLiteral("title"), event.title},
            {QStringLiteral("next"), NextHeat(event) + 1},
            {QStringLiteral("heats"), heats}};
}

QJsonObject StandingsJson(const RaceEvent &event)
{
    QJsonArray rows;
    for (const EventStanding &s : EventStandings(event)) {
        const EventCar &car = event.cars[static_cast<size_t>(s.car)];
        rows.append(QJsonObject{{QStringLiteral("place"), s.place},
                                {QStringLiteral("car"), car.file},
                                {QStringLiteral("runs"), s.runs},
                                {QStringLiteral("finished"), s.finished},
                                {QStringLiteral("average"), timeValue(s.average)},
                                {QStringLiteral("best"), timeValue(s.best)},
                                {QStringLiteral("points"), s.points},
                                {QStringLiteral("withdrawn"), car.withdrawn}});
    }
    return {{QStringLiteral("scoring"), scoringName(event.scoring)},
            {QStringLiteral("dropSlowest"), event.dropSlowest},
            {QStringLiteral("standings"), rows}};
}

} // namespace zindle
