// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartRegions.h"

#include "model/DesignNumbers.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "model/PartMaterials.h"
#include "geometry/RegionMapping.h"

#include <algorithm>
#include <cmath>

namespace zindle {

// ---- mapping ---------------------------------------------------------------------------------

namespace {
int truncF(float value) { return truncToInt(static_cast<double>(value)); }
} // namespace

QPoint RegionMapping::map(QPoint pt) const
{
    return {truncF(static_cast<float>(pt.x()) * sx) + ox, truncF(static_cast<float>(pt.y()) * sy) + oy};
}

int RegionMapping::lengthX(double pt) const { return truncF(static_cast<float>(pt) * sx); }
int RegionMapping::lengthY(double pt) const { return truncF(static_cast<float>(pt) * sy); }
int RegionMapping::halfX(double diameterPt) const { return truncF(static_cast<float>(diameterPt) * sx) / 2; }
int RegionMapping::halfY(double diameterPt) const { return truncF(static_cast<float>(diameterPt) * sy) / 2; }

RegionMapping regionMapping(CoordSystem system, const SheetScale &scale)
{
    RegionMapping m;
    switch (system) {
    case ScreenCoords:
        m.sx = m.sy = scale.ScreenScale;
        m.ox = scale.SheetOffsetX + scale.ScreenOriginX;
        m.oy = scale.ScreenOriginY;
        break;
    case PrinterCoords:
        m.sx = scale.PrinterScaleX;
        m.sy = scale.PrinterScaleY;
        m.ox = scale.PrinterOriginX;
        m.oy = scale.PrinterOriginY;
        m.unit3x = truncF(3.0f * scale.PrinterScaleX);
        m.unit3y = truncF(3.0f * scale.PrinterScaleY);
        break;
    case PreviewCoords:
        m.sx = m.sy = scale.PreviewScale * scale.PreviewZoom;
        m.ox = scale.PreviewOffsetX;
        break;
    case PointCoords:
        break;
    }
    const QRect window = system == PrinterCoords ? PrinterRegionWindowPt : RegionWindowPt;
    m.clip = QRect(m.map(window.topLeft()), m.map(window.bottomRight()));
    return m;
}

// Rows of the ellipse inscribed in `rect`, each row the pixels whose centres lie inside it,
// rows with the same span merged into one band. Building the rectangles directly is several
// times faster than going through a flattened path, and every refresh builds dozens of discs.
QRegion ellipseRegion(const QRect &rect, const QRect &clip)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return {};
    const double rx = rect.width() / 2.0, ry = rect.height() / 2.0;
    const double cx = rect.left() + rx, cy = rect.top() + ry;
    const int top = std::max(rect.top(), clip.top());
    const int bottom = std::min(rect.bottom(), clip.bottom());
    if (bottom < top)
        return {};
    std::vector<QRect> rows;
    rows.reserve(static_cast<size_t>(bottom - top + 1));
    for (int y = top; y <= bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double t = 1.0 - dy * dy;
        if (t <= 0.0)
            continue;
        const double half = rx * std::sqrt(t);
        // Pixel x is inside when its centre x + 0.5 lies within cx -/+ half.
        const int left = static_cast<int>(std::max(std::ceil(cx - half - 0.5), double(clip.left())));
        const int right = static_cast<int>(std::min(std::floor(cx + half - 0.5), double(clip.right())));
        if (right < left)
            continue;
        if (!rows.empty() && rows.back().left() == left && rows.back().right() == right &&
            rows.back().bottom() == y - 1)
            rows.back().setBottom(y);
        else
            rows.push_back(QRect(QPoint(left, y), QPoint(right, y)));
    }
    QRegion region;
    if (!rows.empty())
        region.setRects(rows.data(), static_cast<int>(rows.size()));
    return region;
}

namespace {

// The part of a polygon on the inner side of one edge of the clip window (one step of
// Sutherland-Hodgman); `inside` and `cut` speak of that edge only.
template <typename Inside, typename Cut>
QPolygonF clipAgainst(const QPolygonF &polygon, Inside inside, Cut cut)
{
    QPolygonF kept;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        if (inside(a))
            kept << a;
        if (inside(a) != inside(b))
            kept << cut(a, b);
    }
    return kept;
}

