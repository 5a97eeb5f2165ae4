// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of a tolerance study: the draws every machine makes alike, nearest-rank
// percentiles with the cars that fall short ranked last, the histogram and the chance to beat.

#include "physics/ToleranceStatistics.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(ToleranceStatistics, DrawsAreFixedBySeedAndBuild)
{
    // The numbers of the generator itself: a library's distribution would differ by platform.
    EXPECT_EQ(BuildDraws(1, 0).unit(), 0.9435642308648544);
    EXPECT_EQ(BuildDraws(1, 1).unit(), 0.48391620830207016);
    EXPECT_EQ(BuildDraws(2, 0).unit(), 0.08471148009289708);
    BuildDraws draws(7, 3);
    for (int i = 0; i < 1000; ++i) {
        const double d = draws.symmetric();
        ASSERT_TRUE(d >= -1.0 && d < 1.0) << d;
    }
}

TEST(ToleranceStatistics, PercentilesRankTheCarsThatFallShortLast)
{
    const BuildTimes times{1.4, std::nullopt, 1.2, 1.3, 1.5, 1.1, 1.6, 1.7, 1.8, 1.9};
    EXPECT_EQ(nearestRankPercentile(times, 5.0), 1.1);   // rank 1
    EXPECT_EQ(nearestRankPercentile(times, 50.0), 1.5);  // rank 5
    EXPECT_EQ(nearestRankPercentile(times, 90.0), 1.9);  // rank 9
    EXPECT_EQ(nearestRankPercentile(times, 95.0), std::nullopt); // rank 10 falls short
    EXPECT_EQ(nearestRankPercentile(BuildTimes{}, 50.0), std::nullopt);
}

TEST(ToleranceStatistics, HistogramSpansTheTimesThatReach)
{
    const TimeHistogram h = timeHistogram({1.0, 1.1, 1.25, 2.0, std::nullopt}, 4);
    EXPECT_EQ(h.from, 1.0);
    EXPECT_EQ(h.binWidth, 0.25);
    EXPECT_EQ(h.counts, (std::vector<int>{2, 1, 0, 1}));
    EXPECT_EQ(h.fallShort, 1);
    EXPECT_EQ(timeHistogram({1.5, 1.5}, 4).counts, std::vector<int>{2});
}

TEST(ToleranceStatistics, ChanceToBeatCountsEveryPairAndHalfTheTies)
{
    const BuildTimes a{1.0, 2.0}, b{1.5, std::nullopt};
    // 1.0 beats both; 2.0 beats only the car that falls short.
    EXPECT_EQ(chanceToBeat(a, b), 0.75);
    EXPECT_EQ(chanceToBeat(b, a), 0.25);
    EXPECT_EQ(chanceToBeat(a, a), 0.5);
    EXPECT_EQ(chanceToBeat(BuildTimes{std::nullopt}, BuildTimes{std::nullopt}), 0.5);
    const std::vector<std::vector<double>> race = raceChances({a, b});
    EXPECT_EQ(race, (std::vector<std::vector<double>>{{0.5, 0.75}, {0.25, 0.5}}));
}

TEST(ToleranceStatistics, SharesFollowTheQuantityTheTimeDependsOn)
{
    constexpr size_t builds = 400;
    std::vector<std::vector<double>> draws(3, std::vector<double>(builds, 0.0)); // the third not varied
    BuildTimes times(builds);
    // A full 20 x 20 grid of the two quantities: uncorrelated, as independent draws are on average.
    for (size_t i = 0; i < builds; ++i) {
        draws[0][i] = -1.0 + (2.0 * static_cast<double>(i / 20) + 1.0) / 20.0;
        draws[1][i] = -1.0 + (2.0 * static_cast<double>(i % 20) + 1.0) / 20.0;
        times[i] = 1.4 + 0.1 * draws[0][i] + 0.02 * draws[1][i];
    }
    const std::vector<double> shares = varianceShares(draws, times);
    // The first moves the time five times as much: 25 parts of the variance to 1.
    EXPECT_NEAR(shares[0], 2500.0 / 26.0, 1e-9);
    EXPECT_EQ(shares[2], 0.0);
    EXPECT_NEAR(shares[0] + shares[1] + shares[2], 100.0, 1e-9);
}
