// SPDX-License-Identifier: GPL-3.0-or-later
// The layer regions (outline, case, holes) and the building of the whole part set.

#include "PartRegions.h"

#include "model/NumberText.h"
#include "geometry/RegionMapping.h"

#include <array>

namespace zindle {

namespace {

// Every refresh rebuilds the outlines of every coordinate system, and printing rebuilds them for
// each page, while the outline itself has mostly not moved. Rasterising one at 600 dots per inch
// costs thousands of rows, so each thread keeps the last few outline regions it made; a region
// is shared, not copied.
QRegion outlineRegion(const QPolygon &polygon, const QRect &clip)
{
    struct Remembered {
        QPolygon polygon;
        QRect clip;
        QRegion region;
    };
    thread_local std::array<Remembered, 8> remembered;
    thread_local size_t nextSlot = 0;
    for (const Remembered &r : remembered) {
        if (r.clip == clip && r.polygon == polygon && !r.polygon.isEmpty())
            return r.region;
    }
    Remembered &slot = remembered[nextSlot];
    nextSlot = (nextSlot + 1) % remembered.size();
    slot = {polygon, clip, polygonRegion(polygon, clip)};
    return slot.region;
}

QPolygon polygonOf(const std::vector<QPoint> &points, int dx = 0)
{
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const QPoint &p : points)
        polygon << QPoint(p.x() + dx, p.y());
    return polygon;
}

// The outline polygon of one coordinate system, from the copy that belongs to it.
QPolygon outlinePolygon(CoordSystem system, const std::vector<QPoint> &stored,
                        const OutlineCopies &copies, const SheetScale &scale)
{
    switch (system) {
    case ScreenCoords: return polygonOf(copies.screen, scale.SheetOffsetX);
    case PrinterCoords: return polygonOf(copies.printer);
    case PreviewCoords: return polygonOf(copies.preview);
    case PointCoords: return polygonOf(stored);
    }
    return {};
}

bool overlaps(const QRegion &a, const QRegion &b) { return a.intersects(b); }

// Drills the drive axle hole and, without all-wheel drive, the other axle hole. On the screen it
// also keeps the layer as it was before the other hole and whether that hole cut into it, which
// the connectivity facts compare.
QRegion cutAxleHoles(QRegion layer, const RegionSet &set, bool onScreen, bool awd,
                     QRegion &beforeOtherHole, bool &hitsOtherAxle)
{
    layer -= set.driveAxle;
    if (onScreen)
        beforeOtherHole = layer;
    if (!awd) {
        if (onScreen)
            hitsOtherAxle = overlaps(layer, set.otherAxle);
        layer -= set.otherAxle;
    }
    return layer;
}

// A printer copy made from a clicked pixel lies between the copies of its stored point and of
// the next point; anything else was written for another outline.
bool printerCopyFits(QPoint stored, QPoint copy, const SheetScale &scale)
{
    const QPoint low = scale.toPrinter(stored);
    const QPoint high = scale.toPrinter(stored + QPoint(1, 1));
    return copy.x() >= low.x() && copy.x() <= high.x() && copy.y() >= low.y() &&
           copy.y() <= high.y();
}

} // namespace

// The screen and preview copies follow the stored points at the current scale. The printer
// copy of a clicked point is kept (it is finer than its stored point); one that belongs to
// another outline (a design selected or read since) is made again from the stored points, so
// a region can never be built from another outline than the stored one.
void keepCopiesInStep(const std::vector<QPoint> &stored, OutlineCopies &copies,
                      const SheetScale &scale)
{
    const OutlineCopies fresh = makeOutlineCopies(stored, scale);
    copies.screen = fresh.screen;
    copies.preview = fresh.preview;
    bool printerFits = copies.printer.size() == stored.size();
    for (size_t i = 0; printerFits && i < stored.size(); ++i)
        printerFits = printerCopyFits(stored[i], copies.printer[i], scale);
    if (!printerFits)
        copies.printer = fresh.printer;
}

