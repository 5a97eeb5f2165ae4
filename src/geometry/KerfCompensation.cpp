// SPDX-License-Identifier: GPL-3.0-or-later
#include "KerfCompensation.h"

#include "ClipperPaths.h"
#include "PathDepths.h"

namespace zindle {

namespace {

using clipper::toPath;
using clipper::toPolygon;
using clipper::UnitsPerInch;

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
    const PathDepths depths = PathDepthsOf(shape);
    CutShape cut;
    for (size_t i = 0; i < shape.contours.size(); ++i)
        for (QPolygonF &offset : offsetContour(shape.contours[i], PathDepths::isHole(depths.contours[i]) ? -half : half))
            cut.contours.push_back(std::move(offset));
    for (size_t i = 0; i < shape.circles.size(); ++i) {
        const CutCircle &circle = shape.circles[i];
        const double radius = circle.radius + (PathDepths::isHole(depths.circles[i]) ? -half : half);
        if (radius > 0.0)
            cut.circles.push_back({circle.centre, radius});
    }
    return cut;
}

} // namespace zindle
