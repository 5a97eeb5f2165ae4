// SPDX-License-Identifier: GPL-3.0-or-later
// The cut outlines against the regions the printed templates are drawn from, and the nesting.

#include "app/Workspace.h"
#include "geometry/CutParts.h"
#include "model/BuiltInDesigns.h"
#include "geometry/RegionMapping.h"
#include "output/CutSheets.h"
#include "output/PrintJobs.h"
#include "output/Templates.h"
#include "output/WheelPages.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

constexpr float PrinterDpi = 300.0f;

// A built-in design laid out for printing at PrinterDpi, as a print job lays out a template.
Workspace printedTemplates(int slot, void (*change)(DesignRecord &) = nullptr)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    ws.list.CurrentDesign = slot;
    if (change)
        change(ws.design);
    ws.scale = HeadlessSheetScale();
    ApplyPrinterResolution(ws.scale, PrinterDpi, PrinterDpi);
    ws.outerCopies = makeOutlineCopies(ws.design.OuterPts, ws.scale);
    ws.innerCopies = makeOutlineCopies(ws.design.InnerPts, ws.scale);
    PrepareTemplates(ws, true);
    return ws;
}

// What a layer template shows as material: the layer region with the axle holes drawn white
// over it and nothing below the sheet's bottom edge.
QRegion printedLayer(const Workspace &ws, bool outer)
{
    const RegionSet &printer = ws.regions.printer();
    QRegion layer = outer ? printer.outerLayer : printer.innerLayer;
    layer -= printer.driveAxle;
    if (ws.design.Drive != DriveKind::AllWD)
        layer -= printer.otherAxle;
    return layer - ws.scale.GroundBandRegionPrinter;
}

// Distance in the maximum norm (the larger of the x and y distances) from p to a segment: the
// printed shapes are shifted by whole-point rounding in x and y separately, each under a point.
double maxNormToSegment(QPointF p, QPointF a, QPointF b)
{
    // max(|fx(t)|, |fy(t)|) is convex and piecewise linear in t: its least value lies at an end
    // or where a part is zero or the two parts are equal in size.
    const QPointF f0 = a - p, d = b - a;
    const auto at = [&](double t) {
        t = std::clamp(t, 0.0, 1.0);
        return std::max(std::abs(f0.x() + t * d.x()), std::abs(f0.y() + t * d.y()));
    };
    double best = std::min(at(0.0), at(1.0));
    if (d.x() != 0.0)
        best = std::min(best, at(-f0.x() / d.x()));
    if (d.y() != 0.0)
        best = std::min(best, at(-f0.y() / d.y()));
    if (d.x() != d.y())
        best = std::min(best, at((f0.y() - f0.x()) / (d.x() - d.y())));
    if (d.x() != -d.y())
        best = std::min(best, at(-(f0.x() + f0.y()) / (d.x() + d.y())));
    return best;
}

double maxNormToCircle(QPointF p, const CutCircle &c)
{
    // The least half-size of a square around p that reaches the circle's line: the square
    // meets it once its nearest point lies within the circle and its farthest corner outside.
    double lo = 0.0, hi = std::hypot(p.x() - c.centre.x(), p.y() - c.centre.y()) + c.radius;
    const auto meets = [&](double t) {
        const double dx = std::max(std::abs(p.x() - c.centre.x()) - t, 0.0), dy = std::max(std::abs(p.y() - c.centre.y()) - t, 0.0);
        const double far = std::hypot(std::abs(p.x() - c.centre.x()) + t, std::abs(p.y() - c.centre.y()) + t);
        return std::hypot(dx, dy) <= c.radius && far >= c.radius;
    };
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2.0;
        (meets(mid) ? hi : lo) = mid;
    }
    return hi;
}

double distanceToCuts(QPointF p, const CutShape &shape)
{
    double best = 1e9;
    for (const QPolygonF &c : shape.contours)
        for (qsizetype i = 0; i < c.size(); ++i)
            best = std::min(best, maxNormToSegment(p, c[i], c[(i + 1) % c.size()]));
    for (const CutCircle &c : shape.circles) {
        // The maximum norm is at least the plain distance over the square root of two.
        if (std::abs(std::hypot(p.x() - c.centre.x(), p.y() - c.centre.y()) - c.radius) / std::sqrt(2.0) < best)
            best = std::min(best, maxNormToCircle(p, c));
    }
    return best;
}