QPolygon clippedTo(const QPolygon &polygon, const QRect &clip)
{
    const double left = clip.left(), right = clip.right(), top = clip.top(), bottom = clip.bottom();
    QPolygonF p(polygon);
    const auto atX = [](double x) {
        return [x](QPointF a, QPointF b) { return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())); };
    };
    const auto atY = [](double y) {
        return [y](QPointF a, QPointF b) { return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y); };
    };
    p = clipAgainst(p, [=](QPointF q) { return q.x() >= left; }, atX(left));
    p = clipAgainst(p, [=](QPointF q) { return q.x() <= right; }, atX(right));
    p = clipAgainst(p, [=](QPointF q) { return q.y() >= top; }, atY(top));
    p = clipAgainst(p, [=](QPointF q) { return q.y() <= bottom; }, atY(bottom));
    QPolygon clipped;
    for (const QPointF &q : p)
        clipped << QPoint(static_cast<int>(std::lround(q.x())), static_cast<int>(std::lround(q.y())));
    return clipped;
}

} // namespace

QRegion polygonRegion(const QPolygon &polygon, const QRect &clip)
{
    if (polygon.isEmpty() || clip.contains(polygon.boundingRect()))
        return QRegion(polygon, Qt::WindingFill);
    // Cut a little outside the window, so that every pixel inside it is decided by the shape's
    // own edges, not by the cut.
    const QPolygon clipped = clippedTo(polygon, clip.adjusted(-2, -2, 2, 2));
    return clipped.size() < 3 ? QRegion() : QRegion(clipped, Qt::WindingFill) & QRegion(clip);
}

QRect halfSizeRect(QPoint centre, int hx, int hy)
{
    hx = std::clamp(hx, -MaxShapeHalfExtent, MaxShapeHalfExtent);
    hy = std::clamp(hy, -MaxShapeHalfExtent, MaxShapeHalfExtent);
    return QRect(centre.x() - hx, centre.y() - hy, 2 * hx, 2 * hy);
}

QPolygon octagonPolygon(QPoint centre, double rx, double ry)
{
    rx = std::clamp(rx, double(-MaxShapeHalfExtent), double(MaxShapeHalfExtent));
    ry = std::clamp(ry, double(-MaxShapeHalfExtent), double(MaxShapeHalfExtent));
    const int ax = truncToInt(1.08 * rx), ay = truncToInt(1.08 * ry);
    const int dx = truncToInt(0.763668 * rx), dy = truncToInt(0.763668 * ry);
    const int x = centre.x(), y = centre.y();
    QPolygon p;
    p << QPoint(x, y - ay) << QPoint(x + dx, y - dy) << QPoint(x + ax, y) << QPoint(x + dx, y + dy)
      << QPoint(x, y + ay) << QPoint(x - dx, y + dy) << QPoint(x - ax, y) << QPoint(x - dx, y - dy);
    return p;
}

QPolygon chamberOctagon(QPoint centre, double radius) { return octagonPolygon(centre, radius, radius); }

QRect circleRect(QPoint centre, int radius) { return halfSizeRect(centre, radius, radius); }

// ---- inputs ----------------------------------------------------------------------------------

namespace {

// Sheet positions of derived parts, kept where every coordinate system can still scale them.
int shapeCoordinate(double pt) { return truncToInt(std::clamp(pt, double(-MaxShapeHalfExtent), double(MaxShapeHalfExtent))); }

} // namespace

QPoint PartGeometry::driveAxleCentre() const
{
    return {shapeCoordinate(rOut), shapeCoordinate(540.0 - driveAxleHeightPt)};
}

QPoint PartGeometry::secondDriveAxleCentre() const
{
    return {shapeCoordinate(720.0 - rOut), shapeCoordinate(540.0 - driveAxleHeightPt)};
}

QPoint PartGeometry::frontAxleCentre() const
{
    return {truncToInt(720.0 - frontAxleXPt), truncToInt(540.0 - frontAxleYPt)};
}

namespace {

// Derived sizes of a design the formulas cannot run (a case miles wide, a wheel of 1e30 in)
// are held to a size far beyond any sheet, so that the integer arithmetic of every shape
// stays in range; regions are cut to the sheet's window anyway.
constexpr float MaxPartPoints = 100000.0f;

float heldPoints(float points) { return std::isnan(points) ? 0.0f : std::clamp(points, -MaxPartPoints, MaxPartPoints); }
float heldInches(float inches) { return heldPoints(inches * 72.0f) == inches * 72.0f ? inches : heldPoints(inches * 72.0f) / 72.0f; }

} // namespace

