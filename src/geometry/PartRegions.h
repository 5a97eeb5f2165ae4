// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Planar regions of every part of the car (layers with chamber and axle holes, spring case and
// chamber, wheels, tread, spring, axles, registration marks) in four coordinate systems, and the
// overlaps between them that the connectivity advisories read.
//
// Refresh order:
//   1. ComputeBuildGeometry(ws) (BuildGeometry.h) - the regions read its case size and
//      DriveAxleHeightPt, so building first makes them describe the car as built now;
//   2. RescaleDesign(ws) (physics/SheetPreparation.h): outline copies + all regions with
//      r_out = CaseOuterDEF x 72 / 2, the second chamber always built; then the overlap facts
//      (OverlapFacts.h);
//   3. Design redraw: RebuildPartRegions(ws) (the redraw's builders, r_out = r_in + 36);
//   4. EvaluateAdvisories (Advisories.h) at the end of the refresh reads the facts.
// A printing pass passes withPrinter = true; otherwise the 600 dpi regions are not built.
// Reads: design outlines and parameters, materials (spring thickness), scale, CaseIDEF,
// CaseOuterDEF, Workspace::build.DriveAxleHeightPt. Writes: Workspace::regions, the outline
// copies, and (BuildLayers) the design's inner outline when it has fewer than two points.
// The mass analysis does not use these regions: it builds its own point shapes with
// BuildPointLayerShapes() from the current build results.

#include "model/DesignRecord.h"
#include "geometry/SheetScale.h"

#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <array>
#include <vector>

namespace zindle {

class MaterialCatalogue;

// The four coordinate systems a part is built in. Points is the sheet frame itself.
enum CoordSystem { ScreenCoords = 0, PrinterCoords = 1, PreviewCoords = 2, PointCoords = 3 };
inline constexpr int CoordSystemCount = 4;

// Screen, preview and printer copies of one stored outline (the stored points live in the design).
struct OutlineCopies {
    std::vector<QPoint> screen, preview, printer;
};

// Everything the builders need, read once from the design, the materials and the build step.
struct PartGeometry {
    float rIn = 0.0f, rOut = 0.0f;        // chamber and case radius, points
    float driveAxleHeightPt = 0.0f;       // drive axle centre above the sheet's bottom edge
    float frontAxleXPt = 0.0f, frontAxleYPt = 0.0f; // axle frame
    DriveKind drive = DriveKind::RearWD;
    ChamberShapeKind chamberShape = ChamberShapeKind::Circular;
    float driveWhlDia = 0.0f, otherWhlDia = 0.0f, driveAxleDia = 0.0f, otherAxleDia = 0.0f; // in
    float springLength = 0.0f, springThickness = 0.0f; // in
    bool allWheel() const { return drive == DriveKind::AllWD; }
    // Axle centres in the sheet frame, points (truncated to whole points).
    QPoint driveAxleCentre() const;
    QPoint secondDriveAxleCentre() const; // all-wheel drive: 720 - r_out
    QPoint frontAxleCentre() const;       // 720 - FrontAxleXPt, 540 - FrontAxleYPt
};
PartGeometry partGeometry(const DesignRecord &design, const MaterialCatalogue &catalogue,
                          float rIn, float rOut, float driveAxleHeightPt);

// The shapes one coordinate system's regions are made from, kept for the painters.
// Index [0] is the first drive axle, [1] the second one (all-wheel drive).
struct PartShapes {
    QPolygon outerPolygon, innerPolygon;  // screen: shifted by SheetOffsetX
    std::array<QPolygon, 2> caseOctagon, chamberOctagon;
    std::array<QRect, 2> caseCircleRect, chamberCircleRect;
    std::array<QRect, 2> driveWheelRect, treadRect, treadTabRect, springRect, driveAxleRect;
    QRect otherWheelRect, otherAxleRect;
    std::vector<QRect> markRects;
    QPoint driveCentre[2];
    QPoint frontCentre;
};

// One coordinate system's regions.
struct RegionSet {
    QRegion outerOutline, innerOutline;   // the bare polygons
    QRegion outerLayer, innerLayer;       // finished layers (case joined, holes cut)
    // Chamber variants per drive axle: case = outer shape (cut by the ground band on screen and
    // printer), chamber = cavity (never cut).
    std::array<QRegion, 2> caseOctagon, caseCircle, chamberOctagon, chamberCircle;
    std::array<QRegion, 2> caseShape, chamberShape; // the variant the Preferences choose
    QRegion driveWheels, otherWheels, tread, spring, driveAxle, otherAxle, marks;
};

// Overlaps recorded while the layers are built (screen regions), true when the shapes overlap.
struct RegionOverlaps {
    bool outerHitsChamber = false, innerHitsChamber = false;
    bool outerHitsSecondChamber = false, innerHitsSecondChamber = false; // all-wheel drive only
    bool chambersOverlap = false, cavitiesOverlap = false;               // all-wheel drive only
    bool innerHitsOuter = false;
    bool outerHitsOtherAxle = false, innerHitsOtherAxle = false;         // not all-wheel drive
    bool outerOutsideDrawArea = false, innerOutsideDrawArea = false;
};

struct PartRegions {
    std::array<RegionSet, CoordSystemCount> sets;
    std::array<PartShapes, CoordSystemCount> shapes;
    RegionSet &screen() { return sets[ScreenCoords]; }
    const RegionSet &screen() const { return sets[ScreenCoords]; }
    RegionSet &printer() { return sets[PrinterCoords]; }
    const RegionSet &printer() const { return sets[PrinterCoords]; }
    RegionSet &preview() { return sets[PreviewCoords]; }
    const RegionSet &preview() const { return sets[PreviewCoords]; }
    RegionSet &points() { return sets[PointCoords]; }
    const RegionSet &points() const { return sets[PointCoords]; }

