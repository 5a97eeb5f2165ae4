// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NumberText.h"
#include "app/Workspace.h"
#include "physics/BuildGeometry.h"
#include "geometry/PartRegions.h"
#include "geometry/RegionMapping.h"
#include "physics/SheetPreparation.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

Workspace prepared(int slot = 0, DriveKind drive = DriveKind::RearWD,
                   ChamberShapeKind shape = ChamberShapeKind::Circular)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    ws.design.Drive = drive;
    ws.design.ChamberShape = shape;
    ws.scale = HeadlessSheetScale();
    ComputeBuildGeometry(ws);
    RebuildPartRegions(ws);
    return ws;
}

} // namespace

TEST(PartRegions, OctagonVertices)
{
    const QPolygon p = chamberOctagon(QPoint(100, 100), 50.0);
    ASSERT_EQ(p.size(), 8);
    // Clockwise from the top; axis vertices at Trunc(54), diagonal offsets Trunc(38.18).
    const QPolygon expected{QPoint(100, 46), QPoint(138, 62), QPoint(154, 100), QPoint(138, 138),
                            QPoint(100, 154), QPoint(62, 138), QPoint(46, 100), QPoint(62, 62)};
    EXPECT_EQ(p, expected);
}

TEST(PartRegions, ChamberShapeFollowsThePreference)
{
    Workspace circ = prepared(0, DriveKind::RearWD, ChamberShapeKind::Circular);
    Workspace oct = prepared(0, DriveKind::RearWD, ChamberShapeKind::Octagonal);
    const RegionSet &c = circ.regions.screen();
    const RegionSet &o = oct.regions.screen();
    EXPECT_EQ(c.chamberShape[0], c.chamberCircle[0]);
    EXPECT_EQ(o.chamberShape[0], o.chamberOctagon[0]);
    EXPECT_EQ(o.caseShape[0], o.caseOctagon[0]);
    EXPECT_NE(c.chamberShape[0], o.chamberShape[0]);
    // Octagon top vertex straight above the centre at 1.08 r.
    const QPolygon &poly = oct.regions.shapes[PointCoords].chamberOctagon[0];
    const QPoint centre = oct.regions.shapes[PointCoords].driveCentre[0];
    EXPECT_EQ(poly[0].x(), centre.x());
    EXPECT_EQ(centre.y() - poly[0].y(), static_cast<int>(1.08 * oct.regions.geometry.rIn));
}

TEST(PartRegions, CaseIsCutAtTheSheetEdgeButTheCavityIsNot)
{
    Workspace ws = prepared();
    // Default: case radius 173 pt around y = 540 - 137.4: it reaches below the edge.
    const QPoint centre = ws.regions.geometry.driveAxleCentre();
    ASSERT_GT(centre.y() + ws.regions.geometry.rOut, 540);
    const int edge = ws.scale.GroundBandScreen.top();
    for (const RegionSet *set : {&ws.regions.screen(), &ws.regions.printer()}) {
        const int cut = set == &ws.regions.screen() ? edge : ws.scale.GroundBandPrinter.top();
        EXPECT_LT(set->caseCircle[0].boundingRect().bottom(), cut);
        EXPECT_LT(set->caseOctagon[0].boundingRect().bottom(), cut);
    }
    // The preview is not cut.
    const RegionSet &preview = ws.regions.preview();
    EXPECT_GE(preview.caseCircle[0].boundingRect().bottom(), ws.scale.GroundBandPreview.top());
    // A cavity reaching below the edge keeps its lower part.
    Workspace big = prepared();
    big.build.DriveAxleHeightPt = 20.0f;
    RebuildPartRegions(big);
    EXPECT_GT(big.regions.screen().chamberCircle[0].boundingRect().bottom(), edge);
    EXPECT_LT(big.regions.screen().caseCircle[0].boundingRect().bottom(), edge);
}

TEST(PartRegions, MissingInnerOutlineBecomesTheOuter)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.design.InnerPts.clear();
    ws.scale = HeadlessSheetScale();
    ComputeBuildGeometry(ws);
    RebuildPartRegions(ws);
    EXPECT_EQ(ws.design.InnerPts, ws.design.OuterPts);
    EXPECT_EQ(ws.innerCopies.screen, ws.outerCopies.screen);
    EXPECT_TRUE(ws.regions.OuterLayerBuilt);
}

