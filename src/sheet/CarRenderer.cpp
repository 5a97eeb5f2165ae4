// SPDX-License-Identifier: GPL-3.0-or-later
#include "CarRenderer.h"

#include "geometry/RegionMapping.h"
#include "ForcePicture.h"
#include "RegionPainting.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "physics/SheetPreparation.h"

#include <QFont>
#include <QPen>
#include <QPolygon>

namespace zindle {

namespace {

const QColor SpringGreen(0, 255, 0);
const QColor SpringFrame(85, 221, 85);
const QColor AxleFill(255, 204, 170);

const RegionSet &regionsFor(const PhysicsState &workspace, PaintTarget target)
{
    return target == PaintTarget::Printer ? workspace.regions.printer() : workspace.regions.screen();
}

CoordSystem systemFor(PaintTarget target)
{
    return target == PaintTarget::Printer ? PrinterCoords : ScreenCoords;
}

bool allWheel(const PhysicsState &workspace) { return workspace.design.Drive == DriveKind::AllWD; }

void paintAxle(QPainter &painter, const QRegion &region, PaintTarget target, const QColor &frame)
{
    if (target == PaintTarget::Printer) {
        fillRegion(painter, region, QBrush(Qt::white));
        paintFrame(painter, region, Qt::black, 2, 2);
        return;
    }
    fillRegion(painter, region, QBrush(AxleFill));
    paintFrame(painter, region, frame, 2, 2);
}

void paintLayer(QPainter &painter, const QRegion &region, PaintTarget target, const QColor &color,
                int frame, Qt::BrushStyle hatch)
{
    if (target == PaintTarget::Nothing || region.isEmpty())
        return;
    if (target == PaintTarget::Printer) {
        fillRegion(painter, region, QBrush(SilverColor));
        return;
    }
    paintFrame(painter, region, color, frame, frame);
    fillRegion(painter, region, QBrush(color, hatch));
}

} // namespace

void PaintInnerLayer(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const QColor &color)
{
    if (workspace.design.OuterCount() <= 1)
        return;
    paintLayer(painter, regionsFor(workspace, target).innerLayer, target, color, 3, Qt::FDiagPattern);
}

void PaintOuterLayer(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const QColor &color)
{
    paintLayer(painter, regionsFor(workspace, target).outerLayer, target, color, 2, Qt::BDiagPattern);
}

void PaintGroundBand(QPainter &painter, const SheetScale &scale, PaintTarget target)
{
    // Paper gets no case material below the sheet's edge; the screen shows the ground instead.
    if (target == PaintTarget::Printer)
        fillRegion(painter, scale.GroundBandRegionPrinter, QBrush(Qt::white));
}

void PaintDriveWheels(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette)
{
    paintFrame(painter, regionsFor(workspace, target).driveWheels, palette.wheelFrame, 3, 3);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::SolidPattern);
}

void PaintOtherWheels(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette)
{
    if (allWheel(workspace))
        return;
    paintFrame(painter, regionsFor(workspace, target).otherWheels, palette.wheelFrame, 2, 2);
}

void PaintSpring(QPainter &painter, const PhysicsState &workspace, PaintTarget target)
{
    const QRegion &spring = regionsFor(workspace, target).spring;
    fillRegion(painter, spring, QBrush(SpringGreen));
    paintFrame(painter, spring, SpringFrame, 2, 2);
}

void PaintSpringStrap(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette)
{
    const PartRegions &regions = workspace.regions;
    const CoordSystem system = systemFor(target);
    const PartShapes &shapes = regions.shapes[system];
    const RegionMapping m = regionMapping(system, workspace.scale);
    const PartGeometry &geometry = regions.geometry;
    // The wall mark sits 18 points above the top of the cavity (the octagon's top vertex lies
    // further out than the circle's).
    const double wallRadius =
        (geometry.chamberShape == ChamberShapeKind::Octagonal ? geometry.rIn * 1.08 : geometry.rIn) + 18.0;
    const int wound = regions.SpringWoundThickness[static_cast<size_t>(system)];
    const int side = workspace.design.Drive == DriveKind::FrontWD ? 1 : -1;

    painter.save();
    painter.setPen(QPen(SpringGreen, 1));
    for (int axle = 0; axle < (allWheel(workspace) ? 2 : 1); ++axle) {
        const QPoint centre = shapes.driveCentre[axle];
        const int axleRadius = shapes.driveAxleRect[axle].width() / 2;
        // The strap leaves the wound disc at the axle's height and ends at the wall mark
        // straight above the axle, its sideways steps growing as it climbs.
        const int extent = axleRadius + wound;
        const int startX = centre.x() + side * extent;
        const int topY = centre.y() - m.lengthY(wallRadius);
        QPolygon strap;
        strap << QPoint(startX, centre.y());
        for (int i = 0; i < 10; ++i) {
            const double sideways = extent / 10.0 * (10.0 / (10 - i));
            const int x = startX - side * truncToInt(sideways);
            const int y = centre.y() - truncToInt((centre.y() - topY) * (i + 1) / 10.0);
            strap << QPoint(x, y);
        }
        painter.drawPolyline(strap);
    }
    painter.restore();
    // Wherever the car is drawn on screen its drive is shown too: a front-wheel-drive car
    // otherwise looks like a rear-wheel-drive one.
    if (target == PaintTarget::Screen)
        DrawDriveArrow(painter, workspace.scale, workspace.design.Drive, palette);
}