PartGeometry partGeometry(const DesignRecord &design, const MaterialCatalogue &catalogue,
                          float rIn, float rOut, float driveAxleHeightPt)
{
    PartGeometry g;
    g.rIn = heldPoints(rIn);
    g.rOut = heldPoints(rOut);
    g.driveAxleHeightPt = heldPoints(driveAxleHeightPt);
    g.frontAxleXPt = heldPoints(design.FrontAxleXPt);
    g.frontAxleYPt = heldPoints(design.FrontAxleYPt);
    g.drive = design.Drive;
    g.chamberShape = design.ChamberShape;
    const DesignNumbers n = ParseDesignNumbers(design, catalogue);
    g.driveWhlDia = heldInches(n.DriveWhlDia);
    g.otherWhlDia = heldInches(n.OtherWhlDia);
    g.driveAxleDia = heldInches(n.DriveAxleDia);
    g.otherAxleDia = heldInches(n.OtherAxleDia);
    g.springLength = heldInches(n.SpringLength);
    g.springThickness = heldInches(n.SpringThickness);
    return g;
}

CaseRadii redrawCaseRadii(const QString &caseIDText)
{
    CaseRadii r;
    r.rIn = floatOr(caseIDText, 0.0f) * 72.0f / 2.0f;
    r.rOut = r.rIn + 36.0f;
    return r;
}

CaseRadii rescaleCaseRadii(const QString &caseIDText, const QString &caseOuterText)
{
    CaseRadii r;
    r.rIn = floatOr(caseIDText, 0.0f) * 72.0f / 2.0f;
    r.rOut = floatOr(caseOuterText, 0.0f) * 72.0f / 2.0f;
    return r;
}

OutlineCopies makeOutlineCopies(const std::vector<QPoint> &stored, const SheetScale &scale)
{
    OutlineCopies c;
    c.screen.reserve(stored.size());
    c.preview.reserve(stored.size());
    c.printer.reserve(stored.size());
    for (const QPoint &p : stored) {
        c.screen.push_back(scale.toScreen(p));
        c.preview.push_back(scale.toPreview(p));
        c.printer.push_back(scale.toPrinter(p));
    }
    return c;
}

// ---- chamber ---------------------------------------------------------------------------------

namespace {

void buildChamberAt(PartRegions &regions, int index, QPoint centrePt, const PartGeometry &geometry,
                    const SheetScale &scale)
{
    const bool octagonal = geometry.chamberShape == ChamberShapeKind::Octagonal;
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const auto system = static_cast<CoordSystem>(c);
        const RegionMapping m = regionMapping(system, scale);
        const QPoint centre = m.map(centrePt);
        PartShapes &shapes = regions.shapes[c];
        RegionSet &set = regions.sets[c];
        shapes.driveCentre[index] = centre;

        const int caseRx = m.lengthX(geometry.rOut), caseRy = m.lengthY(geometry.rOut);
        const int chamberRx = m.lengthX(geometry.rIn), chamberRy = m.lengthY(geometry.rIn);
        shapes.caseOctagon[index] =
            octagonPolygon(centre, geometry.rOut * m.sx, geometry.rOut * m.sy);
        shapes.chamberOctagon[index] =
            octagonPolygon(centre, geometry.rIn * m.sx, geometry.rIn * m.sy);
        shapes.caseCircleRect[index] = halfSizeRect(centre, caseRx, caseRy);
        shapes.chamberCircleRect[index] = halfSizeRect(centre, chamberRx, chamberRy);

        QRegion caseOct = polygonRegion(shapes.caseOctagon[index], m.clip);
        QRegion caseCircle = ellipseRegion(shapes.caseCircleRect[index], m.clip);
        // Nothing of the case below the sheet's bottom edge belongs to the body.
        if (system == ScreenCoords) {
            caseOct -= scale.GroundBandRegion;
            caseCircle -= scale.GroundBandRegion;
        } else if (system == PrinterCoords) {
            caseOct -= scale.GroundBandRegionPrinter;
            caseCircle -= scale.GroundBandRegionPrinter;
        }
        set.caseOctagon[index] = caseOct;
        set.caseCircle[index] = caseCircle;
        set.chamberOctagon[index] = polygonRegion(shapes.chamberOctagon[index], m.clip);
        set.chamberCircle[index] = ellipseRegion(shapes.chamberCircleRect[index], m.clip);
        set.caseShape[index] = octagonal ? set.caseOctagon[index] : set.caseCircle[index];
        set.chamberShape[index] = octagonal ? set.chamberOctagon[index] : set.chamberCircle[index];
    }
}

} // namespace