TEST(PartRegions, LayersGetCaseAndHoles)
{
    Workspace ws = prepared();
    const RegionSet &s = ws.regions.screen();
    const QPoint drive = ws.regions.shapes[ScreenCoords].driveCentre[0];
    // The axle hole is cut out of both layers; the cavity out of the inner one only.
    EXPECT_FALSE(s.outerLayer.contains(drive));
    EXPECT_FALSE(s.innerLayer.contains(drive));
    const QPoint inCavity = drive + QPoint(0, -ws.scale.lengthToPixels(ws.regions.geometry.rIn) / 2);
    EXPECT_TRUE(s.outerLayer.contains(inCavity));
    EXPECT_FALSE(s.innerLayer.contains(inCavity));
    // The case wall belongs to both.
    const QPoint inWall =
        drive + QPoint(0, -ws.scale.lengthToPixels(ws.regions.geometry.rIn + 18.0));
    EXPECT_TRUE(s.outerLayer.contains(inWall));
    EXPECT_TRUE(s.innerLayer.contains(inWall));
    // Front axle hole.
    const QPoint front = ws.regions.shapes[ScreenCoords].frontCentre;
    EXPECT_TRUE(s.otherAxle.contains(front));
    EXPECT_FALSE(s.outerLayer.contains(front));
    EXPECT_TRUE(ws.regions.overlaps.outerHitsChamber);
    EXPECT_TRUE(ws.regions.overlaps.innerHitsOuter);
    EXPECT_FALSE(ws.regions.FrontAxleRegion.isEmpty());
}

TEST(PartRegions, AllWheelDriveMirrorsTheDriveAssembly)
{
    Workspace ws = prepared(0, DriveKind::AllWD);
    const PartGeometry &g = ws.regions.geometry;
    EXPECT_EQ(g.secondDriveAxleCentre().x(), static_cast<int>(720.0f - g.rOut));
    const RegionSet &s = ws.regions.screen();
    EXPECT_TRUE(s.otherWheels.isEmpty());
    EXPECT_TRUE(s.otherAxle.isEmpty());
    EXPECT_TRUE(ws.regions.otherWheelsHit.isEmpty());
    EXPECT_FALSE(s.caseShape[1].isEmpty());
    const QPoint second = ws.regions.shapes[ScreenCoords].driveCentre[1];
    EXPECT_TRUE(s.driveWheels.contains(second));
    EXPECT_TRUE(s.spring.contains(second));
    EXPECT_TRUE(s.driveAxle.contains(second));
    EXPECT_FALSE(s.outerLayer.contains(second)); // its axle hole
    // Mirror image of the first drive wheel.
    const QRect a = ws.regions.shapes[PointCoords].driveWheelRect[0];
    const QRect b = ws.regions.shapes[PointCoords].driveWheelRect[1];
    EXPECT_EQ(a.size(), b.size());
    EXPECT_NEAR(a.left(), 720 - (b.right() + 1), 1); // both centres truncated to whole points
}

TEST(PartRegions, SpringTurnsAndWheels)
{
    Workspace ws = prepared();
    // 36 in of spring on a 0.5 in arbor, each turn 2 points further out.
    EXPECT_EQ(ws.regions.SpringTurns, 13);
    // Wound thickness on screen: Trunc(13 x 0.0125 x 72 x 4/3 x 1.1).
    EXPECT_EQ(ws.regions.SpringWoundThickness[ScreenCoords], 17);
    // Drive wheel: Trunc(4.80 x 72 x 4/3) div 2 pixels half-size.
    const QRect wheel = ws.regions.shapes[ScreenCoords].driveWheelRect[0];
    EXPECT_EQ(wheel.width(), (static_cast<int>(4.8f * 72.0 * (4.0f / 3.0f)) / 2) * 2);
    // The tread is the wheel grown by 3 pixels with a tab on top.
    const QRect tread = ws.regions.shapes[ScreenCoords].treadRect[0];
    EXPECT_EQ(tread, wheel.adjusted(-3, -3, 3, 3));
    EXPECT_TRUE(ws.regions.screen().tread.contains(QPoint(tread.center().x() + 10, tread.top() - 5)));
    EXPECT_TRUE(ws.regions.screen().otherWheels.contains(ws.regions.shapes[ScreenCoords].frontCentre));
}

