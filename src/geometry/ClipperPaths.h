// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Between the cut shapes (inches, floating point) and Clipper's integer paths.

#include "geometry/CutParts.h"

#include <clipper.hpp>

#include <cmath>

namespace zindle::clipper {

// Clipper works on integers: a millionth of an inch is far finer than any cutter.
inline constexpr double UnitsPerInch = 1.0e6;

inline ClipperLib::Path toPath(const QPolygonF &polygon)
{
    ClipperLib::Path path;
    path.reserve(static_cast<size_t>(polygon.size()));
    for (const QPointF &p : polygon)
        path.emplace_back(static_cast<ClipperLib::cInt>(std::llround(p.x() * UnitsPerInch)),
                          static_cast<ClipperLib::cInt>(std::llround(p.y() * UnitsPerInch)));
    return path;
}

inline QPolygonF toPolygon(const ClipperLib::Path &path)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(path.size()));
    for (const ClipperLib::IntPoint &p : path)
        polygon << QPointF(double(p.X) / UnitsPerInch, double(p.Y) / UnitsPerInch);
    return polygon;
}

// The shape's material as clean outer and hole paths (odd-even over every contour and circle,
// circles as polygons within `toleranceIn`).
inline ClipperLib::Paths materialPaths(const CutShape &shape, double toleranceIn)
{
    ClipperLib::Clipper clipper;
    for (const QPolygonF &contour : shape.contours)
        if (contour.size() >= 3)
            clipper.AddPath(toPath(contour), ClipperLib::ptSubject, true);
    for (const CutCircle &circle : shape.circles)
        clipper.AddPath(toPath(CirclePolygon(circle.centre, circle.radius, toleranceIn)), ClipperLib::ptSubject, true);
    ClipperLib::Paths material;
    clipper.Execute(ClipperLib::ctUnion, material, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd);
    return material;
}

} // namespace zindle::clipper
