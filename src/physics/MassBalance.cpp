// SPDX-License-Identifier: GPL-3.0-or-later
#include "MassBalance.h"

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "physics/BuildGeometry.h"
#include "model/DesignNumbers.h"
#include "model/PartMaterials.h"
#include "physics/ResultFields.h"
#include "geometry/PartRegions.h"

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

// Floor division for possibly negative numerators (positive divisor).
int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int ceilDiv(int a, int b) { return -floorDiv(-a, b); }

// Marks every grid element whose sample point lies in `region`. A region is a set of
// rectangles and a point lies in it exactly when one of them contains it, so this gives the
// same answer as QRegion::contains for every element, at a cost per rectangle instead of
// per element.
std::vector<unsigned char> rasterise(const QRegion &region, const ElementGrid &grid)
{
    std::vector<unsigned char> mask(static_cast<size_t>(grid.columns) * grid.rows, 0);
    const int g = grid.g, h = grid.h;
    for (const QRect &r : region) {
        // Columns with l <= h + j g <= r; rows with t <= 540 + h - k g <= b.
        const int j0 = std::max(0, ceilDiv(r.left() - h, g));
        const int j1 = std::min(grid.columns - 1, floorDiv(r.right() - h, g));
        const int k0 = std::max(0, ceilDiv(540 + h - r.bottom(), g));
        const int k1 = std::min(grid.rows - 1, floorDiv(540 + h - r.top(), g));
        for (int j = j0; j <= j1; ++j) {
            unsigned char *column = mask.data() + static_cast<size_t>(j) * grid.rows;
            for (int k = k0; k <= k1; ++k)
                column[k] = 1;
        }
    }
    return mask;
}

std::vector<unsigned char> pointTest(const QRegion &region, const ElementGrid &grid)
{
    std::vector<unsigned char> mask(static_cast<size_t>(grid.columns) * grid.rows, 0);
    for (int j = 0; j < grid.columns; ++j)
        for (int k = 0; k < grid.rows; ++k)
            mask[static_cast<size_t>(j) * grid.rows + k] =
                region.contains(QPoint(grid.sampleX(j), grid.sampleY(k))) ? 1 : 0;
    return mask;
}

float finiteOr(float value, float fallback) { return std::isfinite(value) ? value : fallback; }

// Masses below a ten-thousandth of a pound are shown as 0.
float smallAsZero(float m) { return m < 0.0001f ? 0.0f : m; }

} // namespace

int elementColumns(int g)
{
    const int h = g / 2;
    int j = 0;
    while (h + j * g - g < 720 + h)
        ++j;
    return j;
}

int elementRows(int g)
{
    const int h = g / 2;
    int k = 0;
    while (540 + h - k * g + g > h)
        ++k;
    return k;
}

ElementGrid ClassifyElements(const PointLayerShapes &shapes, int g, ElementTest method)
{
    return ClassifyElements(shapes, g, method, nullptr);
}

ElementGrid ClassifyElements(const PointLayerShapes &shapes, int g, ElementTest method, OutlineRegionCache *cache)
{
    ElementGrid grid;
    grid.g = g;
    grid.h = g / 2;
    grid.columns = elementColumns(g);
    grid.rows = elementRows(g);
    const size_t n = static_cast<size_t>(grid.columns) * grid.rows;
    grid.outer.assign(n, 0);
    grid.inner.assign(n, 0);

    auto mask = [&](const QRegion &r) {
        return method == ElementTest::Rasterised ? rasterise(r, grid) : pointTest(r, grid);
    };
    // The outlines and the band do not change while only the spring and the wheels do.
    const bool cached = cache && cache->filled && cache->outerOutline == shapes.outerOutline
                        && cache->innerOutline == shapes.innerOutline;
    const QRegion standardBand(QRect(0, 540, 1000, 228));
    const bool bandCached = shapes.band == standardBand;
    if (cached && (cache->maskElementSize != g || cache->maskTest != static_cast<int>(method))) {
        cache->outerMask = mask(shapes.outerOutline);
        cache->innerMask = mask(shapes.innerOutline);
        cache->bandMask = mask(standardBand);
        cache->maskElementSize = g;
        cache->maskTest = static_cast<int>(method);
    }
    std::vector<unsigned char> ownOuter, ownInner, ownBand;
    if (!cached) {
        ownOuter = mask(shapes.outerOutline);
        ownInner = mask(shapes.innerOutline);
    }
    if (!cached || !bandCached)
        ownBand = mask(shapes.band);
    const std::vector<unsigned char> &outerOutline = cached ? cache->outerMask : ownOuter;
    const std::vector<unsigned char> &innerOutline = cached ? cache->innerMask : ownInner;
    const std::vector<unsigned char> &band = cached && bandCached ? cache->bandMask : ownBand;
    const auto driveCase = mask(shapes.driveCase);
    const auto driveChamber = mask(shapes.driveChamber);
    std::vector<unsigned char> frontCase, frontChamber;
    if (shapes.allWheel) {
        frontCase = mask(shapes.frontCase);
        frontChamber = mask(shapes.frontChamber);
    }
    for (size_t i = 0; i < n; ++i) {
        // Case material never counts below the sheet's bottom edge.
        const bool inCase = !band[i] && (driveCase[i] || (shapes.allWheel && frontCase[i]));
        const bool inChamber = driveChamber[i] || (shapes.allWheel && frontChamber[i]);
        grid.outer[i] = (outerOutline[i] || inCase) ? 1 : 0;
        grid.inner[i] = ((innerOutline[i] || inCase) && !inChamber) ? 1 : 0;
    }
    return grid;
}