// The furthest (points, maximum norm) that a pixel on which the printed region and the cut shape disagree
// lies from the shape's cut lines; -1 when either is empty.
double worstDisagreement(const CutShape &shape, const QRegion &printed, const SheetScale &scale)
{
    if (shape.isEmpty() || printed.isEmpty())
        return -1.0;
    const RegionMapping m = regionMapping(PrinterCoords, scale);
    // Inches to printer pixels.
    const QTransform toPixels = QTransform::fromScale(72.0 * m.sx, 72.0 * m.sy) * QTransform::fromTranslate(m.ox, m.oy);
    const QRect area = printed.boundingRect().united(toPixels.mapRect(shape.bounds()).toAlignedRect()).adjusted(-4, -4, 4, 4);
    QImage regionImage(area.size(), QImage::Format_Grayscale8), shapeImage(area.size(), QImage::Format_Grayscale8);
    regionImage.fill(0);
    shapeImage.fill(0);
    for (const QRect &r : printed)
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(regionImage.scanLine(y - area.top()) + (r.left() - area.left()), r.width(), uchar(255));
    {
        QPainter p(&shapeImage);
        p.translate(-area.topLeft());
        p.fillPath(toPixels.map(shape.path()), Qt::white);
    }
    double worst = 0.0;
    const QTransform toInches = toPixels.inverted();
    for (int y = 0; y < area.height(); ++y) {
        const uchar *a = regionImage.constScanLine(y), *b = shapeImage.constScanLine(y);
        for (int x = 0; x < area.width(); ++x) {
            if ((a[x] > 127) == (b[x] > 127))
                continue;
            const QPointF centre = toInches.map(QPointF(x + area.left() + 0.5, y + area.top() + 0.5));
            // The sheet's bottom edge counts as a line of both: where a chamber's slanted
            // edge runs out through it, the printed octagon's rounding (under a point up or
            // down) moves the meeting point along it by up to 1 / tan 22.5 degrees as much.
            const double ground = maxNormToSegment(centre, QPointF(-1000.0, 7.5), QPointF(1000.0, 7.5));
            worst = std::max(worst, std::min(distanceToCuts(centre, shape), ground) * 72.0);
        }
    }
    return worst;
}

// One point in x and in y, and one printer pixel: the printed shapes' corners are whole pixels
// and a pixel stands for the area around its centre.
const double Tolerance = 1.0 + 72.0 / PrinterDpi;

void expectLayersAgree(const Workspace &ws, const QString &what)
{
    const CutShape outer = OuterLayerShape(ws.design, ws.regions.geometry);
    const CutShape inner = InnerLayerShape(ws.design, ws.regions.geometry);
    const double outerWorst = worstDisagreement(outer, printedLayer(ws, true), ws.scale);
    const double innerWorst = worstDisagreement(inner, printedLayer(ws, false), ws.scale);
    EXPECT_GE(outerWorst, 0.0) << what.toStdString();
    EXPECT_GE(innerWorst, 0.0) << what.toStdString();
    EXPECT_LE(outerWorst, Tolerance) << what.toStdString() << " outer layer";
    EXPECT_LE(innerWorst, Tolerance) << what.toStdString() << " inner layer";
}

CutPart boxPart(const QString &label, double w, double h)
{
    CutPart part;
    part.label = label;
    part.shape.contours.push_back(QPolygonF(QRectF(1.0, 2.0, w, h)));
    return part;
}

QRectF grown(const QRectF &r, double by) { return r.adjusted(-by, -by, by, by); }

// The part's material and every point within just under half the gap of it, drawn by Qt's
// own path code (not the nesting's): two parts so grown that meet are closer than the gap.
QPainterPath grownMaterial(const CutShape &shape)
{
    QPainterPathStroker stroker;
    stroker.setWidth(PartGapIn - 1e-3);
    const QPainterPath material = shape.path();
    return material.united(stroker.createStroke(material));
}

