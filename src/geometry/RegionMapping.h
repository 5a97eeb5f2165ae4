// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a sheet point or a length in points lands in each coordinate system the part regions are
// built in. Positions are truncated toward zero after scaling; screen positions carry the
// sheet's pixel offset, because the regions are drawn and hit-tested where the sheet is shown.

#include "geometry/PartRegions.h"
#include "geometry/SheetScale.h"
#include "model/DesignRecord.h"

#include <QPoint>
#include <QRect>

namespace zindle {

// What a region can ever be drawn, printed or counted in: the sheet with a sheet's width and
// height to spare on every side (the ground band, the largest element of the mass analysis and
// every page of the templates lie inside). An outline may reach MaxSheetCoordinate points, far
// beyond; rasterised to the window, its region costs the rows of the sheet, not of the whole
// range.
inline constexpr QRect RegionWindowPt{QPoint(-720, -540), QPoint(1440, 1080)};
// The printer's regions, at 600 dots per inch, are only ever printed: the sheet and the ground
// band below it, with an inch to spare.
inline constexpr QRect PrinterRegionWindowPt{QPoint(-72, -72), QPoint(792, 840)};

struct RegionMapping {
    float sx = 1.0f, sy = 1.0f; // units per point (singles, like the scale)
    int ox = 0, oy = 0;        // added after scaling
    int unit3x = 3, unit3y = 3; // the tread's 3-unit growth
    // Every region is cut to the window of RegionWindowPt (PrinterRegionWindowPt for the
    // printer), in this system's units.
    QRect clip = RegionWindowPt;

    QPoint map(QPoint pt) const;
    int lengthX(double pt) const; // Trunc(pt x sx)
    int lengthY(double pt) const;
    // Half of a diameter in this system: Trunc(diameter x scale) div 2.
    int halfX(double diameterPt) const;
    int halfY(double diameterPt) const;
};

RegionMapping regionMapping(CoordSystem system, const SheetScale &scale);

// A design the formulas cannot run may ask for a case or a wheel miles wide. Its regions are
// cut to the mapping's clip window, so such a part costs a bounded number of rows instead of
// memory and time without end. Shapes are kept
// below this extent so that no coordinate sum can overflow.
inline constexpr int MaxShapeHalfExtent = 1 << 22;

// Ellipse region inside a bounding rectangle, cut to `clip`; an empty rectangle gives an empty
// region.
QRegion ellipseRegion(const QRect &rect, const QRect &clip);
// The winding-fill region of a polygon, cut to `clip`.
QRegion polygonRegion(const QPolygon &polygon, const QRect &clip);
// Bounding rectangle around `centre` with half sizes hx, hy (right/bottom exclusive).
QRect halfSizeRect(QPoint centre, int hx, int hy);
// Octagon with separate horizontal and vertical radii (already in target units).
QPolygon octagonPolygon(QPoint centre, double rx, double ry);

} // namespace zindle
