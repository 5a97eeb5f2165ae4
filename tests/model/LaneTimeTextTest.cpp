// SPDX-License-Identifier: GPL-3.0-or-later
// A lane's time as the timekeeper types it: when the entry may move on, and what it reads as.

#include "model/LaneTimeText.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(LaneTimeText, ThreeDigitsOrTwoDecimalsOrDAreWholeTimes)
{
    for (const char *whole : {"155", "1.55", "12.34", ".95", "D", "d", "DNF"})
        EXPECT_TRUE(laneTimeComplete(QString::fromLatin1(whole))) << whole;
    for (const char *partial : {"", "15", "1.5", "12.", "1,55", "1x5", "1555"})
        EXPECT_FALSE(laneTimeComplete(QString::fromLatin1(partial))) << partial;
}

TEST(LaneTimeText, DigitsAreHundredthsAPointIsTheDecimalPointAndAnythingElseSaysWhatToType)
{
    const auto seconds = [](const char *text) { return parseLaneTime(QString::fromLatin1(text)); };
    EXPECT_DOUBLE_EQ(*seconds("155").seconds, 1.55);
    EXPECT_DOUBLE_EQ(*seconds("1234").seconds, 12.34);
    EXPECT_DOUBLE_EQ(*seconds(" 1.5 ").seconds, 1.5);
    EXPECT_TRUE(seconds("d").ok);
    EXPECT_FALSE(seconds("d").seconds);
    EXPECT_EQ(seconds("1,55").error, "\"1,55\" is no time: type the seconds with a period (1.55), or three digits "
                                     "for hundredths (155), or D for a car that did not finish");
    EXPECT_FALSE(seconds("1e2").ok);
    EXPECT_EQ(seconds("0").error,
              "0 is no time for a heat: a time lies above 0 and up to 100 s, or D for a car that did not finish");
    EXPECT_FALSE(seconds("100.01").ok);
    EXPECT_FALSE(seconds("99999999999999999999").ok);
}