void BuildChamber(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale)
{
    regions.geometry = geometry;
    buildChamberAt(regions, 0, geometry.driveAxleCentre(), geometry, scale);
}

void BuildSecondChamber(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale)
{
    buildChamberAt(regions, 1, geometry.secondDriveAxleCentre(), geometry, scale);
    regions.SecondChamberBuilt = true;
}

// ---- axles -----------------------------------------------------------------------------------

void BuildAxles(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale)
{
    const bool awd = geometry.allWheel();
    const double driveD = static_cast<double>(geometry.driveAxleDia) * 72.0;
    const double otherD = static_cast<double>(geometry.otherAxleDia) * 72.0;
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const RegionMapping m = regionMapping(static_cast<CoordSystem>(c), scale);
        PartShapes &shapes = regions.shapes[c];
        RegionSet &set = regions.sets[c];
        const QPoint first = m.map(geometry.driveAxleCentre());
        shapes.driveAxleRect[0] = halfSizeRect(first, m.halfX(driveD), m.halfY(driveD));
        set.driveAxle = ellipseRegion(shapes.driveAxleRect[0], m.clip);
        if (awd) {
            const QPoint second = m.map(geometry.secondDriveAxleCentre());
            shapes.driveAxleRect[1] = halfSizeRect(second, m.halfX(driveD), m.halfY(driveD));
            set.driveAxle += ellipseRegion(shapes.driveAxleRect[1], m.clip);
            shapes.otherAxleRect = QRect();
            set.otherAxle = QRegion();
        } else {
            shapes.driveAxleRect[1] = QRect();
            const QPoint front = m.map(geometry.frontAxleCentre());
            shapes.frontCentre = front;
            shapes.otherAxleRect = halfSizeRect(front, m.halfX(otherD), m.halfY(otherD));
            set.otherAxle = ellipseRegion(shapes.otherAxleRect, m.clip);
        }
    }
    regions.driveAxleHit = regions.screen().driveAxle;
    regions.otherAxleHit = regions.screen().otherAxle;
    // Where the front axle may be dropped: right of the drive axle's centre, anywhere up to the
    // right edge of the drawing area, over its whole height.
    const int left = shapeCoordinate(geometry.rOut * scale.ScreenScale) + scale.ScreenOriginX + scale.SheetOffsetX;
    const int right = scale.SheetOffsetX + scale.DrawPxWidth; // exclusive, as the area's edge
    regions.FrontAxleRegion = QRegion(QRect(left, 0, right - left, scale.DrawPxHeight));
}

// ---- marks -----------------------------------------------------------------------------------

void BuildMarks(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale)
{
    const bool awd = geometry.allWheel();
    // The wall mark sits in the middle of the chamber wall, measured from the cavity's top.
    const double cavity = geometry.chamberShape == ChamberShapeKind::Octagonal
                              ? static_cast<double>(geometry.rIn) * 1.08
                              : static_cast<double>(geometry.rIn);
    const int wallRise = truncToInt(cavity + 18.0);
    std::vector<QPoint> markPts;
    const QPoint drive = geometry.driveAxleCentre();
    markPts.push_back(drive);
    if (!awd)
        markPts.push_back(geometry.frontAxleCentre());
    markPts.push_back(QPoint(15, 540 - 15));
    markPts.push_back(QPoint(drive.x(), drive.y() - wallRise));
    if (awd) {
        const QPoint second = geometry.secondDriveAxleCentre();
        markPts.push_back(second);
        markPts.push_back(QPoint(second.x(), second.y() - wallRise));
    }
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const auto system = static_cast<CoordSystem>(c);
        const RegionMapping m = regionMapping(system, scale);
        // Two pixels on screen and in the preview; the same size on paper as on a
        // 96-pixel-per-inch screen; two points in the sheet frame.
        int rx = 2, ry = 2;
        if (system == PrinterCoords) {
            rx = std::max(1, truncToInt(1.5 * m.sx));
            ry = std::max(1, truncToInt(1.5 * m.sy));
        }
        PartShapes &shapes = regions.shapes[c];
        RegionSet &set = regions.sets[c];
        shapes.markRects.clear();
        set.marks = QRegion();
        for (const QPoint &p : markPts) {
            const QRect r = halfSizeRect(m.map(p), rx, ry);
            shapes.markRects.push_back(r);
            set.marks += ellipseRegion(r, m.clip);
        }
    }
}

