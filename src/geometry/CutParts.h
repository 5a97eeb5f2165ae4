// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The true outlines of the parts a car is cut from, for laser cutters and cutting plotters:
// each layer as closed polygons (outline and case disc joined, cut at the sheet's bottom edge,
// the chamber and axle holes taken out) and each wheel as a circle with its axle hole. The
// shapes follow the same rules as the layer regions (PartLayers.cpp) but are computed from the
// design's points and the part sizes directly, not from pixels: circles stay circles where a
// cutter can cut them as such, and are otherwise joined into the polygons as fine polygons.
//
// Units are inches in the sheet's frame (x to the right, y down, the sheet's bottom edge at
// y = 7.5 in). Reads the outlines, the front axle and the drive of the design, and the radii
// and heights of a PartGeometry (the redraw's radii, as the printed templates use).

#include "geometry/PartRegions.h"
#include "model/DesignRecord.h"

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <vector>

namespace zindle {

struct CutCircle {
    QPointF centre; // in
    double radius = 0.0;
};

struct CutShape {
    // Closed cut paths (the first point is not repeated at the end): the outer boundary and
    // the holes that are not circles. Which is which follows from nesting (odd-even).
    std::vector<QPolygonF> contours;
    // Whole circles: holes lying inside the material, and a wheel's rim.
    std::vector<CutCircle> circles;

    bool isEmpty() const { return contours.empty() && circles.empty(); }
    QRectF bounds() const;
    // The material as one odd-even path (circles as ellipses).
    QPainterPath path() const;
    // Only translations, quarter turns and uniform scales keep the circles circles.
    CutShape mapped(const QTransform &transform) const;
};

// The outer (full) layer: outline and case(s) joined, nothing below the sheet's bottom edge,
// the axle holes cut. Empty while the outer outline has fewer than two points.
CutShape OuterLayerShape(const DesignRecord &design, const PartGeometry &geometry);
// The inner (cored) layer: the inner outline (the outer one while the inner has fewer than two
// points) and case(s) joined, cut at the bottom edge, the chamber(s) and axle holes cut. Empty
// while the outer outline has fewer than two points, as no inner layer is printed then.
CutShape InnerLayerShape(const DesignRecord &design, const PartGeometry &geometry);
// A wheel of `diameterIn` with its axle hole of `holeIn` at the centre of its bounding box,
// whose corner is at the origin. Empty for a diameter that is not positive; no hole when the
// hole is not positive or not smaller than the wheel.
CutShape WheelShape(double diameterIn, double holeIn);

// Closed polygon through a circle, fine enough that no point of the circle lies further than
// `tolerance` from it (same units as the radius).
QPolygonF CirclePolygon(QPointF centre, double radius, double tolerance);

} // namespace zindle