TEST(PartRegions, RescaleUsesTheCaseOuterDiameterAndSecondChamber)
{
    Workspace ws = prepared();
    ws.design.OuterPts = {QPoint(0, 100), QPoint(720, 100), QPoint(720, 540), QPoint(0, 540)};
    ws.design.InnerPts = ws.design.OuterPts;
    RescaleDesign(ws);
    EXPECT_TRUE(ws.regions.SecondChamberBuilt);
    EXPECT_NEAR(ws.regions.geometry.rOut, floatOr(ws.results.CaseOuterDEF, 0) * 36.0f, 1e-4);
    // Rear drive: the second chamber is built but its cavity is not cut from the inner layer.
    const QPoint second = ws.regions.shapes[ScreenCoords].driveCentre[1];
    ASSERT_TRUE(ws.regions.screen().innerOutline.contains(second));
    EXPECT_TRUE(ws.regions.screen().innerLayer.contains(second));
    EXPECT_TRUE(ws.regions.screen().chamberShape[1].contains(second));
}

TEST(PartRegions, ReachingOutsideThePaper)
{
    Workspace ws = prepared();
    ws.design.OuterPts = {QPoint(300, 100), QPoint(700, 100), QPoint(700, 500), QPoint(300, 500)};
    ws.design.InnerPts = {QPoint(350, 150), QPoint(650, 150), QPoint(650, 450), QPoint(350, 450)};
    RebuildPartRegions(ws);
    const QRegion outside = ws.regions.screen().outerLayer - ws.scale.DrawAreaRegion;
    EXPECT_EQ(ws.regions.overlaps.outerOutsideDrawArea, !outside.isEmpty());
    ws.design.OuterPts[1] = QPoint(760, 100);
    RebuildPartRegions(ws);
    EXPECT_TRUE(ws.regions.overlaps.outerOutsideDrawArea);
    EXPECT_GE((ws.regions.screen().outerLayer - ws.scale.DrawAreaRegion).boundingRect().right(),
              96 + 960);
}

TEST(PartRegions, PrinterRegionsOnlyWhenPrinting)
{
    Workspace ws = prepared();
    EXPECT_TRUE(ws.regions.printer().outerLayer.isEmpty());
    RebuildPartRegions(ws, true);
    const RegionSet &p = ws.regions.printer();
    EXPECT_FALSE(p.outerLayer.isEmpty());
    // On paper the layers are cut around outline and case; full size at 600 dpi.
    const QRect wheel = ws.regions.shapes[PrinterCoords].driveWheelRect[0];
    EXPECT_EQ(wheel.width(), (static_cast<int>(4.8f * 72.0f * (600.0f / 72.0f)) / 2) * 2);
    EXPECT_LT(p.caseShape[0].boundingRect().bottom(), ws.scale.GroundBandPrinter.top());
}

TEST(PartRegions, DiscRegions)
{
    const QRect clip = RegionMapping{}.clip;
    const QRect box = circleRect(QPoint(200, 300), 50);
    const QRegion disc = ellipseRegion(box, clip);
    EXPECT_EQ(disc.boundingRect(), box);
    long long area = 0;
    for (const QRect &r : disc)
        area += static_cast<long long>(r.width()) * r.height();
    EXPECT_NEAR(static_cast<double>(area), 3.14159265 * 50 * 50, 0.01 * 3.14159265 * 50 * 50);
    EXPECT_TRUE(disc.contains(QPoint(200, 300)));
    EXPECT_TRUE(disc.contains(QPoint(150, 300)));
    EXPECT_TRUE(disc.contains(QPoint(249, 300)));
    EXPECT_FALSE(disc.contains(QPoint(250, 300)));
    EXPECT_FALSE(disc.contains(QPoint(152, 252)));
    // Symmetric about both axes.
    for (int d = 0; d < 50; ++d) {
        EXPECT_EQ(disc.contains(QPoint(200 + d, 260)), disc.contains(QPoint(199 - d, 260)));
        EXPECT_EQ(disc.contains(QPoint(230, 300 + d)), disc.contains(QPoint(230, 299 - d)));
    }
    EXPECT_TRUE(ellipseRegion(QRect(), clip).isEmpty());
    EXPECT_EQ(ellipseRegion(QRect(10, 10, 1, 1), clip).boundingRect(), QRect(10, 10, 1, 1));
}