    // Hit regions (screen pixels, shifted by SheetOffsetX) for the part under the mouse.
    QRegion outerLayerHit, innerLayerHit, driveWheelsHit, otherWheelsHit, treadHit, springHit,
        driveAxleHit, otherAxleHit;
    QRegion FrontAxleRegion; // where the front axle may be dropped (screen)

    // Screen shapes the connectivity facts compare, before the other axle hole is cut:
    // outline + case(s) - drive axle hole(s) (inner: - chamber(s) too).
    QRegion outerLayerBeforeOtherHole, innerLayerBeforeOtherHole;

    // Which coordinate systems the builders fill. The printer's regions are large (600 dpi)
    // and only printing needs them, so BuildAllParts leaves them out unless asked.
    std::array<bool, CoordSystemCount> built{true, true, true, true};

    bool OuterLayerBuilt = false;    // the outer outline has at least two points
    bool SecondChamberBuilt = false; // BuildSecondChamber ran
    int SpringTurns = 0;             // turns of the wound spring (BuildSpring)
    std::array<int, CoordSystemCount> SpringWoundThickness{}; // per coordinate system
    RegionOverlaps overlaps;
    PartGeometry geometry;           // what the last build used
};

// Outline copies from the stored points (all three copies are written together).
OutlineCopies makeOutlineCopies(const std::vector<QPoint> &stored, const SheetScale &scale);

// The builders, in the order of the Design redraw. Each reads the geometry and the scale.
void BuildChamber(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale);
void BuildSecondChamber(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale);
void BuildAxles(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale);
void BuildMarks(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale);
// Copies the outer outline into the inner one first when the inner has fewer than two points.
void BuildLayers(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale,
                 DesignRecord &design, OutlineCopies &outerCopies, OutlineCopies &innerCopies);
void BuildWheels(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale);
void BuildSpring(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale);

// All builders in the redraw's order (second chamber only with all-wheel drive, unless
// `secondChamberAlways`), into fresh regions; printer regions only `withPrinter`.
void BuildAllParts(PartRegions &regions, const PartGeometry &geometry, const SheetScale &scale,
                   DesignRecord &design, OutlineCopies &outerCopies, OutlineCopies &innerCopies,
                   bool secondChamberAlways = false, bool withPrinter = false,
                   bool screenOnly = false);

// Case radii in points from the build results: r_in = CaseIDEF x 72 / 2 and r_out = r_in + 36
// (the redraw) or CaseOuterDEF x 72 / 2 (the rescale). Unparsable text counts as 0.
struct CaseRadii {
    float rIn = 0.0f, rOut = 0.0f;
};
CaseRadii redrawCaseRadii(const QString &caseIDText);
CaseRadii rescaleCaseRadii(const QString &caseIDText, const QString &caseOuterText);

// Keeps an outline's screen, preview and printer copies in step with its stored points.
void keepCopiesInStep(const std::vector<QPoint> &stored, OutlineCopies &copies,
                      const SheetScale &scale);

// --- Shapes in sheet points for the mass analysis ---------------------------------------------
// The outline regions are the plain polygons; the case and chamber discs are uncut; the band
// is the ground band (0 <= x < 1000, 540 <= y < 768) in which no case material counts.
struct PointLayerShapes {
    QPolygon outerPolygon, innerPolygon;
    QRegion outerOutline, innerOutline;
    QRegion driveCase, driveChamber, frontCase, frontChamber; // front only with all-wheel drive
    QRegion band;
    bool allWheel = false;
};
// Inner outline falls back to the outer one when it has fewer than two points (the design is
// not changed here).
PointLayerShapes BuildPointLayerShapes(const DesignRecord &design, const PartGeometry &geometry);
// The outline regions of the last shapes built, reused while the outlines stay the same: they
// are most of the cost of the shapes, and most refreshes (a sweep's thousands of them) change
// only the spring, the wheels or the axles.
struct OutlineRegionCache {
    QPolygon outerPolygon, innerPolygon;
    QRegion outerOutline, innerOutline;
    bool filled = false;
    // The mass analysis' element masks of these two regions and of the ground band, for one
    // element size and test (empty until it first classifies with them).
    int maskElementSize = 0;
    int maskTest = -1;
    std::vector<unsigned char> outerMask, innerMask, bandMask;
};
PointLayerShapes BuildPointLayerShapes(const DesignRecord &design, const PartGeometry &geometry,
                                       OutlineRegionCache *cache);

// Chamber outline helpers (also used by the painters and the 3D view).
// Octagon with a vertex straight up; axis vertices at Trunc(1.08 r), diagonal ones at
// Trunc(0.763668 r) in x and y; clockwise from the top.
QPolygon chamberOctagon(QPoint centre, double radius);
// Bounding rectangle of a circle of `radius` around `centre` (right/bottom exclusive).
QRect circleRect(QPoint centre, int radius);

} // namespace zindle