void expectApartAndOnBoard(const NestOutcome &nested, const BoardSize &board)
{
    const QRectF inner(BoardMarginIn, BoardMarginIn, board.widthIn - 2 * BoardMarginIn, board.heightIn - 2 * BoardMarginIn);
    for (const CutBoard &b : nested.boards) {
        for (size_t i = 0; i < b.parts.size(); ++i) {
            const QRectF r = b.parts[i].shape.bounds();
            EXPECT_TRUE(grown(inner, 1e-9).contains(r)) << b.parts[i].label.toStdString();
            for (size_t j = i + 1; j < b.parts.size(); ++j)
                EXPECT_FALSE(grownMaterial(b.parts[i].shape).intersects(grownMaterial(b.parts[j].shape)))
                    << b.parts[i].label.toStdString() << " / " << b.parts[j].label.toStdString();
        }
    }
}

} // namespace

TEST(CutParts, LayersAgreeWithThePrintedTemplatesToAPointForEveryBuiltInDesign)
{
    for (int slot = 0; slot < BuiltInDesignCount; ++slot)
        expectLayersAgree(printedTemplates(slot), builtInDesignName(slot));
}

TEST(CutParts, OctagonalChambersAndAllWheelDriveAgreeWithThePrintedTemplates)
{
    expectLayersAgree(printedTemplates(0, [](DesignRecord &d) { d.ChamberShape = ChamberShapeKind::Octagonal; }),
                      QStringLiteral("octagonal"));
    expectLayersAgree(printedTemplates(0, [](DesignRecord &d) { d.Drive = DriveKind::AllWD; }),
                      QStringLiteral("all-wheel drive"));
    expectLayersAgree(printedTemplates(1, [](DesignRecord &d) {
                          d.Drive = DriveKind::AllWD;
                          d.ChamberShape = ChamberShapeKind::Octagonal;
                      }),
                      QStringLiteral("all-wheel drive, octagonal"));
}

TEST(CutParts, RoundHolesInsideTheMaterialStayCirclesAndOthersJoinTheOutline)
{
    const Workspace ws = printedTemplates(0);
    const PartGeometry &g = ws.regions.geometry;
    // Outer layer: one outline, the drive and the other axle holes as circles of their sizes.
    const CutShape outer = OuterLayerShape(ws.design, g);
    ASSERT_EQ(outer.contours.size(), 1u);
    ASSERT_EQ(outer.circles.size(), 2u);
    EXPECT_NEAR(outer.circles[0].radius * 2.0, g.driveAxleDia, 1e-6);
    EXPECT_NEAR(outer.circles[0].centre.x(), g.rOut / 72.0, 1e-6);
    EXPECT_NEAR(outer.circles[1].radius * 2.0, g.otherAxleDia, 1e-6);
    // Inner layer: the chamber (resting on the bottom edge) is the circle; the drive axle's
    // hole inside it cuts nothing.
    const CutShape inner = InnerLayerShape(ws.design, g);
    ASSERT_EQ(inner.circles.size(), 2u);
    EXPECT_NEAR(inner.circles[0].radius, g.rIn / 72.0, 1e-6);
    EXPECT_NEAR(inner.circles[1].radius * 2.0, g.otherAxleDia, 1e-6);

    // An axle hole across the outline's edge is cut into the outline, not left a circle.
    Workspace moved = printedTemplates(0, [](DesignRecord &d) {
        d.OtherAxleDia = QStringLiteral("2");
    });
    const CutShape cut = OuterLayerShape(moved.design, moved.regions.geometry);
    EXPECT_EQ(cut.circles.size(), 1u);
    EXPECT_LE(worstDisagreement(cut, printedLayer(moved, true), moved.scale), Tolerance);

    // No outline: no layers.
    DesignRecord empty = ws.design;
    empty.OuterPts.clear();
    EXPECT_TRUE(OuterLayerShape(empty, g).isEmpty());
    EXPECT_TRUE(InnerLayerShape(empty, g).isEmpty());
}

