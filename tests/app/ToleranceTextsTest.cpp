// SPDX-License-Identifier: GPL-3.0-or-later
// A tolerance as a person types it, and the study's sentence for a spread, for no spread and for
// a car that seldom gets there.

#include "app/ToleranceTexts.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(ToleranceTexts, TypedValuesInInchesAndPercent)
{
    EXPECT_EQ(ParseToleranceValue(QStringLiteral("1/16"), true), 0.0625);
    EXPECT_EQ(ParseToleranceValue(QStringLiteral(" 0.03125 "), true), 0.03125);
    EXPECT_EQ(ParseToleranceValue(QStringLiteral("5%"), false), 0.05);
    EXPECT_EQ(ParseToleranceValue(QStringLiteral("0"), false), 0.0);
    for (const char *refused : {"1/0", "-1", "0.6", "1,5", "abc", "", "1/16%"})
        EXPECT_FALSE(ParseToleranceValue(QLatin1String(refused), true)) << refused;
    for (const char *refused : {"51", "5 %%", "1/2", "nan"})
        EXPECT_FALSE(ParseToleranceValue(QLatin1String(refused), false)) << refused;
}

TEST(ToleranceTexts, TheSentenceSaysTheSpreadOrThatThereIsNone)
{
    ToleranceStudy study;
    study.p5 = 1.32;
    study.p50 = 1.391;
    study.p95 = 1.474;
    study.reachProbability = 1.0;
    study.shares[5] = 92.0;
    study.largestShare = 5;
    EXPECT_EQ(ToleranceSentence(study), QStringLiteral("Built within these tolerances, your car reaches 15 ft in 1.32 to "
                                                       "1.47 s (9 in 10 builds), typically 1.39 s; the rolling friction "
                                                       "matters most (92 % of the spread)."));
    study.p5 = study.p95 = study.p50;
    study.largestShare = -1;
    EXPECT_EQ(ToleranceSentence(study), QStringLiteral("Built within these tolerances, your car reaches 15 ft in 1.39 s every time."));
    study.p5.reset();
    study.p95.reset();
    study.p50.reset();
    study.reachProbability = 0.03;
    EXPECT_EQ(ToleranceSentence(study), QStringLiteral("Built within these tolerances, only 3 in 100 of your cars reach 15 ft."));
}