float ComputeSpringMass(const DesignNumbers &numbers)
{
    const float m = numbers.SpringDensity * numbers.SpringLength * numbers.SpringThickness * numbers.SpringWidth;
    return smallAsZero(finiteOr(m, 0.0f));
}

void WriteSpringMass(const DesignRecord &design, const MaterialCatalogue &catalogue, ResultFields &results)
{
    results.SpringMassEF = floatText(ComputeSpringMass(ParseDesignNumbers(design, catalogue)));
}

int ElementSizeForRun(DesignRecord &design)
{
    const auto parsed = parseInteger(design.StepSize);
    if (!parsed || *parsed <= 1) {
        design.StepSize = QStringLiteral("9");
        return 9;
    }
    // An element wider than the sheet resolves nothing, and the grid arithmetic would overflow
    // for sizes near the integer limit: the sheet's width is the largest element used.
    return std::min(*parsed, 720);
}

bool RunMassBalance(PhysicsState &ws, SheetMode mode, const MassBalanceOptions &options,
                    std::vector<GridElement> *elements)
{
    return RunMassBalance(ws, mode, ParseDesignNumbers(ws.design, ws.catalogue), options, elements);
}

bool RunMassBalance(PhysicsState &ws, SheetMode mode, const DesignNumbers &numbers, const MassBalanceOptions &options,
                    std::vector<GridElement> *elements)
{
    Q_UNUSED(mode); // only the window draws the grid; the numbers are the same in every mode
    DesignRecord &design = ws.design;
    const MaterialCatalogue &cat = ws.catalogue;
    ResultFields &res = ws.results;
    if (design.OuterCount() < 2)
        return false;

    // 2. Element size and area (square inches).
    const int g = ElementSizeForRun(design);
    const double A = static_cast<double>(g) * g / 72.0 / 72.0;

    // 3. Inputs.
    const bool awd = design.Drive == DriveKind::AllWD;
    const int nFull = parseInteger(res.LayersFullEF).value_or(0);
    const int nCored = parseInteger(res.LayersCoredEF).value_or(0);
    const BoardMaterial &outerBoard = boardOf(design, cat, OuterBodyPart);
    const BoardMaterial &innerBoard = boardOf(design, cat, InnerBodyPart);
    const BoardMaterial &driveWheelBoard = boardOf(design, cat, DriveWheelPart);
    const BoardMaterial &otherWheelBoard = boardOf(design, cat, OtherWheelPart);
    const float tOut = floatOr(outerBoard.BoardThickness, 0.0f);
    const float rhoOut = floatOr(outerBoard.BoardDensity, 0.0f);
    const float tIn = floatOr(innerBoard.BoardThickness, 0.0f);
    const float rhoIn = floatOr(innerBoard.BoardDensity, 0.0f);
    const float tDw = floatOr(driveWheelBoard.BoardThickness, 0.0f);
    const float rhoDw = floatOr(driveWheelBoard.BoardDensity, 0.0f);
    const float tOw = floatOr(otherWheelBoard.BoardThickness, 0.0f);
    const float rhoOw = floatOr(otherWheelBoard.BoardDensity, 0.0f);
    const float rhoDa = floatOr(axleOf(design, cat, DriveAxlePart).AxleDensity, 0.0f);
    const float rhoOa = floatOr(axleOf(design, cat, OtherAxlePart).AxleDensity, 0.0f);
    const float Ddw = numbers.DriveWhlDia;
    const float Dow = numbers.OtherWhlDia;
    const float Dda = numbers.DriveAxleDia;
    const float Doa = numbers.OtherAxleDia;
    const float Lda = numbers.DriveAxleLength;
    const float Loa = numbers.OtherAxleLength;
    const float caseInner = floatOr(res.CaseIDEF, 0.0f);
    const float caseOuter = floatOr(res.CaseOuterDEF, 0.0f);
    const float ms = floatOr(res.SpringMassEF, 0.0f);
    const float T = floatOr(res.MaxRealTorqueEF, 0.0f);
    const float mu = numbers.TreadFriction;
    const float ms2 = awd ? ms : 0.0f;

    // 4. Axle positions (inches from the sheet's left and top edges).
    const float Xd = caseOuter / 2.0f;
    const float Yd = 7.5f - ws.build.DriveAxleHeightPt / 72.0f;
    const float Xo = 10.0f - (awd ? caseOuter / 2.0f : design.FrontAxleXIn);
    const float Yo = awd ? Yd : 7.5f - design.FrontAxleYIn;
    const float L = Xo - Xd;
    // A wheel without radius has no lever for the spring: no propulsive force rather than an
    // infinite one.
    const float P = Ddw > 0.0f ? finiteOr(T / (Ddw / 2.0f), 0.0f) : 0.0f;

    // 5. Element grid over the layer shapes (case and chamber from the build results).
    const float rIn = caseInner * 72.0f / 2.0f;
    const PartGeometry geometry = partGeometry(design, cat, rIn, rIn + 36.0f, ws.build.DriveAxleHeightPt);
    const PointLayerShapes shapes = BuildPointLayerShapes(design, geometry, &ws.outlineRegions);
    const ElementGrid grid = ClassifyElements(shapes, g, options.method, &ws.outlineRegions);

    std::vector<long long> rowOuter(static_cast<size_t>(grid.rows), 0);
    std::vector<long long> rowInner(static_cast<size_t>(grid.rows), 0);
    double mb = 0.0, hMomentBody = 0.0;
    // Count x A x t x rho, in that order, in double precision.
    auto layerMass = [&](long long outerCount, long long innerCount) {
        return static_cast<double>(outerCount) * A * tOut * rhoOut +
               static_cast<double>(innerCount) * A * tIn * rhoIn;
    };
    if (elements && options.recordElements)
        elements->clear();
    for (int j = 0; j < grid.columns; ++j) {
        long long colOuter = 0, colInner = 0;
        for (int k = 0; k < grid.rows; ++k) {
            const size_t i = static_cast<size_t>(j) * grid.rows + k;
            if (grid.outer[i]) {
                colOuter += nFull;
                rowOuter[static_cast<size_t>(k)] += nFull;
            }
            if (grid.inner[i]) {
                colInner += nCored;
                rowInner[static_cast<size_t>(k)] += nCored;
            }
            if (elements && options.recordElements && (grid.outer[i] || grid.inner[i]))
                elements->push_back({QPoint(grid.sampleX(j), grid.sampleY(k)), grid.outer[i] != 0,
                                     grid.inner[i] != 0});
        }
        const double mc = layerMass(colOuter, colInner);
        mb += mc;
        hMomentBody += mc * grid.sampleX(j) / 72.0;
    }

    // 6. Vertical body moment, top row first.
    double vMomentBody = 0.0;
    for (int k = grid.rows - 1; k >= 0; --k) {
        const double y = 7.5 - static_cast<double>(k) * g / 72.0 + g / 144.0;
        const double rowMass =
            layerMass(rowOuter[static_cast<size_t>(k)], rowInner[static_cast<size_t>(k)]);
        vMomentBody += rowMass * y;
    }

    // 7. Lumped parts.
    const float twoPi = 2.0f * Pi;
    const float Dw = awd ? Ddw : Dow;
    const float tW = awd ? tDw : tOw;
    const float rhoW = awd ? rhoDw : rhoOw;
    const float mow = (Dw / 2.0f) * (Dw / 2.0f) * twoPi * tW * rhoW;
    const float dA = awd ? Dda : Doa;
    const float lenA = awd ? Lda : Loa;
    const float rhoA = awd ? rhoDa : rhoOa;
    const float moa = (dA / 2.0f) * (dA / 2.0f) * lenA * Pi * rhoA;
    const float mdw = (Ddw / 2.0f) * (Ddw / 2.0f) * twoPi * tDw * rhoDw;
    const float mda = (Dda / 2.0f) * (Dda / 2.0f) * Lda * Pi * rhoDa;
    float mw = 0.0f;
    double hMomentWeights = 0.0, vMomentWeights = 0.0;
    for (const WeightSlot &w : design.Weights) {
        mw += w.Mass;
        hMomentWeights += static_cast<double>(w.X) / 72.0 * w.Mass;
        vMomentWeights += static_cast<double>(w.Y) / 72.0 * w.Mass;
    }

    // 8. Totals.
    const float M = finiteOr(static_cast<float>(mb + mow + moa + mdw + mda + ms + ms2 + mw), 0.0f);
    const float boardMass = smallAsZero(finiteOr(static_cast<float>(mb + mow + mdw), 0.0f));
    const float axleMass = smallAsZero(finiteOr(moa + mda, 0.0f));

    // 9. Centroid. A car without mass has no centre of mass; it is put on the drive axle,
    // where it loads neither wheel pair and leaves every force at 0.
    const double hMoment = static_cast<double>(Xo) * (mow + moa + ms2) + hMomentBody +
                           static_cast<double>(Xd) * (mdw + mda + ms) + hMomentWeights;
    const double vMoment = static_cast<double>(Yo) * (mow + moa + ms2) + vMomentBody +
                           static_cast<double>(Yd) * (mdw + mda + ms) + vMomentWeights;
    const float centroidX = M != 0.0f ? finiteOr(static_cast<float>(hMoment / M), Xd) : Xd;
    const float centroidY = M != 0.0f ? finiteOr(static_cast<float>(vMoment / M), Yd) : Yd;

    // 10. Balance. With no wheelbase (front axle placed over the drive axle) the lever
    // arms vanish; the drive wheels are taken to carry the whole car, as they do whenever
    // the front would lift.
    const float d = centroidX - Xd;
    const float H = Ddw / 2.0f + Yd - centroidY;
    const bool haveWheelbase = L != 0.0f;
    const float No0 = haveWheelbase ? finiteOr(M * d / L, 0.0f) : 0.0f;
    const float Nd0 = M - No0;

    // 11. Wound forces: the propulsive force at the centroid's height shifts load.
    float No = 0.0f;
    if (haveWheelbase) {
        switch (design.Drive) {
        case DriveKind::RearWD: No = (M * d - P * H) / L; break;
        case DriveKind::AllWD: No = (M * d - 2.0f * P * H) / L; break;
        case DriveKind::FrontWD: No = (M * d + P * H) / L; break;
        }
        No = finiteOr(No, 0.0f);
    }
    float Nd = M - No;
    if (Nd > M)
        Nd = M;

    // 12. Traction.
    const float tractionDrive = finiteOr(mu * Nd, 0.0f);
    const QString tractionOther = No >= 0.0f ? floatText(finiteOr(mu * No, 0.0f)) : QStringLiteral("0");

    // 13. Results.
    res.FoamMassEF = floatText(boardMass);
    res.AxleMassEF = floatText(axleMass);
    res.NormalForceWoundEF = floatText(Nd);
    res.NormalForceAtRestEF = floatText(Nd0);
    res.NormalForceFrontEF = floatText(No);
    res.ProjectedMassEF = floatText(M);
    res.TractionLeftEF = floatText(tractionDrive);
    res.TrueCentroidEF = floatText(centroidX);
    res.YCentroidEF = floatText(centroidY);
    res.TractionRightEF = tractionOther;

    MassShared &shared = ws.mass;
    shared.CentroidX = centroidX;
    shared.CentroidY = centroidY;
    shared.CentroidAheadOfDriveAxle = d;
    shared.CentroidHeight = H;
    shared.Wheelbase = L;
    shared.TotalMass = M;
    shared.StaticOtherForce = No0;
    shared.StaticDriveForce = Nd0;
    shared.WoundOtherForce = No;
    shared.WoundDriveForce = Nd;
    shared.DriveAxleX = Xd;
    shared.DriveAxleY = Yd;
    shared.OtherAxleX = Xo;
    shared.OtherAxleY = Yo;
    shared.ElementSize = g;
    shared.computed = true;
    return true;
}

} // namespace zindle
