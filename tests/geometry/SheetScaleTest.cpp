// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/SheetScale.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace zindle;

TEST(SheetScale, HeadlessWindow)
{
    const SheetScale s = HeadlessSheetScale();
    EXPECT_EQ(s.ScreenScale, 1152.0f / 864.0f);
    EXPECT_EQ(s.SheetPxWidth, 1152);
    EXPECT_EQ(s.SheetPxHeight, 864);
    EXPECT_EQ(s.DrawPxWidth, 960);
    EXPECT_EQ(s.DrawPxHeight, 720);
    EXPECT_EQ(s.SheetOffsetX, 96);
    EXPECT_FLOAT_EQ(s.PrinterScaleX, 600.0f / 72.0f);
    EXPECT_FLOAT_EQ(s.PrinterScaleY, 600.0f / 72.0f);
    EXPECT_EQ(s.PreviewScale, s.ScreenScale);
    EXPECT_EQ(s.PreviewLength32, 17); // Trunc(32 x 4/3 x 0.4)
    EXPECT_EQ(s.GroundBandScreen.top(), 720);
    EXPECT_EQ(s.GroundBandPrinter.top(), 4500);
    EXPECT_EQ(s.DrawAreaRegion.boundingRect(), QRect(96, 0, 960, 720));
}

TEST(SheetScale, ExactlyFourByThreeTakesTheWidthBranch)
{
    // 1152 / 864 as a single equals the constant: not wider, so the width decides.
    const SheetScale s = ComputeSheetScaleForArea(1152, 864, 600, 600);
    EXPECT_EQ(s.SheetPxWidth, 1152);
    // A wider one is driven by its height.
    const SheetScale t = ComputeSheetScaleForArea(1000, 700, 600, 600);
    EXPECT_EQ(t.SheetPxHeight, 700);
    EXPECT_EQ(t.SheetPxWidth, 933);
    EXPECT_FLOAT_EQ(t.ScreenScale, 933.0f / 864.0f);
}

TEST(SheetScale, WideWindowIsCentred)
{
    const SheetScale s = ComputeSheetScaleForArea(2000, 864, 600, 600);
    EXPECT_EQ(s.SheetPxHeight, 864);
    EXPECT_EQ(s.SheetPxWidth, 1152);
    EXPECT_EQ(s.DrawPxHeight, 720);
    EXPECT_EQ(s.DrawPxWidth, 960);
    EXPECT_EQ(s.SheetOffsetX, 520);
    // A click on the drawing area's left edge is sheet x 0.
    EXPECT_EQ(s.pixelToSheet(s.SheetOffsetX, 0), QPoint(0, 0));
    EXPECT_EQ(s.pixelToAxle(s.SheetOffsetX, 0), QPoint(720, 540));
    // A click just below the drawing area: 720 / 1.3333334 rounds to 540 in single precision.
    EXPECT_EQ(s.pixelToSheet(s.SheetOffsetX, s.DrawPxHeight).y(), 540);
    EXPECT_EQ(s.pixelToAxle(s.SheetOffsetX, s.DrawPxHeight).y(), 0);
    EXPECT_EQ(s.pixelToAxle(s.SheetOffsetX, s.DrawPxHeight - 1).y(), 1);
}

TEST(SheetScale, Conversions)
{
    const SheetScale s = HeadlessSheetScale();
    EXPECT_EQ(s.toScreen(QPoint(720, 540)), QPoint(960, 720));
    EXPECT_EQ(s.toScreen(QPoint(3, 3)), QPoint(4, 4));
    EXPECT_EQ(s.toPrinter(QPoint(72, 36)), QPoint(600, 300));
    EXPECT_EQ(s.toPrinter(QPoint(73, 37)), QPoint(608, 308));
    // Preview: Trunc(x x 4/3 x 0.4).
    EXPECT_EQ(s.toPreview(QPoint(100, 10)), QPoint(53, 5));
    EXPECT_EQ(s.pixelToSheet(96 + 4, 4), QPoint(3, 3));
    EXPECT_EQ(s.pixelToSheet(96 + 3, 3), QPoint(2, 2));
    EXPECT_EQ(s.pixelToSheet(96 + 5, 5), QPoint(3, 3));
    EXPECT_EQ(s.pixelToSheet(96 - 5, 5), QPoint(-3, 3)); // toward zero left of the area
    EXPECT_EQ(s.pixelToPrinter(96 + 4, 4), QPoint(25, 25));
    EXPECT_EQ(s.pixelToPrinter(96 + 8, 8), QPoint(50, 50));
    EXPECT_EQ(s.lengthToPixels(36), 48);
    EXPECT_EQ(s.axleToPixels(115, 25), QPoint(960 - 153, 720 - 33));
}

TEST(SheetScale, DegenerateWindowKeepsAUsableScale)
{
    for (const auto &[w, h] : {std::pair{0, 0}, std::pair{500, 0}, std::pair{0, 500},
                               std::pair{-20, -60}}) {
        const SheetScale s = ComputeSheetScaleForArea(w, h, 0, 0);
        EXPECT_GT(s.ScreenScale, 0.0f);
        EXPECT_TRUE(std::isfinite(s.ScreenScale));
        EXPECT_GT(s.PrinterScaleX, 0.0f); // no printer: 600 dpi
        const QPoint p = s.pixelToSheet(10, 10);
        EXPECT_GE(p.y(), 0);
    }
}