TEST(CutParts, WheelsAreTheWheelPagesDiscs)
{
    const Workspace ws = printedTemplates(0);
    for (const WheelPage &page : WheelPages(ws.design)) {
        const CutShape wheel = WheelShape(page.diameterIn, page.holeIn);
        ASSERT_EQ(wheel.circles.size(), 2u);
        EXPECT_NEAR(wheel.bounds().width(), page.wheelsPt[0].width() / 72.0, 1e-6);
        EXPECT_NEAR(wheel.circles[1].radius * 2.0, page.holeIn, 1e-6);
        EXPECT_EQ(wheel.circles[0].centre, wheel.circles[1].centre);
    }
    EXPECT_TRUE(WheelShape(0.0, 0.5).isEmpty());
    EXPECT_TRUE(WheelShape(std::nan(""), 0.5).isEmpty());
    EXPECT_EQ(WheelShape(1.0, 1.5).circles.size(), 1u); // a hole larger than the wheel is no hole
}

TEST(CutParts, EveryCopyOfTheSetIsLabelledInStackingOrder)
{
    CutPartInputs in;
    in.designName = QStringLiteral("Racer");
    in.outer = WheelShape(6.0, 0.0); // any shapes will do for the set
    in.inner = WheelShape(5.0, 0.0);
    in.driveWheel = WheelShape(4.0, 0.5);
    in.otherWheel = WheelShape(2.0, 0.25);
    in.coredLayers = 3;
    in.fullLayers = 2;
    QStringList labels;
    for (const CutPart &p : CutPartsFrom(in, CutSet::All))
        labels << p.label;
    EXPECT_EQ(labels, QStringList({"Racer: Outer Layer 1", "Racer: Inner Layer 2", "Racer: Inner Layer 3",
                                   "Racer: Inner Layer 4", "Racer: Outer Layer 5", "Racer: Drive Wheel",
                                   "Racer: Drive Wheel", "Racer: Other Wheel", "Racer: Other Wheel"}));
    EXPECT_EQ(CutPartsFrom(in, CutSet::Inner).size(), 3u);
    EXPECT_EQ(CutPartsFrom(in, CutSet::Outer).size(), 2u);
    EXPECT_EQ(CutPartsFrom(in, CutSet::Wheels).size(), 4u);
    in.otherWheel = CutShape();
    EXPECT_EQ(CutPartsFrom(in, CutSet::Wheels).size(), 2u); // nothing to cut is left out

    // Every label lies on its part's material.
    for (const CutPart &p : CutPartsFrom(in, CutSet::All)) {
        const QRectF box(p.labelAt.x(), p.labelAt.y() - p.labelHeight, LabelWidth(p.label, p.labelHeight), p.labelHeight);
        EXPECT_TRUE(p.shape.path().contains(box)) << p.label.toStdString();
        EXPECT_GE(p.labelHeight, MinLabelHeightIn);
    }
}

TEST(CutBoards, SizesInInchesAndMillimetres)
{
    const auto inches = ParseBoardSize(QStringLiteral("20x30"));
    ASSERT_TRUE(inches);
    EXPECT_EQ(inches->widthIn, 20.0);
    EXPECT_EQ(inches->heightIn, 30.0);
    EXPECT_FALSE(inches->metric);
    const auto mm = ParseBoardSize(QStringLiteral(" 508 X 762.0 mm "));
    ASSERT_TRUE(mm);
    EXPECT_TRUE(mm->metric);
    EXPECT_NEAR(mm->widthIn, 20.0, 1e-12);
    EXPECT_NEAR(mm->heightIn, 30.0, 1e-12);
    EXPECT_EQ(BoardSizeText(*mm), QStringLiteral("508 x 762 mm"));
    EXPECT_TRUE(ParseBoardSize(QStringLiteral("12.5x.5in")));
    for (const char *bad : {"", "20", "20x", "x30", "0x30", "20x0", "-20x30", "20x30cm", "1e3x2", "1001x20", "nanxinf"})
        EXPECT_FALSE(ParseBoardSize(QString::fromLatin1(bad))) << bad;
}