// ---- wheels ----------------------------------------------------------------------------------

void BuildWheels(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale)
{
    const bool awd = geometry.allWheel();
    const double driveD = static_cast<double>(geometry.driveWhlDia) * 72.0;
    const double otherD = static_cast<double>(geometry.otherWhlDia) * 72.0;
    regions.treadHit = QRegion();
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const auto system = static_cast<CoordSystem>(c);
        const RegionMapping m = regionMapping(system, scale);
        PartShapes &shapes = regions.shapes[c];
        RegionSet &set = regions.sets[c];
        set.driveWheels = QRegion();
        set.tread = QRegion();
        const int axles = awd ? 2 : 1;
        for (int i = 0; i < 2; ++i) {
            shapes.driveWheelRect[i] = shapes.treadRect[i] = shapes.treadTabRect[i] = QRect();
        }
        for (int i = 0; i < axles; ++i) {
            const QPoint centre =
                m.map(i == 0 ? geometry.driveAxleCentre() : geometry.secondDriveAxleCentre());
            const QRect wheel = halfSizeRect(centre, m.halfX(driveD), m.halfY(driveD));
            shapes.driveWheelRect[i] = wheel;
            set.driveWheels += ellipseRegion(wheel, m.clip);

            const QRect grown = wheel.adjusted(-m.unit3x, -m.unit3y, m.unit3x, m.unit3y);
            const int top = grown.top();
            const QRect tab(QPoint(centre.x(), top - m.lengthY(6.0)),
                            QPoint(centre.x() + m.lengthX(16.0) - 1, top + m.lengthY(6.0) - 1));
            shapes.treadRect[i] = grown;
            shapes.treadTabRect[i] = tab;
            set.tread += ellipseRegion(grown, m.clip) + ellipseRegion(tab, m.clip);
            if (system == ScreenCoords)
                regions.treadHit += ellipseRegion(grown.adjusted(-2, -2, 2, 2), m.clip) + ellipseRegion(tab, m.clip);
        }
        if (awd) {
            shapes.otherWheelRect = QRect();
            set.otherWheels = QRegion();
        } else {
            const QPoint front = m.map(geometry.frontAxleCentre());
            shapes.otherWheelRect = halfSizeRect(front, m.halfX(otherD), m.halfY(otherD));
            set.otherWheels = ellipseRegion(shapes.otherWheelRect, m.clip);
        }
    }
    regions.driveWheelsHit = regions.screen().driveWheels;
    regions.otherWheelsHit = regions.screen().otherWheels;
}

// ---- spring ----------------------------------------------------------------------------------

namespace {

// Turns of the wound spring; each turn adds two points to the radius. A spring that never
// runs out of length within 10000 turns (absurd texts) stops there instead of looping on.
int woundTurns(float springLength, float driveAxleDia)
{
    float remaining = springLength;
    int n = 0;
    do {
        ++n;
        remaining = remaining -
                    (2.0f * static_cast<float>(n) / 72.0f + driveAxleDia / 2.0f) * 6.2831854f;
    } while (remaining > 0.0f && n < 10000);
    return n;
}

} // namespace

void BuildSpring(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale)
{
    const bool awd = geometry.allWheel();
    const int n = woundTurns(geometry.springLength, geometry.driveAxleDia);
    regions.SpringTurns = n;
    const double driveD = static_cast<double>(geometry.driveAxleDia) * 72.0;
    const double wound = n * static_cast<double>(geometry.springThickness) * 72.0 * 1.1;
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const RegionMapping m = regionMapping(static_cast<CoordSystem>(c), scale);
        PartShapes &shapes = regions.shapes[c];
        RegionSet &set = regions.sets[c];
        const int wx = truncToInt(wound * m.sx), wy = truncToInt(wound * m.sy);
        regions.SpringWoundThickness[static_cast<size_t>(c)] = wx;
        set.spring = QRegion();
        shapes.springRect[1] = QRect();
        for (int i = 0; i < (awd ? 2 : 1); ++i) {
            const QPoint centre =
                m.map(i == 0 ? geometry.driveAxleCentre() : geometry.secondDriveAxleCentre());
            shapes.springRect[i] = halfSizeRect(centre, m.halfX(driveD) + wx, m.halfY(driveD) + wy);
            set.spring += ellipseRegion(shapes.springRect[i], m.clip);
        }
    }
    regions.springHit = regions.screen().spring;
}

} // namespace zindle
