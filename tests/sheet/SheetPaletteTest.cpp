// SPDX-License-Identifier: GPL-3.0-or-later
// The high-contrast sheet: every text it writes reads at the WCAG 2 level AA for body text
// (4.5:1) against what that text stands on.

#include "sheet/RaceTrackPainter.h"
#include "sheet/SheetPalette.h"

#include <QColor>
#include <cmath>
#include <gtest/gtest.h>

namespace zindle {
namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(SheetPalette, HighContrastTextsReadAtFourAndAHalfToOneOnWhatTheyStandOn)
{
    const SheetPalette &p = HighContrastSheetPalette();
    EXPECT_EQ(p.sheetBackground(QColor(0, 170, 255)), QColor(255, 255, 255)); // the chosen colour gives way
    EXPECT_EQ(p.paperFill(QColor(0, 170, 255)), QColor(255, 255, 255));
    EXPECT_EQ(p.ground, QColor(222, 200, 170));

    struct Text {
        const char *name;
        QColor text, ground;
    };
    const Text texts[] = {
        {"force label on the sheet", p.forceText, p.background},
        {"traction label on the ground", p.forceText, p.ground},
        {"propulsion label", p.propulsionText, p.background},
        {"skidding propulsion label", p.skidText, p.background},
        {"drive caption on the paper", p.driveCaption, p.designPaper},
        {"drive caption on the sheet", p.driveCaption, p.background},
        {"weight label", p.weightText, p.designPaper},
        {"foot label", p.footText, p.background},
        {"0 ft and 15 ft labels", p.startFinishText, p.background},
        {"lane name on the track", p.raceText, p.background},
        {"lane name on the selected design's bar", p.raceText, RaceSelectedColor},
        {"lane name on another design's bar", p.raceText, RaceOtherColor},
        {"lane name on a skid", p.raceText, RaceSkidColor},
    };
    for (const Text &t : texts)
        EXPECT_GE(contrast(t.text, t.ground), 4.5) << t.name << ": " << t.text.name().toStdString() << " on "
                                                   << t.ground.name().toStdString();
    // The ratio itself, so a wrong formula cannot pass everything: black on white is 21:1,
    // the darkened red of the caption 7.38:1, the dark purple of a skid 7.67:1.
    EXPECT_NEAR(contrast(p.forceText, p.background), 21.0, 1e-9);
    EXPECT_NEAR(contrast(p.driveCaption, p.background), 7.38, 0.01);
    EXPECT_NEAR(contrast(p.skidText, p.background), 7.67, 0.01);
    // The default's sky-blue sheet would fail: the reason the option exists.
    EXPECT_LT(contrast(DefaultSheetPalette().footText, QColor(0, 170, 255)), 4.5);
}

} // namespace
} // namespace zindle
