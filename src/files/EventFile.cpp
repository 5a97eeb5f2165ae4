// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventFile.h"

#include "JsonFileRead.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include <cmath>

namespace zindle {

namespace {

using Broken = BrokenJsonFile;

const QSet<QString> &knownFields()
{
    static const QSet<QString> known{"format", "version", "title", "roster", "track", "trackFt", "date",
                                     "lanes", "blocked", "chart", "rounds", "scoring", "dropSlowest",
                                     "joinCode", "cars", "heats"};
    return known;
}

// `missing` is the whole refusal, the place as %1 and the key as %2: "%1 has no text \"%2\"".
QJsonValue field(const QJsonObject &object, const char *key, const FileText &where, bool (QJsonValue::*is)() const,
                 const char *missing, bool required = true)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() && !required)
        return value;
    if (!(value.*is)())
        throw Broken{FileText(missing).arg(where).arg(QLatin1String(key))};
    return value;
}

QString text(const QJsonObject &object, const char *key, const FileText &where, bool required = true)
{
    return field(object, key, where, &QJsonValue::isString,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no text \"%2\""), required).toString();
}

int wholeNumber(const QJsonObject &object, const char *key, const FileText &where, int least, int most)
{
    const double value = field(object, key, where, &QJsonValue::isDouble,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no number \"%2\"")).toDouble();
    if (value != std::floor(value) || value < least || value > most)
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a \"%2\" that is not a whole number from %3 to %4"))
                         .arg(where).arg(QLatin1String(key)).arg(least).arg(most)};
    return static_cast<int>(value);
}

std::optional<double> timeAt(const QJsonArray &times, qsizetype i, const FileText &where)
{
    const QJsonValue value = times.at(i);
    if (value.isNull())
        return std::nullopt;
    const double time = value.toDouble(-1.0);
    if (!value.isDouble() || !(time > 0.0 && time <= MaxEventTimeS))
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a time that is neither null nor above 0 and up to 100 s"))
                .arg(where)};
    return time;
}

EventHeat decodeHeat(const QJsonObject &object, const RaceEvent &event, const QHash<QString, int> &cars,
                     const FileText &where)
{
    EventHeat heat;
    const QJsonArray lanes = field(object, "lanes", where, &QJsonValue::isArray,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no list \"%2\"")).toArray();
    if (lanes.size() != event.lanes)
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has %2 lanes; the track has %3"))
                .arg(where).arg(lanes.size()).arg(event.lanes)};
    for (qsizetype lane = 0; lane < lanes.size(); ++lane) {
        const QJsonValue car = lanes.at(lane);
        if (car.isNull()) {
            heat.lanes.push_back(-1);
            continue;
        }
        if (!car.isString() || !cars.contains(car.toString()))
            throw Broken{
                FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 names a car in lane %2 that is not entered"))
                    .arg(where).arg(lane + 1)};
        heat.lanes.push_back(cars.value(car.toString()));
    }
    heat.recorded = field(object, "recorded", where, &QJsonValue::isBool,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no true or false \"%2\"")).toBool();
    heat.reruns = object.contains(QStringLiteral("reruns")) ? wholeNumber(object, "reruns", where, 0, 1000000) : 0;
    if (!heat.recorded)
        return heat;
    const QJsonArray times = field(object, "times", where, &QJsonValue::isArray,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no list \"%2\"")).toArray();
    if (times.size() != lanes.size())
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has %2 times for %3 lanes"))
                .arg(where).arg(times.size()).arg(lanes.size())};
    for (qsizetype lane = 0; lane < times.size(); ++lane) {
        heat.times.push_back(timeAt(times, lane, where));
        if (heat.times.back() && heat.lanes[static_cast<size_t>(lane)] < 0)
            throw Broken{
                FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has a time in lane %2, which has no car"))
                    .arg(where).arg(lane + 1)};
    }
    return heat;
}

