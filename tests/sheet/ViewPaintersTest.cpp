// SPDX-License-Identifier: GPL-3.0-or-later
// The painters of the physics views: the element grid in batches, the force bars' geometry and
// the race bars and texts.

#include "app/Workspace.h"
#include "app/RefreshChain.h"
#include "sheet/ElementGridPainter.h"
#include "sheet/EmptySheet.h"
#include "sheet/ForcePicture.h"
#include "sheet/RaceTrackPainter.h"

#include <gtest/gtest.h>
#include <set>

using namespace zindle;

namespace {

SheetScale unitScale(int offset = 10)
{
    SheetScale scale = HeadlessSheetScale();
    scale.ScreenScale = 1.0f;
    scale.SheetOffsetX = offset;
    return scale;
}

} // namespace

TEST(ElementGridPainter, EdgesAndColoursOfOneElement)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    // Sample (40, 40), g 9: square from (36, 36) to (46, 46); top and right edges only.
    EXPECT_EQ(PaintGridElement(painter, unitScale(), 9, {QPoint(40, 40), true, false}), 1);
    painter.end();
    EXPECT_EQ(image.pixelColor(46 + 10 - 4, 36), QColor(Qt::white)); // top edge
    EXPECT_EQ(image.pixelColor(46 + 10, 42), QColor(Qt::white));     // right edge
    EXPECT_EQ(image.pixelColor(36 + 10, 42), QColor(Qt::black));     // no left edge
    EXPECT_EQ(image.pixelColor(40 + 10, 46), QColor(Qt::black));     // no bottom edge
    image.fill(Qt::black);
    painter.begin(&image);
    EXPECT_EQ(PaintGridElement(painter, unitScale(), 9, {QPoint(40, 40), true, true}), 2);
    painter.end();
    // Drawn twice: the cored layers' grey on top.
    EXPECT_EQ(image.pixelColor(46 + 10, 42), QColor(128, 128, 128));
}

TEST(ElementGridPainter, BatchesEndAfterMoreThan250Strokes)
{
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    std::vector<GridElement> elements(1000, GridElement{QPoint(5, 5), true, true});
    // Two strokes per element: the batch stops once 252 strokes (126 elements) are drawn.
    size_t next = PaintGridBatch(painter, unitScale(), 9, elements, 0);
    EXPECT_EQ(next, 126u);
    size_t batches = 1;
    while (next < elements.size()) {
        next = PaintGridBatch(painter, unitScale(), 9, elements, next);
        ++batches;
    }
    EXPECT_EQ(next, elements.size());
    EXPECT_EQ(batches, 8u);
    EXPECT_EQ(PaintGridBatch(painter, unitScale(), 9, elements, elements.size()), elements.size());
}

TEST(ForcePicture, BarsPointAgainstTheDirectionOfTravel)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    RefreshPhysicsMode(ws, SheetMode::Analyze);
    ForcePicture picture;
    ShowForces(picture, ws, false, true, 0.5f, 0.25f, 0.25f, 0.5f, 0.25f);
    const ForceAnchors a = forceAnchors(ws.design, ws.results, ws.scale);
    const float s = ws.scale.ScreenScale;
    // Rear-wheel drive travels right: the bars reach left from the contact point.
    EXPECT_EQ(picture.PropulsionLeftShape.rect.right() + 1, a.driveX);
    EXPECT_EQ(picture.PropulsionLeftShape.rect.width(), int(75 * s));
    EXPECT_EQ(picture.PropulsionLeftShape.rect.top(), a.driveLine);
    EXPECT_EQ(picture.TractionLeftShape.rect.width(), int(150 * s));
    EXPECT_EQ(picture.TractionLeftShape.rect.top(), a.driveLine + 10);
    EXPECT_FALSE(picture.PropulsionRightShape.visible); // only in all-wheel drive
    EXPECT_EQ(picture.PropLeftLabel.text, QStringLiteral("0.25 lb"));
    EXPECT_EQ(picture.PropLeftLabel.color, QColor(0, 0, 255));
    EXPECT_FALSE(picture.PropulsionLeftShape.skidding);

    // Front-wheel drive travels left: to the right of the contact point; a skid tinges the bar.
    ws.design.Drive = DriveKind::FrontWD;
    ShowForces(picture, ws, true, false, 0.5f, 0.0f, 0.0f, 0.5f, 0.25f);
    EXPECT_EQ(picture.PropulsionLeftShape.rect.left(), a.driveX);
    EXPECT_EQ(picture.PropulsionLeftShape.outline, QColor(255, 0, 255));
    EXPECT_EQ(picture.PropLeftLabel.color, QColor(255, 0, 255));
    EXPECT_TRUE(picture.PropulsionLeftShape.skidding); // and dashed in black, not only tinged

    // All-wheel drive adds the right axle at the mirror position.
    ws.design.Drive = DriveKind::AllWD;
    ShowForces(picture, ws, false, false, 0.5f, 0.5f, 0.25f, 0.5f, 0.25f);
    EXPECT_TRUE(picture.PropulsionRightShape.visible);
    EXPECT_EQ(picture.PropulsionRightShape.rect.right() + 1, a.mirrorX);
}

