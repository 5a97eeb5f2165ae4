// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToleranceStatistics.h"

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

std::uint64_t splitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Times in rank order, those that fall short (as infinity) last.
std::vector<double> rankedTimes(const BuildTimes &times)
{
    std::vector<double> ranked;
    ranked.reserve(times.size());
    for (const std::optional<double> &t : times)
        ranked.push_back(t ? *t : INFINITY);
    std::sort(ranked.begin(), ranked.end());
    return ranked;
}

size_t nearestRank(size_t count, double percent)
{
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(count));
    return static_cast<size_t>(std::clamp(rank, 1.0, static_cast<double>(count))) - 1;
}

} // namespace

BuildDraws::BuildDraws(std::uint64_t seed, std::uint64_t build)
{
    // Neighbouring builds and seeds start far apart in the sequence: both are mixed first.
    std::uint64_t s = seed;
    state_ = splitMix(s) ^ (build * 0xD1B54A32D192ED03ull);
    splitMix(state_);
}

double BuildDraws::unit()
{
    return static_cast<double>(splitMix(state_) >> 11) * 0x1.0p-53;
}

double BuildDraws::symmetric()
{
    return 2.0 * unit() - 1.0;
}

std::optional<double> nearestRankPercentile(const BuildTimes &times, double percent)
{
    if (times.empty())
        return std::nullopt;
    const double t = rankedTimes(times)[nearestRank(times.size(), percent)];
    if (std::isinf(t))
        return std::nullopt;
    return t;
}

double nearestRankPercentile(std::vector<double> values, double percent)
{
    if (values.empty())
        return 0.0;
    const size_t k = nearestRank(values.size(), percent);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

TimeHistogram timeHistogram(const BuildTimes &times, int bins)
{
    TimeHistogram histogram;
    std::vector<double> reached;
    for (const std::optional<double> &t : times) {
        if (t)
            reached.push_back(*t);
        else
            ++histogram.fallShort;
    }
    if (reached.empty() || bins < 1)
        return histogram;
    const auto [low, high] = std::minmax_element(reached.begin(), reached.end());
    histogram.from = *low;
    histogram.binWidth = (*high - *low) / bins;
    histogram.counts.assign(static_cast<size_t>(histogram.binWidth > 0.0 ? bins : 1), 0);
    for (const double t : reached) {
        size_t bin = 0;
        if (histogram.binWidth > 0.0)
            bin = std::min(static_cast<size_t>((t - histogram.from) / histogram.binWidth), histogram.counts.size() - 1);
        ++histogram.counts[bin];
    }
    return histogram;
}

std::vector<double> varianceShares(const std::vector<std::vector<double>> &draws, const BuildTimes &times)
{
    std::vector<double> shares(draws.size(), 0.0);
    std::vector<size_t> reached;
    for (size_t i = 0; i < times.size(); ++i)
        if (times[i])
            reached.push_back(i);
    if (reached.size() < 2)
        return shares;
    const double n = static_cast<double>(reached.size());
    double meanT = 0.0;
    for (const size_t i : reached)
        meanT += *times[i];
    meanT /= n;
    double varT = 0.0;
    for (const size_t i : reached)
        varT += (*times[i] - meanT) * (*times[i] - meanT);
    if (!(varT > 0.0))
        return shares;
    double total = 0.0;
    for (size_t q = 0; q < draws.size(); ++q) {
        const std::vector<double> &x = draws[q];
        double meanX = 0.0;
        for (const size_t i : reached)
            meanX += x[i];
        meanX /= n;
        double varX = 0.0, cov = 0.0;
        for (const size_t i : reached) {
            varX += (x[i] - meanX) * (x[i] - meanX);
            cov += (x[i] - meanX) * (*times[i] - meanT);
        }
        if (varX > 0.0)
            shares[q] = cov * cov / (varX * varT);
        total += shares[q];
    }
    if (total > 0.0)
        for (double &share : shares)
            share *= 100.0 / total;
    return shares;
}

double chanceToBeat(const BuildTimes &a, const BuildTimes &b)
{
    if (a.empty() || b.empty())
        return 0.0;
    const std::vector<double> ra = rankedTimes(a), rb = rankedTimes(b);
    // For each build of A: the builds of B it beats (slower) and those it ties.
    double wins = 0.0;
    for (const double t : ra) {
        const auto tieFrom = std::lower_bound(rb.begin(), rb.end(), t);
        const auto tieTo = std::upper_bound(tieFrom, rb.end(), t);
        wins += static_cast<double>(rb.end() - tieTo) + 0.5 * static_cast<double>(tieTo - tieFrom);
    }
    return wins / (static_cast<double>(ra.size()) * static_cast<double>(rb.size()));
}

std::vector<std::vector<double>> raceChances(const std::vector<BuildTimes> &designs)
{
    std::vector<std::vector<double>> chances(designs.size(), std::vector<double>(designs.size(), 0.5));
    for (size_t a = 0; a < designs.size(); ++a)
        for (size_t b = a + 1; b < designs.size(); ++b) {
            chances[a][b] = chanceToBeat(designs[a], designs[b]);
            chances[b][a] = 1.0 - chances[a][b];
        }
    return chances;
}

} // namespace zindle
