// SPDX-License-Identifier: GPL-3.0-or-later
// A measured run as the class types it: the marks text, and every rule that refuses a run.

#include "model/MeasuredRun.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

MeasuredRun soundRun()
{
    MeasuredRun run;
    run.date = QDate(2026, 5, 4);
    run.track = QStringLiteral("  Room 12 corridor, tile ");
    run.marks = {{10.0, 1.20}, {5.0, 0.71}, {15.0, 1.62}};
    run.restFt = 23.5;
    return run;
}

QString refusal(void (*change)(MeasuredRun &))
{
    MeasuredRun run = soundRun();
    change(run);
    return checkRun(run).english();
}

} // namespace

TEST(MeasuredRun, MarksAreFeetColonSecondsPairs)
{
    QString error;
    const auto marks = parseMarks(QStringLiteral("5:0.71, 10 : 1.20,15:1.62"), error);
    ASSERT_TRUE(marks);
    EXPECT_EQ(*marks, (std::vector<RunMark>{{5, 0.71}, {10, 1.2}, {15, 1.62}}));
    EXPECT_EQ(marksText(*marks), "5:0.71,10:1.2,15:1.62");
    EXPECT_TRUE(parseMarks(QString(), error)->empty());

    EXPECT_FALSE(parseMarks(QStringLiteral("5:0.71,10"), error));
    EXPECT_EQ(error, "Mark \"10\" is not feet:seconds (for example 5:0.71).");
    EXPECT_FALSE(parseMarks(QStringLiteral("5:0,71"), error));
    EXPECT_EQ(error, "Mark \"71\" is not feet:seconds (for example 5:0.71).");
    EXPECT_FALSE(parseMarks(QStringLiteral("5:fast"), error));
    EXPECT_EQ(error, "Mark \"5:fast\" time: \"fast\" is not a number (a period is the decimal point).");
}

TEST(MeasuredRun, ASoundRunIsPutInOrderOfDistance)
{
    MeasuredRun run = soundRun();
    EXPECT_FALSE(checkRun(run).broken());
    EXPECT_EQ(run.track, "Room 12 corridor, tile");
    EXPECT_EQ(marksText(run.marks), "5:0.71,10:1.2,15:1.62");
}

TEST(MeasuredRun, EveryBrokenRuleIsRefusedWithItsReason)
{
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.marks[1].timeS = 0; }),
              "The time 0 s at 5 ft cannot be measured: times lie above 0 and up to 100 s.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.marks[2].timeS = 100.5; }),
              "The time 100.5 s at 15 ft cannot be measured: times lie above 0 and up to 100 s.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.marks[0].timeS = 0.6; }),
              "The car cannot reach 10 ft at 0.6 s when it reached 5 ft at 0.71 s: times must grow with the distance.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.marks[0].distanceFt = -5; }),
              "A mark at -5 ft is not on a track: distances lie above 0 and up to 100 ft.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.marks[0].distanceFt = 101; }),
              "A mark at 101 ft is not on a track: distances lie above 0 and up to 100 ft.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.marks[0].distanceFt = 5; }), "There are two marks at 5 ft.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.restFt = 12.0; }),
              "The car cannot come to rest at 12 ft before its last mark at 15 ft.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.restFt = 0.0; }),
              "The resting distance 0 ft is not on a track: distances lie above 0 and up to 100 ft.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.massLbm = -0.3; }),
              "A car of -0.3 lbm cannot be weighed: masses lie above 0 and up to 10 lbm.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.track = QStringLiteral("  "); }), "The run needs the name of its track.");
    EXPECT_EQ(refusal([](MeasuredRun &r) { r.date = QDate(); }), "The run has no valid date (YYYY-MM-DD).");
    EXPECT_EQ(refusal([](MeasuredRun &r) {
                  r.marks.clear();
                  r.restFt.reset();
              }),
              "The run needs at least one mark or the distance where the car came to rest.");
}

TEST(MeasuredRun, NumbersAreReadAsTypedInDoublePrecision)
{
    QString error;
    EXPECT_EQ(parseRunNumber(QStringLiteral(" 23.5 "), QStringLiteral("--rest"), error), 23.5);
    EXPECT_EQ(parseRunNumber(QStringLiteral("0.71"), QStringLiteral("t"), error), 0.71);
    EXPECT_FALSE(parseRunNumber(QStringLiteral("23,5"), QStringLiteral("--rest"), error));
    EXPECT_EQ(error, "--rest: \"23,5\" is not a number (a period is the decimal point).");
}

TEST(MeasuredRun, ARunIsReadFieldByFieldWithTheFieldsNamedAsTyped)
{
    const RunFieldNames names{QStringLiteral("Date"), QStringLiteral("Rest"), QStringLiteral("Mass")};
    QString error;
    const auto run = parseRunTexts({QStringLiteral("2026-05-04"), QStringLiteral(" Gym "), QStringLiteral("10:1.2,5:0.7"),
                                    QStringLiteral(" "), QStringLiteral("0.3"), QStringLiteral("new tread")},
                                   names, error);
    ASSERT_TRUE(run) << error.toStdString();
    EXPECT_EQ(run->date, QDate(2026, 5, 4));
    EXPECT_EQ(run->track, "Gym");
    EXPECT_EQ(marksText(run->marks), "5:0.7,10:1.2");
    EXPECT_FALSE(run->restFt);
    EXPECT_EQ(run->massLbm, 0.3);
    EXPECT_EQ(parseRunTexts({{}, QStringLiteral("Gym"), {}, QStringLiteral("9"), {}, {}}, names, error)->date,
              QDate::currentDate());
    EXPECT_FALSE(parseRunTexts({QStringLiteral("4/5/26"), QStringLiteral("Gym"), {}, QStringLiteral("9"), {}, {}}, names, error));
    EXPECT_EQ(error, "Date: \"4/5/26\" is not a day written YYYY-MM-DD");
    EXPECT_FALSE(parseRunTexts({{}, QStringLiteral("Gym"), {}, QStringLiteral("9 ft"), {}, {}}, names, error));
    EXPECT_TRUE(error.startsWith("Rest: ")) << error.toStdString();
}