TEST(ForcePicture, NormalForceBarsScaleWithTheMassAndHangWhenNegative)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    RefreshPhysicsMode(ws, SheetMode::Analyze);
    ForcePicture picture;
    ShowNormalForces(picture, ws, 0.3f, -0.03f, 0.33f);
    const ForceAnchors a = forceAnchors(ws.design, ws.results, ws.scale);
    EXPECT_EQ(picture.NormalForceLeftShape.rect, QRect(a.driveX, a.driveLine - 165, 4, 165));
    const int hanging = -int(-0.03f / 0.3f * 150.0f); // truncated, in single precision
    EXPECT_EQ(picture.NormalForceRightShape.rect, QRect(a.otherX, a.otherLine, 4, hanging));
    EXPECT_EQ(picture.NFRightLabel.text, QStringLiteral("-0.02 lb")); // first five characters
    EXPECT_EQ(picture.NFLeftLabel.pos, QPoint(a.driveX + 9, a.driveLine - 40));
    // A car without mass shows no bars rather than dividing by zero.
    ShowNormalForces(picture, ws, 0.0f, 0.1f, 0.1f);
    EXPECT_TRUE(picture.NormalForceLeftShape.rect.isEmpty());
}

TEST(RaceTrackPainter, ColoursAndTextSize)
{
    EXPECT_EQ(raceBrushColor(RaceBrush::SelectedDesign).rgb() & 0xFFFFFF, 0xBBAAEEu);
    EXPECT_EQ(raceBrushColor(RaceBrush::Skidding), QColor(255, 0, 255));
    EXPECT_EQ(raceTextSize({50.0f, 60.0f}), 14);
    EXPECT_EQ(raceTextSize({50.0f, 30.0f}), 10);
    EXPECT_EQ(raceTextSize({50.0f, 1.0f}), 1);
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintRaceBars(painter, {RaceBar{0, 10, 5, 20, 15, RaceBrush::Skidding}});
    painter.end();
    // The skid's fuchsia or its black hatch.
    const auto skidPixel = [&image](int x, int y) {
        return image.pixel(x, y) == qRgb(255, 0, 255) || image.pixel(x, y) == qRgb(0, 0, 0);
    };
    EXPECT_TRUE(skidPixel(10, 5));
    EXPECT_TRUE(skidPixel(19, 14));
    EXPECT_EQ(image.pixelColor(20, 14), QColor(Qt::white)); // right edge exclusive
}

TEST(RaceTrackPainter, ASkidIsHatchedInBlackOverItsFuchsiaAndOtherBarsAreNot)
{
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // Two ticks of one skid side by side, then a plain bar of the selected design.
    PaintRaceBars(painter, {RaceBar{0, 0, 0, 30, 20, RaceBrush::Skidding}, RaceBar{0, 30, 0, 60, 20, RaceBrush::Skidding},
                            RaceBar{1, 0, 30, 60, 50, RaceBrush::SelectedDesign}});
    painter.end();
    const auto colours = [&image](const QRect &area) {
        std::set<QRgb> found;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found.insert(image.pixel(x, y));
        return found;
    };
    const std::set<QRgb> skid{qRgb(255, 0, 255), qRgb(0, 0, 0)};
    EXPECT_EQ(colours(QRect(0, 0, 30, 20)), skid);
    EXPECT_EQ(colours(QRect(30, 0, 30, 20)), skid);
    // The hatch runs on across the ticks' seam: the same pattern as one bar would have.
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(image.pixel(29, y) == qRgb(0, 0, 0), image.pixel(37, y) == qRgb(0, 0, 0)) << y;
    EXPECT_EQ(colours(QRect(0, 30, 60, 20)), std::set<QRgb>{RaceSelectedColor.rgb()});
}

TEST(RaceTrackPainter, LaneNamesAreDrawnOnceOverEachBackground)
{
    DesignList list;
    list.entries.resize(1);
    list.items = {QStringLiteral("Blue Comet")};
    const RaceGeometry geometry{50.0f, 60.0f};
    QImage image(400, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const RaceBar start{0, 0, 40, 60, 70, RaceBrush::OtherDesign};
    PaintRaceBars(painter, {start});
    PaintLaneNames(painter, {start}, list, geometry, true);
    const QImage afterFirst = image.copy();
    // A later tick's bar far from the name leaves the name's pixels as they were.
    const RaceBar later{0, 300, 40, 320, 70, RaceBrush::OtherDesign};
    PaintRaceBars(painter, {later});
    PaintLaneNames(painter, {later}, list, geometry, false);
    painter.end();
    EXPECT_EQ(image.copy(0, 0, 300, 80), afterFirst.copy(0, 0, 300, 80));
}
