// SPDX-License-Identifier: GPL-3.0-or-later
// The event file: written and read back as it was, fields of a later release kept, and a file
// that is damaged or not an event refused with a reason, never half read.

#include "files/EventFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

RaceEvent recordedEvent()
{
    RaceEvent event;
    event.title = QStringLiteral("Room 12 \"final\"");
    event.roster = QStringLiteral("../class");
    event.track = QStringLiteral("Gym");
    event.trackFt = 12.5;
    event.date = QDate(2026, 12, 10);
    event.lanes = 3;
    event.blocked = {false, true, false};
    event.format = EventFormat::Rotation;
    event.scoring = EventScoring::Points;
    event.dropSlowest = true;
    event.joinCode = QStringLiteral("4821");
    event.cars = {{"a.zndl"}, {"b.zndl", true, false}, {"c.zndl", false, true}};
    event.heats = {{{0, -1, 1}, true, {0.71, std::nullopt, std::nullopt}, 2}, {{1, -1, 2}}};
    event.unknown.insert(QStringLiteral("awards"), QStringLiteral("kept"));
    return event;
}

QByteArray edited(const char *key, const QJsonValue &value)
{
    QJsonObject top = QJsonDocument::fromJson(EncodeEvent(recordedEvent())).object();
    top.insert(QLatin1String(key), value);
    return QJsonDocument(top).toJson();
}

} // namespace

TEST(EventFile, WrittenAndReadBackAsItWas)
{
    const EventRead read = DecodeEvent(EncodeEvent(recordedEvent()), QStringLiteral("day.zevent"));
    ASSERT_TRUE(read.ok) << qPrintable(read.error);
    EXPECT_EQ(read.event, recordedEvent());
}

TEST(EventFile, ADamagedFileOrAnotherFileIsRefusedWithItsReason)
{
    const QByteArray whole = EncodeEvent(recordedEvent());
    const struct {
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {whole.left(whole.size() / 2), "it is not an event (not JSON"},
        {"{\"designs\": []}", "it is not a race-day event"},
        {edited("version", 2), "it is not an event of version 1"},
        {edited("lanes", 9), "the event has a \"lanes\" that is not a whole number from 1 to 8"},
        {edited("blocked", QJsonArray{4}), "the event blocks a lane the track does not have"},
        {edited("chart", QStringLiteral("knockout")), "the event's chart is not balanced, rotation or fastest"},
        {edited("cars", QJsonArray{QJsonObject{{"file", "a.zndl"}}, QJsonObject{{"file", "a.zndl"}}}),
         "car 2 has an empty file name or one entered before"},
        {edited("heats", QJsonArray{QJsonObject{{"lanes", QJsonArray{"x.zndl", QJsonValue(), QJsonValue()}},
                                                {"recorded", false}}}),
         "heat 1 names a car in lane 1 that is not entered"},
        {edited("heats", QJsonArray{QJsonObject{{"lanes", QJsonArray{"a.zndl", QJsonValue(), QJsonValue()}},
                                                {"recorded", true},
                                                {"times", QJsonArray{1.5, 1.5, QJsonValue()}}}}),
         "heat 1 has a time in lane 2, which has no car"},
        {edited("heats", QJsonArray{QJsonObject{{"lanes", QJsonArray{"a.zndl", QJsonValue(), QJsonValue()}},
                                                {"recorded", true},
                                                {"times", QJsonArray{-1, QJsonValue(), QJsonValue()}}}}),
         "heat 1 has a time that is neither null nor above 0 and up to 100 s"},
    };
    for (const auto &c : cases) {
        const EventRead read = DecodeEvent(c.bytes, QStringLiteral("day.zevent"));
        EXPECT_FALSE(read.ok) << c.reason;
        EXPECT_TRUE(read.error.contains(QLatin1String(c.reason))) << qPrintable(read.error);
        EXPECT_TRUE(read.error.contains(QLatin1String("day.zevent"))) << qPrintable(read.error);
    }
}
