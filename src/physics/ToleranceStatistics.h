// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics of a tolerance study, kept apart from how the builds are run: the draws each
// build makes, the percentiles of its times, the histogram, the variance shares and the chance
// that one design beats another.
//
// Draws are the same on every machine and compiler: a build's generator is SplitMix64, seeded
// from the study's seed and the build's number, and its 64-bit outputs map to [0, 1) by their
// top 53 bits (exact in a double), never through a standard distribution, whose output the
// standard leaves to each library.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zindle {

class BuildDraws {
public:
    BuildDraws(std::uint64_t seed, std::uint64_t build);
    double unit();     // [0, 1)
    double symmetric(); // [-1, 1), uniform
private:
    std::uint64_t state_ = 0;
};

// A time per build, none for a build that falls short of 15 ft. The rank of a build is its
// place in time order with every build that falls short after all that reach.
using BuildTimes = std::vector<std::optional<double>>;

// The nearest-rank percentile (0 < percent <= 100): the build at rank ceil(percent / 100 x N)
// counted from 1; none when that build falls short or there are no builds.
std::optional<double> nearestRankPercentile(const BuildTimes &times, double percent);
// The same over plain numbers (every one counts).
double nearestRankPercentile(std::vector<double> values, double percent);

struct TimeHistogram {
    double from = 0.0, binWidth = 0.0; // s; bin b covers [from + b w, from + (b + 1) w)
    std::vector<int> counts;           // builds that reach, per bin
    int fallShort = 0;                 // builds that do not reach
};
// `bins` equal bins from the fastest to the slowest time that reaches (the last bin holds the
// slowest); all in one bin when the times are equal.
TimeHistogram timeHistogram(const BuildTimes &times, int bins);

// How much of the spread of the time each drawn quantity accounts for, in percent, adding to
// 100: the squared correlation of each quantity's draws with the times (over the builds that
// reach), normalised. The draws are independent, so this is the squared standardised
// regression coefficient of a linear fit of time on all of them, up to sampling noise; a
// quantity that was not varied gets 0. All zero when the times do not vary.
std::vector<double> varianceShares(const std::vector<std::vector<double>> &draws, const BuildTimes &times);

// The spread of the distance over the builds, as plain numbers for the run chart: at every
// 0.01 s step, the 5th and 95th percentile distance (nearest rank) over the builds, each build
// holding its last distance after its run has ended.
struct ToleranceBand {
    std::vector<double> times; // s, from 0
    std::vector<float> low, high; // ft
};

// The chance that a build of A is faster to 15 ft than a build of B, over every pair of one
// build of each (so the two are independent builds whatever the seeds): a tie, or both falling
// short, counts one half; reaching beats falling short.
double chanceToBeat(const BuildTimes &a, const BuildTimes &b);
// For a race of several designs: entry [a][b] is the chance that design a beats design b (one
// half on the diagonal).
std::vector<std::vector<double>> raceChances(const std::vector<BuildTimes> &designs);

} // namespace zindle
