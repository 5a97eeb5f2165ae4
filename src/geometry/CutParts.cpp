// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutParts.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zindle {

namespace {

constexpr double PointsPerInch = 72.0;
// The sheet's bottom edge, points: nothing of a layer lies below it.
constexpr double GroundY = 540.0;
// How far a circle's polygon may stray from the circle, points. A thousandth of a point is far
// below any cutter's step and keeps the polygons to a few hundred points.
constexpr double CircleTolerancePt = 0.005;
constexpr double Epsilon = 1e-6;

// A hole the layer is to have, before it is known whether it can stay a circle.
struct Hole {
    QPointF centre;
    double radius = 0.0;
    bool octagonal = false;
    double reach() const { return octagonal ? radius * 1.08 : radius; } // furthest point
};

QPolygonF octagon(QPointF centre, double radius)
{
    // Axis vertices 1.08 r out, diagonal ones at 0.763668 r in x and y: a regular octagon whose
    // flats touch the circle of radius r.
    const double a = 1.08 * radius, d = 0.763668 * radius;
    const double x = centre.x(), y = centre.y();
    return QPolygonF({QPointF(x, y - a), QPointF(x + d, y - d), QPointF(x + a, y), QPointF(x + d, y + d),
                      QPointF(x, y + a), QPointF(x - d, y + d), QPointF(x - a, y), QPointF(x - d, y - d)});
}

QPainterPath closedPath(const QPolygonF &polygon)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (polygon.size() >= 3) {
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    return path;
}

QPainterPath discPath(QPointF centre, double radius, bool octagonal)
{
    if (!(radius > 0.0))
        return {};
    return closedPath(octagonal ? octagon(centre, radius) : CirclePolygon(centre, radius, CircleTolerancePt));
}

QPainterPath outlinePath(const std::vector<QPoint> &points)
{
    QPolygonF polygon;
    for (const QPoint &p : points)
        polygon << QPointF(p);
    // A crossing outline encloses what the regions' winding fill encloses.
    return closedPath(polygon).simplified();
}

std::vector<QPolygonF> subpaths(const QPainterPath &path)
{
    std::vector<QPolygonF> result;
    for (QPolygonF polygon : path.toSubpathPolygons()) {
        if (polygon.size() > 1 && polygon.first() == polygon.last())
            polygon.removeLast();
        // Boolean operations can leave slivers where edges touch or cross at a shallow angle: a
        // loop smaller than a 0.05 in square (13 square points) is no part and no hole a cutter
        // should cut, and would lie against the outline it came from.
        double area = 0.0;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            area += a.x() * b.y() - b.x() * a.y();
        }
        if (polygon.size() >= 3 && std::abs(area) / 2.0 > 13.0)
            result.push_back(polygon);
    }
    return result;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a, ap = p - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0.0 ? std::clamp(QPointF::dotProduct(ap, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

double distanceToBoundary(QPointF p, const std::vector<QPolygonF> &contours)
{
    double best = std::numeric_limits<double>::infinity();
    for (const QPolygonF &c : contours)
        for (qsizetype i = 0; i < c.size(); ++i)
            best = std::min(best, distanceToSegment(p, c[i], c[(i + 1) % c.size()]));
    return best;
}

// A circular hole stays a circle when it lies wholly inside the material (touching its edge at
// most, as a chamber resting on the bottom edge does) and overlaps no other hole; every other hole is cut out of the polygons (and one wholly outside is no cut at all).
CutShape layerShape(const QPainterPath &outline, const std::vector<Hole> &cases,
                    const std::vector<Hole> &holes)
{
    QPainterPath body = outline;
    for (const Hole &c : cases)
        body = body.united(discPath(c.centre, c.radius, c.octagonal));
    QPainterPath above;
    const double far = 1e7;
    above.addRect(QRectF(QPointF(-far, -far), QPointF(far, GroundY)));
    body = body.intersected(above);
    body.setFillRule(Qt::OddEvenFill);
    const std::vector<QPolygonF> bodyContours = subpaths(body);

    // A hole inside another (the drive axle's in the chamber) cuts nothing.
    std::vector<bool> used(holes.size(), false);
    for (size_t i = 0; i < holes.size(); ++i) {
        used[i] = holes[i].radius > 0.0;
        for (size_t j = 0; j < holes.size() && used[i]; ++j) {
            // An octagon's flats lie at its radius: a circle within that lies within it.
            const bool inside = QLineF(holes[i].centre, holes[j].centre).length() + holes[i].reach()
                                <= holes[j].radius - Epsilon;
            if (j != i && inside)
                used[i] = false;
        }
    }
    std::vector<bool> whole(holes.size(), false);
    for (size_t i = 0; i < holes.size(); ++i) {
        const Hole &h = holes[i];
        if (!used[i] || h.octagonal || !body.contains(h.centre)
            || distanceToBoundary(h.centre, bodyContours) < h.radius - Epsilon)
            continue;
        bool apart = true;
        for (size_t j = 0; j < holes.size() && apart; ++j) {
            if (j != i && used[j])
                apart = QLineF(h.centre, holes[j].centre).length() >= h.radius + holes[j].reach() - Epsilon;
        }
        whole[i] = apart;
    }

    QPainterPath solid = body;
    for (size_t i = 0; i < holes.size(); ++i) {
        if (used[i] && !whole[i])
            solid = solid.subtracted(discPath(holes[i].centre, holes[i].radius, holes[i].octagonal));
    }

    CutShape shape;
    const QTransform toInches = QTransform::fromScale(1.0 / PointsPerInch, 1.0 / PointsPerInch);
    // Contours the operations leave touching along an edge (a chamber opening through the
    // bottom edge) become one.
    solid = solid.simplified();
    for (const QPolygonF &contour : subpaths(solid))
        shape.contours.push_back(toInches.map(contour));
    if (shape.contours.empty())
        return {};
    for (size_t i = 0; i < holes.size(); ++i) {
        if (whole[i])
            shape.circles.push_back({toInches.map(holes[i].centre), holes[i].radius / PointsPerInch});
    }
    return shape;
}

// The drive axles' centres, unrounded.
std::vector<QPointF> driveCentres(const PartGeometry &g)
{
    const double y = GroundY - static_cast<double>(g.driveAxleHeightPt);
    std::vector<QPointF> centres{QPointF(g.rOut, y)};
    if (g.allWheel())
        centres.emplace_back(720.0 - static_cast<double>(g.rOut), y);
    return centres;
}

std::vector<Hole> caseDiscs(const PartGeometry &g, bool chamber)
{
    std::vector<Hole> discs;
    const bool octagonal = g.chamberShape == ChamberShapeKind::Octagonal;
    for (const QPointF &c : driveCentres(g))
        discs.push_back({c, static_cast<double>(chamber ? g.rIn : g.rOut), octagonal});
    return discs;
}

std::vector<Hole> axleHoles(const PartGeometry &g)
{
    std::vector<Hole> holes;
    const double driveR = static_cast<double>(g.driveAxleDia) * PointsPerInch / 2.0;
    for (const QPointF &c : driveCentres(g))
        holes.push_back({c, driveR, false});
    if (!g.allWheel()) {
        const QPointF front(720.0 - static_cast<double>(g.frontAxleXPt),
                            GroundY - static_cast<double>(g.frontAxleYPt));
        holes.push_back({front, static_cast<double>(g.otherAxleDia) * PointsPerInch / 2.0, false});
    }
    return holes;
}

} // namespace

QPolygonF CirclePolygon(QPointF centre, double radius, double tolerance)
{
    // The largest step whose chord stays within the tolerance of the arc.
    int steps = 16;
    if (radius > tolerance && tolerance > 0.0)
        steps = static_cast<int>(std::ceil(std::numbers::pi / std::acos(1.0 - tolerance / radius)));
    steps = std::clamp(steps, 16, 4096);
    QPolygonF polygon;
    polygon.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / steps;
        polygon << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
    return polygon;
}

QRectF CutShape::bounds() const
{
    QRectF box;
    for (const QPolygonF &c : contours)
        box = box.isNull() ? c.boundingRect() : box.united(c.boundingRect());
    for (const CutCircle &c : circles) {
        const QRectF r(c.centre.x() - c.radius, c.centre.y() - c.radius, 2.0 * c.radius, 2.0 * c.radius);
        box = box.isNull() ? r : box.united(r);
    }
    return box;
}

QPainterPath CutShape::path() const
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF &c : contours) {
        path.addPolygon(c);
        path.closeSubpath();
    }
    for (const CutCircle &c : circles)
        path.addEllipse(c.centre, c.radius, c.radius);
    return path;
}

