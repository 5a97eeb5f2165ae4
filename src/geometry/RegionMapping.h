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

struct RegionMapping {
    float sx = 1.0f, sy = 1.0f; // units per point (singles, like the scale)
    int ox = 0, oy = 0;        // added after scaling
    int unit3x = 3, unit3y = 3; // the tread's 3-unit growth
    // Every region is cut to the square of MaxSheetCoordinate points around the sheet's corner.
    QRect clip{QPoint(-MaxSheetCoordinate, -MaxSheetCoordinate), QPoint(MaxSheetCoordinate, MaxSheetCoordinate)};

    QPoint map(QPoint pt) const;
    int lengthX(double pt) const; // Trunc(pt x sx)
    int lengthY(double pt) const;
    // Half of a diameter in this system: Trunc(diameter x scale) div 2.
    int halfX(double diameterPt) const;
    int halfY(double diameterPt) const;
};

RegionMapping regionMapping(CoordSystem system, const SheetScale &scale);

// A design the formulas cannot run may ask for a case or a wheel miles wide. Its regions are
// cut to the mapping's clip window (every point a design may hold lies in it), so such a part
// costs a bounded number of rows instead of memory and time without end. Shapes are kept
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
