// SPDX-License-Identifier: GPL-3.0-or-later
#include "physics/BuildGeometry.h"
#include "sheet/CarRenderer.h"
#include "sheet/EmptySheet.h"
#include "geometry/PartRegions.h"
#include "sheet/WeightTools.h"
#include "app/Workspace.h"
#include "support/QtPrinters.h"
#include "physics/SheetPreparation.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

// The Design redraw as the window runs it, into an image; the PNG lands in the build folder
// so that the drawing can be looked at.
QImage drawDesign(Workspace &workspace, const QString &pngName)
{
    workspace.scale = HeadlessSheetScale();
    RescaleDesign(workspace);
    ComputeBuildGeometry(workspace);
    QImage image(workspace.scale.SheetOffsetX * 2 + workspace.scale.DrawPxWidth,
                 workspace.scale.SheetPxHeight, QImage::Format_RGB32);
    PaintEmptySheet(image, SheetMode::Design, workspace.scale, DefaultBackgroundColor, image.width());
    QPainter painter(&image);
    RedrawDesign(painter, workspace, PaintTarget::Screen, false);
    painter.end();
    QDir().mkpath(QStringLiteral("screenshots"));
    image.save(QStringLiteral("screenshots/") + pngName);
    return image;
}

} // namespace

TEST(CarRenderer, EveryBuiltInDrawsItsPartsInTheirColours)
{
    const char *names[] = {"design-default.png", "design-racer.png", "design-pickup.png",
                           "design-towtruck.png", "design-wheelie.png"};
    for (int slot = 0; slot < 5; ++slot) {
        Workspace workspace;
        BuildBuiltInDesign(workspace, slot);
        const QImage image = drawDesign(workspace, names[slot]);
        // The spring disc is green at the drive axle's wound radius.
        const QRect springRect = workspace.regions.shapes[ScreenCoords].springRect[0];
        ASSERT_FALSE(springRect.isEmpty()) << slot;
        const QPoint axle = workspace.regions.shapes[ScreenCoords].driveCentre[0];
        const int wound = workspace.regions.SpringWoundThickness[ScreenCoords];
        const int axleRadius = workspace.regions.shapes[ScreenCoords].driveAxleRect[0].width() / 2;
        EXPECT_EQ(image.pixelColor(axle).rgb(), QColor(255, 204, 170).rgb()) << slot;
        EXPECT_EQ(image.pixelColor(axle + QPoint(0, axleRadius + wound / 2)).rgb(), QColor(0, 255, 0).rgb())
            << slot;
    }
}

TEST(CarRenderer, TheDesignShowsWhichWayItsDriveArrowPoints)
{
    // The arrow's shaft lies along 70 points down: from 250 to 415 for a car driven at the
    // rear, from 335 to 500 for one driven at the front.
    for (const DriveKind drive : {DriveKind::RearWD, DriveKind::FrontWD}) {
        Workspace workspace;
        BuildBuiltInDesign(workspace, 0);
        ApplyDrive(workspace.design, drive);
        const QImage image = drawDesign(workspace, QStringLiteral("design-drive-%1.png").arg(int(drive)));
        const float s = workspace.scale.ScreenScale;
        const auto shaft = [&](int x) {
            return image.pixelColor(int(float(x) * s) + workspace.scale.SheetOffsetX, int(70.0f * s)).rgb();
        };
        const QRgb red = QColor(255, 0, 0).rgb();
        EXPECT_EQ(shaft(260) == red, drive == DriveKind::RearWD) << int(drive);
        EXPECT_EQ(shaft(480) == red, drive == DriveKind::FrontWD) << int(drive);
    }
}

TEST(CarRenderer, WeightsHangAsArrowsAndRecordTheirHitRectangles)
{
    Workspace workspace;
    BuildBuiltInDesign(workspace, 0);
    AddWeight(workspace.design, {300, 300}, -0.5f);
    AddWeight(workspace.design, {500, 400}, 0.3f);
    ApplyDrive(workspace.design, DriveKind::AllWD);
    drawDesign(workspace, "design-awd-weights.png");
    const float s = workspace.scale.ScreenScale;
    const int px = static_cast<int>(300 * s) + workspace.scale.SheetOffsetX;
    const int py = static_cast<int>(300 * s);
    const int shaft = static_cast<int>(-72 * s); // -0.5 lb: a 72-point arrow pointing up
    const HitRect &up = workspace.design.Weights[0].Rect;
    EXPECT_EQ(up.left, px - 5);
    EXPECT_EQ(up.top, py);
    EXPECT_EQ(up.bottom, py - shaft + 15);
    EXPECT_FALSE(workspace.design.Weights[1].Rect.isEmpty());
    EXPECT_EQ(RemoveWeightAt(workspace.design, {px, py + 10}), 0);
}