void PaintDriveAxle(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette)
{
    paintAxle(painter, regionsFor(workspace, target).driveAxle, target, palette.axleFrame);
}

void PaintTread(QPainter &painter, const PartRegions &regions, const SheetPalette &palette)
{
    paintFrame(painter, regions.screen().tread, palette.treadFrame, 3, 3);
    painter.setPen(QPen(Qt::black, 1));
}

void PaintOtherAxle(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette)
{
    if (allWheel(workspace))
        return;
    paintAxle(painter, regionsFor(workspace, target).otherAxle, target, palette.axleFrame);
}

void PaintMarks(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette)
{
    paintFrame(painter, regionsFor(workspace, target).marks, palette.marks, 1, 1);
}

void PaintWeights(QPainter &painter, DesignRecord &design, const SheetScale &scale, const SheetPalette &palette)
{
    const float s = scale.ScreenScale;
    painter.save();
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    for (WeightSlot &slot : design.Weights) {
        if (slot.isFree())
            continue;
        const float m = slot.Mass;
        const int px = truncToInt(slot.X * s) + scale.SheetOffsetX;
        const int py = truncToInt(slot.Y * s);
        const int a = truncToInt(m * 144.0f); // two inches per pound
        const int k = m < 0.0f ? -1 : 1;
        const int shaft = truncToInt(a * s);
        const int head = truncToInt(15 * s) * k;

        painter.setPen(QPen(MagentaColor, 2));
        painter.drawLine(px, py - shaft, px, py);
        painter.drawPolyline(QPolygon({QPoint(px - 5, py - head), QPoint(px + 5, py - head), QPoint(px, py),
                                       QPoint(px - 5, py - head)}));

        slot.Rect = k == 1 ? HitRect{px - 5, py - shaft - 15, px + 5, py}
                           : HitRect{px - 5, py, px + 5, py - shaft + 15};
        painter.setPen(QPen(SilverColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(slot.Rect.left, slot.Rect.top),
                               QPoint(slot.Rect.right - 1, slot.Rect.bottom - 1)));

        painter.setPen(palette.weightText);
        painter.drawText(QPoint(px + 5, py - truncToInt(30 * k * s) + painter.fontMetrics().ascent()),
                         floatText(m).left(5) + QStringLiteral(" lb"));
    }
    painter.restore();
}

void RedrawDesign(QPainter &painter, PhysicsState &workspace, PaintTarget target, bool outerOnPaper,
                  const std::function<void(QPainter &)> &templateLabels, const SheetPalette &palette)
{
    RebuildPartRegions(workspace, target == PaintTarget::Printer);
    PaintDesignParts(painter, workspace, target, outerOnPaper, templateLabels, palette);
}

void PaintDesignParts(QPainter &painter, PhysicsState &workspace, PaintTarget target, bool outerOnPaper,
                      const std::function<void(QPainter &)> &templateLabels, const SheetPalette &palette)
{
    if (target == PaintTarget::Printer) {
        if (outerOnPaper)
            PaintOuterLayer(painter, workspace, target, SilverColor);
        else
            PaintInnerLayer(painter, workspace, target, SilverColor);
    } else {
        PaintInnerLayer(painter, workspace, target, palette.innerLayer);
        PaintOuterLayer(painter, workspace, target, palette.outerLayer);
    }
    PaintGroundBand(painter, workspace.scale, target);
    PaintDriveWheels(painter, workspace, target, palette);
    PaintOtherWheels(painter, workspace, target, palette);
    PaintSpring(painter, workspace, target);
    PaintSpringStrap(painter, workspace, target, palette);
    PaintDriveAxle(painter, workspace, target, palette);
    if (templateLabels)
        templateLabels(painter);
    if (target == PaintTarget::Screen)
        PaintTread(painter, workspace.regions, palette);
    PaintOtherAxle(painter, workspace, target, palette);
    PaintMarks(painter, workspace, target, palette);
    if (target == PaintTarget::Screen)
        PaintWeights(painter, workspace.design, workspace.scale, palette);
}

} // namespace zindle