TEST(PartRegions, HugePartsAreCutToTheClipWindow)
{
    const QRect clip(QPoint(-100, -50), QPoint(100, 50));
    // A disc far larger than the window covers all of it, in as many rows as the window has.
    const QRegion disc = ellipseRegion(halfSizeRect(QPoint(0, 0), INT_MAX, INT_MAX), clip);
    EXPECT_EQ(disc, QRegion(clip));
    const QRegion octagon = polygonRegion(octagonPolygon(QPoint(0, 0), 1e12, 1e12), clip);
    EXPECT_EQ(octagon, QRegion(clip));
    // Partly outside: inside the window the shape keeps its edges, to the pixel that rounding
    // the cut's corners may move in a row.
    const QPolygon triangle({QPoint(0, 0), QPoint(400, 0), QPoint(0, 40)});
    const QRegion moved = polygonRegion(triangle, clip) ^ (QRegion(triangle, Qt::WindingFill) & QRegion(clip));
    long long movedPixels = 0;
    for (const QRect &r : moved)
        movedPixels += static_cast<long long>(r.width()) * r.height();
    EXPECT_LE(movedPixels, 40);
    EXPECT_TRUE(clip.contains(polygonRegion(triangle, clip).boundingRect()));
    EXPECT_EQ(ellipseRegion(QRect(50, -20, 200, 40), clip), ellipseRegion(QRect(50, -20, 200, 40), QRect(-1000, -1000, 2000, 2000)) & QRegion(clip));
}

TEST(PartRegions, OutlineCopiesFollowTheStoredPoints)
{
    Workspace ws = prepared();
    // A clicked point's printer copy (finer than its stored point) is kept.
    ws.design.OuterPts = {QPoint(0, 100), QPoint(700, 100), QPoint(700, 540), QPoint(0, 540)};
    ws.outerCopies = makeOutlineCopies(ws.design.OuterPts, ws.scale);
    ws.outerCopies.printer[1] += QPoint(3, 4);
    RebuildPartRegions(ws);
    EXPECT_EQ(ws.outerCopies.printer[1], ws.scale.toPrinter(QPoint(700, 100)) + QPoint(3, 4));
    // Copies of another outline with as many points are replaced.
    ws.design.OuterPts = {QPoint(10, 100), QPoint(600, 100), QPoint(600, 500), QPoint(10, 500)};
    RebuildPartRegions(ws, true);
    EXPECT_EQ(ws.outerCopies.printer[1], ws.scale.toPrinter(QPoint(600, 100)));
    EXPECT_EQ(ws.outerCopies.screen[1], ws.scale.toScreen(QPoint(600, 100)));
    EXPECT_EQ(ws.regions.screen().outerOutline.boundingRect().right(),
              ws.scale.SheetOffsetX + ws.scale.toScreen(QPoint(600, 100)).x() - 1);
}

TEST(FrontAxleRegion, RunsFromTheDriveAxleToTheRightEdgeOfTheDrawingArea)
{
    Workspace workspace;
    BuildBuiltInDesign(workspace, 1);
    workspace.scale = HeadlessSheetScale();
    ComputeBuildGeometry(workspace);
    RebuildPartRegions(workspace);
    const SheetScale &scale = workspace.scale;
    const QRect area = workspace.regions.FrontAxleRegion.boundingRect();
    const QPoint driveAxle = workspace.regions.shapes[ScreenCoords].driveCentre[0];
    EXPECT_NEAR(area.left(), driveAxle.x(), 1);
    EXPECT_EQ(area.top(), 0);
    EXPECT_EQ(area.right() + 1, scale.SheetOffsetX + scale.DrawPxWidth);
    EXPECT_EQ(area.bottom() + 1, scale.DrawPxHeight);
    EXPECT_FALSE(workspace.regions.FrontAxleRegion.contains(driveAxle - QPoint(5, 0)));
}