CutShape CutShape::mapped(const QTransform &transform) const
{
    CutShape shape;
    const double scale = std::sqrt(std::abs(transform.determinant()));
    for (const QPolygonF &c : contours)
        shape.contours.push_back(transform.map(c));
    for (const CutCircle &c : circles)
        shape.circles.push_back({transform.map(c.centre), c.radius * scale});
    return shape;
}

CutShape OuterLayerShape(const DesignRecord &design, const PartGeometry &geometry)
{
    if (design.OuterCount() < 2)
        return {};
    return layerShape(outlinePath(design.OuterPts), caseDiscs(geometry, false), axleHoles(geometry));
}

CutShape InnerLayerShape(const DesignRecord &design, const PartGeometry &geometry)
{
    // The cored layers exist once the body has an outline; they take its shape until they
    // have one of their own.
    if (design.OuterCount() < 2)
        return {};
    const std::vector<QPoint> &points = design.InnerCount() >= 2 ? design.InnerPts : design.OuterPts;
    std::vector<Hole> holes = caseDiscs(geometry, true);
    const std::vector<Hole> axles = axleHoles(geometry);
    holes.insert(holes.end(), axles.begin(), axles.end());
    return layerShape(outlinePath(points), caseDiscs(geometry, false), holes);
}

CutShape WheelShape(double diameterIn, double holeIn)
{
    if (!(diameterIn > 0.0) || !std::isfinite(diameterIn))
        return {};
    CutShape shape;
    const double r = diameterIn / 2.0;
    const QPointF centre(r, r);
    shape.circles.push_back({centre, r});
    if (holeIn > 0.0 && holeIn < diameterIn)
        shape.circles.push_back({centre, holeIn / 2.0});
    return shape;
}

} // namespace zindle
