// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' series colours stay apart for the three common colour-vision deficiencies:
// each is simulated at full severity (Machado, Oliveira and Fernandes 2009, applied in linear
// RGB) and every pair must keep a CIE76 colour difference of at least 15 in CIELAB (D65).

#include "charts/SeriesPalette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace zindle {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vec = std::array<double, 3>;

const Matrix Protanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
const Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
const Matrix Tritanopia{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};
const Matrix Typical{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vec seenAs(const QColor &colour, const Matrix &m)
{
    const Vec rgb{linear(colour.red()), linear(colour.green()), linear(colour.blue())};
    Vec out{};
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    return out;
}

Vec lab(const Vec &rgb)
{
    const double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double deltaE(const Vec &a, const Vec &b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

TEST(SeriesPalette, EveryPairStaysApartForProtanDeutanAndTritanEyes)
{
    EXPECT_EQ(SeriesColours, (std::array<QColor, 7>{QColor(0, 114, 178), QColor(230, 159, 0), QColor(0, 158, 115),
                                                     QColor(213, 94, 0), QColor(204, 121, 167), QColor(86, 180, 233),
                                                     QColor(0, 0, 0)}));
    const struct {
        const char *name;
        const Matrix &matrix;
        double closest; // the smallest difference of any pair, as measured
    } visions[] = {{"typical", Typical, 26.4}, {"protanopia", Protanopia, 20.7},
                   {"deuteranopia", Deuteranopia, 17.9}, {"tritanopia", Tritanopia, 16.1}};
    for (const auto &vision : visions) {
        double closest = 1e9;
        for (size_t i = 0; i < SeriesColours.size(); ++i)
            for (size_t j = i + 1; j < SeriesColours.size(); ++j) {
                const double d = deltaE(lab(seenAs(SeriesColours[i], vision.matrix)),
                                        lab(seenAs(SeriesColours[j], vision.matrix)));
                EXPECT_GE(d, 15.0) << vision.name << ": " << SeriesColours[i].name().toStdString() << " and "
                                   << SeriesColours[j].name().toStdString();
                closest = std::min(closest, d);
            }
        EXPECT_NEAR(closest, vision.closest, 0.05) << vision.name;
    }
    // The colours the charts had before, a green and a red, fall together for deutan eyes.
    EXPECT_LT(deltaE(lab(seenAs(QColor(40, 150, 70), Deuteranopia)), lab(seenAs(QColor(200, 60, 50), Deuteranopia))),
              15.0);
}

} // namespace
} // namespace zindle