void BuildLayers(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale,
                 DesignRecord &design, OutlineCopies &outerCopies, OutlineCopies &innerCopies)
{
    const bool awd = geometry.allWheel();
    RegionOverlaps &ov = regions.overlaps;
    keepCopiesInStep(design.OuterPts, outerCopies, scale);

    // Outer layers.
    regions.OuterLayerBuilt = design.OuterCount() >= 2;
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const auto system = static_cast<CoordSystem>(c);
        RegionSet &set = regions.sets[c];
        PartShapes &shapes = regions.shapes[c];
        set.outerOutline = set.outerLayer = QRegion();
        shapes.outerPolygon = QPolygon();
        if (!regions.OuterLayerBuilt)
            continue;
        shapes.outerPolygon = outlinePolygon(system, design.OuterPts, outerCopies, scale);
        const QRegion outline = outlineRegion(shapes.outerPolygon, regionMapping(system, scale).clip);
        set.outerOutline = outline;
        QRegion layer = outline + set.caseShape[0];
        if (awd)
            layer += set.caseShape[1];
        if (system == PrinterCoords) {
            // The paper template is cut around the outline and case; holes are drilled.
            set.outerLayer = layer;
            continue;
        }
        if (system == ScreenCoords) {
            ov.outerHitsChamber = overlaps(outline, set.caseShape[0]);
            ov.outerHitsSecondChamber = awd && overlaps(outline, set.caseShape[1]);
            regions.outerLayerHit = layer;
        }
        set.outerLayer = cutAxleHoles(layer, set, system == ScreenCoords, awd,
                                      regions.outerLayerBeforeOtherHole, ov.outerHitsOtherAxle);
    }
    if (!regions.OuterLayerBuilt) {
        regions.outerLayerHit = regions.outerLayerBeforeOtherHole = QRegion();
        ov.outerHitsChamber = ov.outerHitsSecondChamber = ov.outerHitsOtherAxle = false;
    }

    // Inner layers: without an inner outline the cored layers take the outer shape.
    if (design.InnerCount() < 2) {
        design.InnerPts = design.OuterPts;
        innerCopies = outerCopies;
    }
    keepCopiesInStep(design.InnerPts, innerCopies, scale);
    for (int c = 0; c < CoordSystemCount; ++c) {
        if (!regions.built[static_cast<size_t>(c)])
            continue;
        const auto system = static_cast<CoordSystem>(c);
        RegionSet &set = regions.sets[c];
        PartShapes &shapes = regions.shapes[c];
        shapes.innerPolygon = outlinePolygon(system, design.InnerPts, innerCopies, scale);
        const QRegion outline = design.InnerCount() >= 2
                                    ? outlineRegion(shapes.innerPolygon, regionMapping(system, scale).clip)
                                    : QRegion();
        set.innerOutline = outline;
        QRegion layer = outline + set.caseShape[0] - set.chamberShape[0];
        if (awd)
            layer = layer + set.caseShape[1] - set.chamberShape[1];
        if (system == PrinterCoords) {
            set.innerLayer = layer;
            continue;
        }
        if (system == ScreenCoords) {
            ov.innerHitsChamber = overlaps(outline, set.caseShape[0]);
            ov.innerHitsSecondChamber = awd && overlaps(outline, set.caseShape[1]);
            ov.innerHitsOuter = overlaps(outline, set.outerLayer);
            regions.innerLayerHit = layer;
        }
        set.innerLayer = cutAxleHoles(layer, set, system == ScreenCoords, awd,
                                      regions.innerLayerBeforeOtherHole, ov.innerHitsOtherAxle);
    }

    // Paper edge and, with two chambers, whether they cut into each other.
    const RegionSet &screen = regions.screen();
    ov.outerOutsideDrawArea = !(screen.outerLayer - scale.DrawAreaRegion).isEmpty();
    ov.innerOutsideDrawArea = !(screen.innerLayer - scale.DrawAreaRegion).isEmpty();
    ov.chambersOverlap = awd && overlaps(screen.caseShape[0], screen.caseShape[1]);
    ov.cavitiesOverlap = awd && overlaps(screen.chamberShape[0], screen.chamberShape[1]);
}

void BuildAllParts(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale,
                   DesignRecord &design, OutlineCopies &outerCopies, OutlineCopies &innerCopies,
                   bool secondChamberAlways, bool withPrinter, bool screenOnly)
{
    regions = PartRegions();
    regions.built[PrinterCoords] = withPrinter;
    regions.built[PreviewCoords] = !screenOnly;
    regions.built[PointCoords] = !screenOnly;
    BuildChamber(regions, geometry, scale);
    if (geometry.allWheel() || secondChamberAlways)
        BuildSecondChamber(regions, geometry, scale);
    BuildAxles(regions, geometry, scale);
    BuildMarks(regions, geometry, scale);
    BuildLayers(regions, geometry, scale, design, outerCopies, innerCopies);
    BuildWheels(regions, geometry, scale);
    BuildSpring(regions, geometry, scale);
}

// ---- shapes for the mass analysis ------------------------------------------------------------

PointLayerShapes BuildPointLayerShapes(const DesignRecord &design, const PartGeometry &geometry)
{
    return BuildPointLayerShapes(design, geometry, nullptr);
}

PointLayerShapes BuildPointLayerShapes(const DesignRecord &design, const PartGeometry &geometry,
                                       OutlineRegionCache *cache)
{
    PointLayerShapes s;
    s.allWheel = geometry.allWheel();
    s.outerPolygon = polygonOf(design.OuterPts);
    s.innerPolygon = design.InnerCount() >= 2 ? polygonOf(design.InnerPts) : s.outerPolygon;
    if (cache && cache->filled && cache->outerPolygon == s.outerPolygon && cache->innerPolygon == s.innerPolygon) {
        s.outerOutline = cache->outerOutline;
        s.innerOutline = cache->innerOutline;
    } else {
        const QRect window = RegionMapping{}.clip;
        if (s.outerPolygon.size() >= 2)
            s.outerOutline = polygonRegion(s.outerPolygon, window);
        if (s.innerPolygon.size() >= 2)
            s.innerOutline = polygonRegion(s.innerPolygon, window);
        if (cache)
            *cache = {s.outerPolygon, s.innerPolygon, s.outerOutline, s.innerOutline, true, 0, -1, {}, {}, {}};
    }

    const bool octagonal = geometry.chamberShape == ChamberShapeKind::Octagonal;
    const QRect clip = RegionMapping{}.clip;
    auto disc = [octagonal, clip](QPoint centre, float radius) {
        if (octagonal)
            return polygonRegion(chamberOctagon(centre, radius), clip);
        return ellipseRegion(circleRect(centre, truncToInt(radius)), clip);
    };
    const QPoint drive = geometry.driveAxleCentre();
    s.driveCase = disc(drive, geometry.rOut);
    s.driveChamber = disc(drive, geometry.rIn);
    if (s.allWheel) {
        const QPoint front = geometry.secondDriveAxleCentre();
        s.frontCase = disc(front, geometry.rOut);
        s.frontChamber = disc(front, geometry.rIn);
    }
    s.band = QRegion(QRect(0, 540, 1000, 228));
    return s;
}

} // namespace zindle
