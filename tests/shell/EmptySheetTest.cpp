// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"

#include <QImage>
#include <gtest/gtest.h>

namespace zindle {
namespace {

// A window 1000 x 700 with the sheet 146 pixels down: wider than 4:3, so the height decides.
SheetScale wideScale()
{
    WindowGeometry window{1000, 700, 0, 146, 1000, 650};
    return ComputeSheetScale(window, 600, 600);
}

QImage sheet(SheetMode mode, const SheetScale &scale, int width = 1000, int height = 560)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    PaintEmptySheet(image, mode, scale, DefaultBackgroundColor, 1000);
    return image;
}

TEST(EmptySheet, DesignShowsThePaperInTheBackgroundColourWithItsDrawingGrid)
{
    const SheetScale scale = wideScale();
    const QImage image = sheet(SheetMode::Design, scale);
    const int left = scale.SheetOffsetX;
    // Outside the paper: background; the drawing grid's first vertical line; the turned-down corner.
    EXPECT_EQ(image.pixelColor(2, image.height() - 2), QColor(0, 170, 255));
    const int gridX = scale.DrawPxWidth / 20 + left;
    EXPECT_EQ(image.pixelColor(gridX, scale.DrawPxHeight / 2 + 3), QColor(238, 221, 255));
    EXPECT_EQ(image.pixelColor(gridX + 2, 5 + scale.DrawPxHeight / 30), QColor(0, 170, 255));
    const int right = left + scale.DrawPxWidth;
    const int fold = right - static_cast<int>(30 * scale.ScreenScale);
    const int foldBottom = static_cast<int>(31 * scale.ScreenScale);
    EXPECT_EQ(image.pixelColor(fold + 4, foldBottom - 4), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(right - 3, 4), QColor(0, 170, 255)); // cut off the paper
    // No half-inch grid in Design mode: the whole band to the left of the paper is background.
    for (int y = 0; y < image.height(); y += 7)
        EXPECT_EQ(image.pixelColor(1, y), QColor(0, 170, 255)) << y;
}

TEST(EmptySheet, AnalyzeHasTheHalfInchGridAndTheGroundBelowTheContactLine)
{
    const SheetScale scale = wideScale();
    const QImage image = sheet(SheetMode::Analyze, scale);
    const int step = static_cast<int>(scale.ScreenScale * 72.0f / 2.0f);
    EXPECT_EQ(image.pixelColor(step, 3), QColor(204, 187, 238));
    EXPECT_EQ(image.pixelColor(step + 2, 3), QColor(0, 170, 255));
    const int ground = static_cast<int>(scale.ScreenScale * 72.0f * 0.5f) + scale.DrawPxHeight;
    EXPECT_EQ(image.pixelColor(step + 3, ground + 1), QColor(238, 187, 153));
    EXPECT_EQ(image.pixelColor(step + 3, ground - 2), QColor(0, 170, 255));
    // Build has the grid but no ground.
    EXPECT_EQ(sheet(SheetMode::Build, scale).pixelColor(step + 3, ground + 1), QColor(0, 170, 255));
}

TEST(EmptySheet, RaceMarksEveryFootAndColoursStartAndFinishRed)
{
    const SheetScale scale = wideScale();
    const QImage image = sheet(SheetMode::Race, scale, 1000, 300);
    const int h = 1000 / 17;
    EXPECT_EQ(image.pixelColor(h, 200), QColor(Qt::red));      // 0 ft
    EXPECT_EQ(image.pixelColor(2 * h, 200), QColor(204, 187, 238));
    EXPECT_EQ(image.pixelColor(16 * h, 200), QColor(Qt::red)); // 15 ft
    EXPECT_EQ(image.pixelColor(h + 3, 200), QColor(0, 170, 255));
}

TEST(EmptySheet, PreviewPaperIsWhiteAndPrintTemplatesIsPlain)
{
    const SheetScale scale = wideScale();
    const QImage preview = sheet(SheetMode::Preview, scale);
    EXPECT_EQ(preview.pixelColor(scale.SheetOffsetX + 40, scale.DrawPxHeight - 20).rgb() & 0xffffff,
              QColor(Qt::white).rgb() & 0xffffff);
    const QImage print = sheet(SheetMode::Print, scale);
    for (int x = 0; x < print.width(); x += 13)
        EXPECT_EQ(print.pixelColor(x, 100), QColor(0, 170, 255));
}

} // namespace
} // namespace zindle