RaceEvent decode(const QByteArray &bytes)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not an event (not JSON: %1 at byte %2)"))
                         .arg(parseError.errorString()).arg(parseError.offset)};
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")) != QStringLiteral("zindle-event"))
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a race-day event"))};
    if (top.value(QStringLiteral("version")).toDouble() != EventFileVersion)
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not an event of version %1, which this release reads"))
                .arg(EventFileVersion)};
    const FileText where(QT_TRANSLATE_NOOP("FileErrors", "the event"));
    RaceEvent event;
    event.title = text(top, "title", where, false);
    event.roster = text(top, "roster", where, false);
    event.track = text(top, "track", where, false);
    if (top.contains(QStringLiteral("trackFt"))) {
        event.trackFt = field(top, "trackFt", where, &QJsonValue::isDouble,
            QT_TRANSLATE_NOOP("FileErrors", "%1 has no number \"%2\"")).toDouble();
        if (!(event.trackFt > 0.0 && event.trackFt <= 100.0))
            throw Broken{
                FileText(QT_TRANSLATE_NOOP("FileErrors", "the event's trackFt must lie above 0 and up to 100 ft"))};
    }
    event.date = QDate::fromString(text(top, "date", where, false), Qt::ISODate);
    event.lanes = wholeNumber(top, "lanes", where, 1, MaxEventLanes);
    event.blocked.assign(static_cast<size_t>(event.lanes), false);
    for (const QJsonValue lane : top.value(QStringLiteral("blocked")).toArray()) {
        const double number = lane.toDouble(0.0);
        if (number != std::floor(number) || number < 1 || number > event.lanes)
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "the event blocks a lane the track does not have"))};
        event.blocked[static_cast<size_t>(number) - 1] = true;
    }
    const std::optional<EventFormat> format = formatNamed(text(top, "chart", where));
    if (!format)
        throw Broken{
            FileText(QT_TRANSLATE_NOOP("FileErrors", "the event's chart is not balanced, rotation or fastest"))};
    event.format = *format;
    event.rounds = top.contains(QStringLiteral("rounds")) ? wholeNumber(top, "rounds", where, 1, MaxEventRounds) : 1;
    const std::optional<EventScoring> scoring = scoringNamed(text(top, "scoring", where));
    if (!scoring)
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "the event's scoring is not average, best or points"))};
    event.scoring = *scoring;
    event.dropSlowest = top.value(QStringLiteral("dropSlowest")).toBool(false);
    event.joinCode = text(top, "joinCode", where, false);

    const QJsonArray cars = field(top, "cars", where, &QJsonValue::isArray,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no list \"%2\"")).toArray();
    if (cars.size() > MaxEventCars)
        throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "the event has more than %1 cars")).arg(MaxEventCars)};
    QHash<QString, int> index;
    for (qsizetype i = 0; i < cars.size(); ++i) {
        const FileText carWhere = FileText(QT_TRANSLATE_NOOP("FileErrors", "car %1")).arg(i + 1);
        const QJsonObject object = cars.at(i).toObject();
        EventCar car{text(object, "file", carWhere), object.value(QStringLiteral("withdrawn")).toBool(false),
                     object.value(QStringLiteral("late")).toBool(false)};
        if (car.file.isEmpty() || index.contains(car.file))
            throw Broken{
                FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 has an empty file name or one entered before"))
                    .arg(carWhere)};
        index.insert(car.file, static_cast<int>(i));
        event.cars.push_back(car);
    }
    const QJsonArray heats = field(top, "heats", where, &QJsonValue::isArray,
        QT_TRANSLATE_NOOP("FileErrors", "%1 has no list \"%2\"")).toArray();
    for (qsizetype i = 0; i < heats.size(); ++i) {
        const FileText heatWhere = FileText(QT_TRANSLATE_NOOP("FileErrors", "heat %1")).arg(i + 1);
        if (!heats.at(i).isObject())
            throw Broken{FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 is not an object")).arg(heatWhere)};
        event.heats.push_back(decodeHeat(heats.at(i).toObject(), event, index, heatWhere));
    }
    for (auto it = top.begin(); it != top.end(); ++it)
        if (!knownFields().contains(it.key()))
            event.unknown.insert(it.key(), it.value());
    return event;
}

} // namespace

EventRead DecodeEvent(const QByteArray &bytes, const QString &path)
{
    return DecodeJsonFile<EventRead>(bytes, path, [](EventRead &read, const QByteArray &b) { read.event = decode(b); });
}

EventRead ReadEvent(const QString &path)
{
    return ReadJsonFile<EventRead>(path, MaxEventFileBytes, DecodeEvent);
}

QByteArray EncodeEvent(const RaceEvent &event)
{
    QJsonObject top = event.unknown;
    top.insert(QStringLiteral("format"), QStringLiteral("zindle-event"));
    top.insert(QStringLiteral("version"), EventFileVersion);
    top.insert(QStringLiteral("title"), event.title);
    top.insert(QStringLiteral("roster"), event.roster);
    top.insert(QStringLiteral("track"), event.track);
    top.insert(QStringLiteral("trackFt"), event.trackFt);
    if (event.date.isValid())
        top.insert(QStringLiteral("date"), event.date.toString(Qt::ISODate));
    top.insert(QStringLiteral("lanes"), event.lanes);
    QJsonArray blocked;
    for (size_t lane = 0; lane < event.blocked.size(); ++lane)
        if (event.blocked[lane])
            blocked.append(static_cast<int>(lane) + 1);
    top.insert(QStringLiteral("blocked"), blocked);
    top.insert(QStringLiteral("chart"), formatName(event.format));
    top.insert(QStringLiteral("rounds"), event.rounds);
    top.insert(QStringLiteral("scoring"), scoringName(event.scoring));
    top.insert(QStringLiteral("dropSlowest"), event.dropSlowest);
    top.insert(QStringLiteral("joinCode"), event.joinCode);
    QJsonArray cars;
    for (const EventCar &car : event.cars)
        cars.append(QJsonObject{{"file", car.file}, {"withdrawn", car.withdrawn}, {"late", car.late}});
    top.insert(QStringLiteral("cars"), cars);
    QJsonArray heats;
    for (const EventHeat &heat : event.heats) {
        QJsonArray lanes, times;
        for (int car : heat.lanes)
            lanes.append(car >= 0 && static_cast<size_t>(car) < event.cars.size()
                             ? QJsonValue(event.cars[static_cast<size_t>(car)].file) : QJsonValue());
        QJsonObject object{{"lanes", lanes}, {"recorded", heat.recorded}, {"reruns", heat.reruns}};
        if (heat.recorded) {
            for (const std::optional<double> &time : heat.times)
                times.append(time ? QJsonValue(*time) : QJsonValue());
            object.insert(QStringLiteral("times"), times);
        }
        heats.append(object);
    }
    top.insert(QStringLiteral("heats"), heats);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

WriteOutcome WriteEvent(const QString &path, const RaceEvent &event)
{
    return WriteFileAtomically(path, EncodeEvent(event));
}

} // namespace zindle
