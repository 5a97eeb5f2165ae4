// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventOutput.h"

#include "Cli.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "app/EventJson.h"
#include "files/PathText.h"
#include "model/CsvCell.h"
#include "physics/RaceDay.h"


namespace zindle::cli {

namespace {

QString seconds(const std::optional<double> &time)
{
    return time ? QString::number(*time, 'f', 3) : QStringLiteral("-");
}

QString carFile(const RaceEvent &event, int car)
{
    return car >= 0 && static_cast<size_t>(car) < event.cars.size() ? event.cars[static_cast<size_t>(car)].file
                                                                   : QString();
}

} // namespace

QString trackText(const RaceEvent &event)
{
    QStringList blocked;
    for (size_t lane = 0; lane < event.blocked.size(); ++lane)
        if (event.blocked[lane])
            blocked << QString::number(lane + 1);
    QString text = QStringLiteral("%1 lane%2").arg(event.lanes).arg(event.lanes == 1 ? "" : "s");
    if (!blocked.isEmpty())
        text += QStringLiteral(" (lane%1 %2 blocked)").arg(blocked.size() == 1 ? "" : "s", blocked.join(QStringLiteral(", ")));
    return text;
}

QString heatLine(const RaceEvent &event, int index)
{
    const EventHeat &heat = event.heats[static_cast<size_t>(index)];
    QStringList lanes;
    for (size_t lane = 0; lane < heat.lanes.size(); ++lane) {
        QString text = QStringLiteral("lane %1 ").arg(lane + 1);
        if (heat.lanes[lane] < 0) {
            lanes << text + QStringLiteral("-");
            continue;
        }
        text += printableText(carFile(event, heat.lanes[lane]));
        if (heat.recorded && lane < heat.times.size())
            text += heat.times[lane] ? QStringLiteral(" %1 s").arg(seconds(heat.times[lane])) : QStringLiteral(" DNF");
        lanes << text;
    }
    QString line = QStringLiteral("Heat %1").arg(index + 1);
    if (heat.reruns > 0)
        line += QStringLiteral(" (re-run %1)").arg(heat.reruns);
    return line + QStringLiteral(": ") + lanes.join(QStringLiteral(", "));
}

int printSchedule(const RaceEvent &event, bool json, QTextStream &out)
{
    if (json) {
        printJson(ScheduleJson(event), out);
        return Success;
    }
    out << printableText(event.title) << ": " << event.cars.size() << " cars, " << trackText(event) << ", "
        << event.heats.size() << " heats\n";
    for (size_t i = 0; i < event.heats.size(); ++i)
        out << heatLine(event, static_cast<int>(i)) << '\n';
    return Success;
}

int printStandings(const RaceEvent &event, const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    const std::vector<EventStanding> standings = EventStandings(event);
    if (parsed.hasValue(QStringLiteral("--csv"))) {
        QString csv = QStringLiteral("place,car,runs,finished,average_s,best_s,points,withdrawn\n");
        for (const EventStanding &s : standings) {
            const EventCar &car = event.cars[static_cast<size_t>(s.car)];
            csv += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8\n")
                       .arg(s.place)
                       .arg(csvTextCell(car.file))
                       .arg(s.runs)
                       .arg(s.finished)
                       .arg(s.average ? csvNumberCell(seconds(s.average)) : QString())
                       .arg(s.best ? csvNumberCell(seconds(s.best)) : QString())
                       .arg(s.points)
                       .arg(car.withdrawn ? "yes" : "no");
        }
        if (!writeOutputFile(parsed.value(QStringLiteral("--csv")), csv.toUtf8(), out, err))
            return FileFailure;
    }
    if (parsed.has(QStringLiteral("--json"))) {
        printJson(StandingsJson(event), out);
        return Success;
    }
    if (parsed.hasValue(QStringLiteral("--csv")))
        return Success;
    out << "Place  Car                        Runs  Average   Best      Points\n";
    for (const EventStanding &s : standings) {
        const EventCar &car = event.cars[static_cast<size_t>(s.car)];
        out << QStringLiteral("%1  %2  %3  %4  %5  %6%7\n")
                   .arg(s.place, 5)
                   .arg(printableText(car.file), -25)
                   .arg(s.runs, 4)
                   .arg(seconds(s.average), -8)
                   .arg(seconds(s.best), -8)
                   .arg(s.points, 6)
                   .arg(car.withdrawn ? QStringLiteral("  withdrawn") : QString());
    }
    return Success;
}

} // namespace zindle::cli
