// SPDX-License-Identifier: GPL-3.0-or-later
#include "KerfCompensation.h"

#include "ClipperPaths.h"

#include <cmath>

namespace zindle {

namespace {

using clipper::toPath;
using clipper::toPolygon;
using clipper::UnitsPerInch;

// How many of the shape's other boundaries enclose `point`: even for a boundary of material,
// odd for a hole's.
int enclosingCount(const CutShape &shape, QPointF point, const void *self)
{
    int count = 0;
    for (const QPolygonF &contour : shape.contours)
        if (&contour != self && contour.containsPoint(point, Qt::OddEvenFill))
            ++count;
    for (const CutCircle &circle : shape.circles)
        if (&circle != self && std::hypot(point.x() - circle.centre.x(), point.y() - circle.centre.y()) < circle.radius)
            ++count;
    return count;
}

// A single closed path grown by `delta` inches (shrunk when negative).
std::vector<QPolygonF> offsetContour(const QPolygonF &contour, double delta)
{
    ClipperLib::ClipperOffset offset(2.0);
    offset.AddPath(toPath(contour), ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    ClipperLib::Paths solution;
    // Clipper takes the lowest lone path for an outer one whatever its turn, so a positive
    // delta always grows it.
    offset.Execute(solution, delta * UnitsPerInch);
    std::vector<QPolygonF> result;
    for (const ClipperLib::Path &path : solution)
        if (path.size() >= 3)
            result.push_back(toPolygon(path));
    return result;
}

} // namespace

CutShape KerfCompensated(const CutShape &shape, double kerfIn)
{
    if (!(kerfIn > 0.0))
        return shape;
    const double half = kerfIn / 2.0;
    CutShape cut;
    for (const QPolygonF &contour : shape.contours) {
        if (contour.isEmpty())
            continue;
        const bool hole = enclosingCount(shape, contour.first(), &contour) % 2 == 1;
        for (QPolygonF &offset : offsetContour(contour, hole ? -half : half))
            cut.contours.push_back(std::move(offset));
    }
    for (const CutCircle &circle : shape.circles) {
        const QPointF onRim = circle.centre + QPointF(circle.radius, 0.0);
        const bool hole = enclosingCount(shape, onRim, &circle) % 2 == 1;
        const double radius = circle.radius + (hole ? -half : half);
        if (radius > 0.0)
            cut.circles.push_back({circle.centre, radius});
    }
    return cut;
}

} // namespace zindle
