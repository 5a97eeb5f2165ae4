// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finite-element mass and balance: element grid over the drawn layers, body mass, lumped
// parts, centroid, normal forces with the spring unwound and wound, traction.
//
// Refresh order (Analyze, Simulate, Race): after ComputeBuildGeometry (BuildGeometry.h) and
// after the torque step has written MaxRealTorqueEF and SpringMassEF (use WriteSpringMass()
// below for the latter); before the revolutions step, the forces and the simulation, which
// read its results. Only run when the design's outer outline has at least two points
// (RunMassBalance checks and returns false otherwise, leaving every field as it was).
// Reads: design (StepSize, parameters, Weights, Drive, ChamberShape, FrontAxleXIn/YIn,
// MatIndex), materials, ResultFields LayersFullEF, LayersCoredEF, CaseIDEF, CaseOuterDEF,
// SpringMassEF, MaxRealTorqueEF, DriveWhlDiaEF (design text), BuildShared::DriveAxleHeightPt.
// Writes: ResultFields FoamMassEF, AxleMassEF, NormalForceWoundEF, NormalForceAtRestEF,
// NormalForceFrontEF, ProjectedMassEF, TractionLeftEF, TrueCentroidEF, YCentroidEF,
// TractionRightEF; the design's StepSize when it was 1 or less; MassShared (Workspace::mass).

#include "model/Modes.h"
#include <QPoint>
#include <QString>
#include <vector>

namespace zindle {

struct DesignNumbers;
struct DesignRecord;
class MaterialCatalogue;
struct ResultFields;
struct OutlineRegionCache;
struct PhysicsState;
struct BuildShared;
struct PointLayerShapes;

// Results of the analysis that are not (only) shown in a result field. Inches, lbm, lb.
struct MassShared {
    float CentroidX = 0.0f, CentroidY = 0.0f;
    float CentroidAheadOfDriveAxle = 0.0f, CentroidHeight = 0.0f, Wheelbase = 0.0f;
    float TotalMass = 0.0f;                         // M
    float StaticOtherForce = 0.0f, StaticDriveForce = 0.0f; // N_o0, N_d0
    float WoundOtherForce = 0.0f, WoundDriveForce = 0.0f;   // N_o, N_d
    float DriveAxleX = 0.0f, DriveAxleY = 0.0f, OtherAxleX = 0.0f, OtherAxleY = 0.0f; // in
    int ElementSize = 9;
    bool computed = false;
};

// One counted element, in the order the grid walk finds it (column by column, rows bottom up).
struct GridElement {
    QPoint sample;      // sample point, sheet points
    bool outer = false; // counted in the full layers
    bool inner = false; // counted in the cored layers
};

// Per-element classification of the grid. Column j, row k (k = 0 at the bottom).
struct ElementGrid {
    int g = 9, h = 4;
    int columns = 0, rows = 0;
    std::vector<unsigned char> outer, inner; // columns x rows, index j * rows + k
    int sampleX(int j) const { return h + j * g; }
    int sampleY(int k) const { return 540 + h - k * g; }
};

enum class ElementTest {
    Rasterised,     // each shape's region spans marked onto the grid once (fast)
    PointInRegion,  // QRegion::contains per element and shape (reference)
};

// Columns/rows of the grid walk for element size g (g >= 2).
int elementColumns(int g);
int elementRows(int g);
ElementGrid ClassifyElements(const PointLayerShapes &shapes, int g,
                             ElementTest method = ElementTest::Rasterised);
// The same, with the masks of the outlines and the ground band taken from `cache` when the
// shapes' outlines are the cache's regions (and stored there otherwise).
ElementGrid ClassifyElements(const PointLayerShapes &shapes, int g, ElementTest method,
                             OutlineRegionCache *cache);

struct MassBalanceOptions {
    ElementTest method = ElementTest::Rasterised;
    // Keep the counted elements in walk order (for a painter that shows the grid growing).
    bool recordElements = false;
};

// The spring mass m_s (lbm): density x length x thickness x width, 0 below 0.0001.
float ComputeSpringMass(const DesignNumbers &numbers);
// Writes SpringMassEF (the torque step does this).
void WriteSpringMass(const DesignRecord &design, const MaterialCatalogue &catalogue, ResultFields &results);

// The element size the analysis uses: StepSize parsed as an integer; "9" is written back
// into the design when it is 1 or less (or not an integer).
int ElementSizeForRun(DesignRecord &design);

// Runs the analysis for `mode` (4 Analyze, 5 Simulate, 6 Race). Returns false, computing
// nothing, when the outer outline has fewer than two points. `elements`, when given and
// options.recordElements is set, receives the counted elements.
bool RunMassBalance(PhysicsState &workspace, SheetMode mode, const DesignNumbers &numbers,
                    const MassBalanceOptions &options = {}, std::vector<GridElement> *elements = nullptr);
// The same, parsing the design's numbers first (the analysis run on its own).
bool RunMassBalance(PhysicsState &workspace, SheetMode mode, const MassBalanceOptions &options = {},
                    std::vector<GridElement> *elements = nullptr);

} // namespace zindle
