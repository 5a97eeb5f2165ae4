// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathDepths.h"

#include <cmath>

namespace zindle {

namespace {

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

} // namespace

PathDepths PathDepthsOf(const CutShape &shape)
{
    PathDepths depths;
    for (const QPolygonF &contour : shape.contours)
        depths.contours.push_back(contour.isEmpty() ? 0 : enclosingCount(shape, contour.first(), &contour));
    for (const CutCircle &circle : shape.circles)
        depths.circles.push_back(enclosingCount(shape, circle.centre + QPointF(circle.radius, 0.0), &circle));
    return depths;
}

} // namespace zindle