TEST(CutBoards, NestingKeepsPartsApartOnTheBoardAndOpensBoardsAsNeeded)
{
    std::vector<CutPart> parts;
    for (int i = 0; i < 12; ++i)
        parts.push_back(boxPart(QStringLiteral("part %1").arg(i), 2.0 + (i % 4), 1.0 + (i % 3)));
    const BoardSize board{12.0, 8.0, false};
    const NestOutcome nested = NestParts(parts, board);
    ASSERT_TRUE(nested.error.isEmpty());
    EXPECT_GE(nested.boards.size(), 2u);
    size_t count = 0;
    for (const CutBoard &b : nested.boards)
        count += b.parts.size();
    EXPECT_EQ(count, parts.size());
    expectApartAndOnBoard(nested, board);
}

TEST(CutBoards, APartThatFitsOnlyTurnedIsTurnedWithItsLabel)
{
    CutPart long_ = boxPart(QStringLiteral("long"), 10.0, 3.0);
    long_.labelAt = QPointF(2.0, 3.0);
    const BoardSize board{4.0, 12.0, false};
    const NestOutcome nested = NestParts({long_}, board);
    ASSERT_TRUE(nested.error.isEmpty());
    ASSERT_EQ(nested.boards.size(), 1u);
    const CutPart &placed = nested.boards[0].parts[0];
    EXPECT_NEAR(placed.shape.bounds().width(), 3.0, 1e-9);
    EXPECT_NEAR(placed.shape.bounds().height(), 10.0, 1e-9);
    EXPECT_EQ(placed.labelAngle, 90.0);
    EXPECT_TRUE(placed.shape.bounds().contains(placed.labelAt));
    expectApartAndOnBoard(nested, board);
}

TEST(CutBoards, APartTooLargeForTheBoardIsNamedWithTheSizes)
{
    const NestOutcome inches = NestParts({boxPart(QStringLiteral("small"), 1, 1), boxPart(QStringLiteral("Car: Outer Layer 1"), 10.2, 4.9)},
                                         BoardSize{8.0, 6.0, false});
    EXPECT_TRUE(inches.boards.empty());
    EXPECT_EQ(inches.error.toStdString(),
              "The part \"Car: Outer Layer 1\" (10.20 x 4.90 in) does not fit on the board (8 x 6 in, with 0.25 in kept free along each edge).");
    const NestOutcome mm = NestParts({boxPart(QStringLiteral("wheel"), 5.0, 5.0)}, *ParseBoardSize(QStringLiteral("100x300mm")));
    EXPECT_NE(mm.error.indexOf(QStringLiteral("(127.0 x 127.0 mm)")), -1) << mm.error.toStdString();
    EXPECT_NE(mm.error.indexOf(QStringLiteral("100 x 300 mm")), -1) << mm.error.toStdString();
}

TEST(CutBoards, EveryBuiltInDesignNestsByShapeOnNoMoreBoardsAndATenthLessBoardThanOnShelves)
{
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        Workspace ws;
        BuildBuiltInDesign(ws, slot);
        ws.list.CurrentDesign = slot;
        ws.scale = HeadlessSheetScale();
        const CutPartsOutcome parts = CutPartsOf(ws, CutSet::All, BoardSize());
        ASSERT_TRUE(parts.error.isEmpty());
        EXPECT_EQ(parts.parts.size(), static_cast<size_t>(TemplateCount(ws.results) + 4));
        const NestOutcome nested = NestParts(parts.parts, BoardSize());
        const NestOutcome shelves = NestPartsOnShelves(parts.parts, BoardSize());
        ASSERT_TRUE(nested.error.isEmpty());
        EXPECT_EQ(nested.boards.size(), 1u) << slot;
        EXPECT_LE(nested.boards.size(), shelves.boards.size()) << slot;
        EXPECT_LE(UsedBoardArea(nested), 0.9 * UsedBoardArea(shelves)) << slot;
        expectApartAndOnBoard(nested, BoardSize());
    }
}
