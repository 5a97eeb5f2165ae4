// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildGeometry.h"

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "model/PartMaterials.h"
#include "physics/ResultFields.h"

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

// Int and Frac of a single, each result held in single precision.
float intPart(float x) { return std::trunc(x); }
float fracPart(float x) { return x - std::trunc(x); }

// Texts no later step could parse back never reach a result field: a value that overflowed
// (absurd board thickness, spring length in the 1e38 range) is written as 0.
float finiteOr0(float x) { return std::isfinite(x) ? x : 0.0f; }

} // namespace

float caseRatioFraction(const QString &caseRatioText)
{
    float ratio = floatOr(caseRatioText, 4.0f);
    // The Preferences keep the ratio between 4 and 99; a file that says otherwise gets the
    // default instead of a division by zero or a negative area.
    if (!(ratio > 0.0f))
        ratio = 4.0f;
    return ratio / 100.0f;
}

QString enlargedDriveWheelText(float caseInnerDia)
{
    const float whole = intPart(caseInnerDia);
    const float frac = fracPart(caseInnerDia);
    const float hundredths = intPart(frac * 100.0f);
    const float cents = hundredths / 100.0f;
    const float cut = whole + cents;
    const float wheel = cut + 1.0f;
    return floatText(wheel).left(4);
}

void ComputeBuildGeometry(DesignRecord &design, const MaterialCatalogue &catalogue,
                          ResultFields &results, BuildShared &shared)
{
    // 1. Other wheel diameter within 0.25 .. 7.5; text that is no number fails the lower bound.
    float otherWhl = 0.0f;
    {
        const auto parsed = parseFloat(design.OtherWhlDia);
        if (parsed && *parsed > 7.5f) {
            design.OtherWhlDia = QStringLiteral("7.5");
            otherWhl = 7.5f;
        } else if (!parsed || !(*parsed >= 0.25f)) {
            design.OtherWhlDia = QStringLiteral("1.75");
            otherWhl = 1.75f;
        } else {
            otherWhl = *parsed;
        }
    }

    // 2. The front wheel stands 36 points below the sheet's bottom edge.
    const float otherWhlPt = otherWhl * 72.0f;
    design.FrontAxleYPt = static_cast<float>(truncToInt(otherWhlPt / 2.0f) - 36);
    design.FrontAxleYIn = design.FrontAxleYPt / 72.0f;

    // 3. Spring width at most 6 (a bottle gives a sheet 6 inches wide).
    float W = floatOr(design.SpringWidth, 0.0f);
    if (W > 6.0f) {
        design.SpringWidth = QStringLiteral("6");
        W = 6.0f;
    }

    // 4. Inputs.
    const float tOut = floatOr(boardOf(design, catalogue, OuterBodyPart).BoardThickness, 0.0f);
    const float tIn = floatOr(boardOf(design, catalogue, InnerBodyPart).BoardThickness, 0.0f);
    const auto springLength = parseFloat(design.SpringLength);
    const float L = springLength.value_or(0.0f);
    const float a = floatOr(design.DriveAxleDia, 0.0f);
    const float s = floatOr(springOf(design, catalogue).SpringThickness, 0.0f);

    // 5. Cored layers: the spring plus a side clearance on each side, in whole boards.
    const float clearance = static_cast<float>(static_cast<double>(W) * 0.1333);
    int layersCored = 0;
    // A board without thickness cannot make up any width, and a spring without width needs
    // no room: no cored layers rather than an infinite or negative count.
    if (tIn > 0.0f) {
        const float n = (W + 2.0f * clearance) / tIn;
        if (std::isfinite(n) && n > 0.0f) {
            // Boards thinner than can be cut still give a count the later sums can hold.
            layersCored = truncToInt(std::min(intPart(n), 1000000.0f));
            if (fracPart(n) > 0.0f && layersCored < 1000000)
                ++layersCored;
        }
    }

    // 6. Widths.
    const float caseWidth = finiteOr0(tIn * static_cast<float>(layersCored));
    const float carWidth = finiteOr0(2.0f * tOut + caseWidth);

    // 7. Chamber: the annulus around the arbor holds the spring's section over the case ratio,
    // the percentage first turned into the fraction the refresh keeps (the other order of the
    // division and the product by pi differs in the last digit for ratios such as 7.5).
    const float fraction = caseRatioFraction(design.CaseRatio);
    const float halfArbor = a / 2.0f;
    const float area = halfArbor * halfArbor + L * s / (Pi * fraction);
    // A negative spring length or thickness would take the root of a negative number.
    const float caseInner = finiteOr0(2.0f * std::sqrt(area > 0.0f ? area : 0.0f));
    const float caseOuter = finiteOr0(caseInner + 1.0f);

    // 8. Drive wheel at most 7.5, and at least as large as the case (to two decimals).
    float driveWhl = 0.0f;
    {
        const auto parsed = parseFloat(design.DriveWhlDia);
        driveWhl = parsed.value_or(0.0f);
        if (driveWhl > 7.5f) {
            design.DriveWhlDia = QStringLiteral("7.5");
            driveWhl = 7.5f;
        }
        if (caseOuter * 72.0f > driveWhl * 72.0f) {
            design.DriveWhlDia = enlargedDriveWheelText(caseInner);
            driveWhl = floatOr(design.DriveWhlDia, caseOuter);
        }
    }

    // 9. Drive axle height: the lower of wheel rim and case touches the contact line.
    const float Rw = driveWhl / 2.0f, Ro = caseOuter / 2.0f, Ri = caseInner / 2.0f;
    const float driveAxleHeightPt =
        finiteOr0(Ro >= Rw ? Ri * 72.0f : (Rw - Ro + Ri) * 72.0f);

    // 10. Layer totals.
    const int layersWide = layersCored + 2;
    const int layersFull = layersWide - layersCored;

    // 11. Bottles: strips of width W per 6-inch sheet, one 12-inch sheet per bottle.
    const int strips = W > 0.0f ? truncToInt(6.0f / W) : 0;
    float bottles = 0.0f;
    // Without a positive spring width no strip is cut: no bottles rather than a division by 0.
    if (strips > 0) {
        bottles = L / 12.0f / static_cast<float>(strips);
        if (design.Drive == DriveKind::AllWD)
            bottles = bottles * 2.0f;
    }

    // 12. Results.
    results.BottlesNeededEF = floatText(finiteOr0(bottles));
    results.CaseWidthEF = floatText(caseWidth);
    results.CarWidthEF = floatText(carWidth);
    if (springLength)
        design.SpringLength = floatText(L);
    results.CaseIDEF = floatText(caseInner);
    results.CaseOuterDEF = floatText(caseOuter);
    results.LayersWideEF = QString::number(layersWide);
    results.LayersCoredEF = QString::number(layersCored);
    results.LayersFullEF = QString::number(layersFull);

    shared.DriveAxleHeightPt = driveAxleHeightPt;
    shared.CaseInnerDia = caseInner;
    shared.CaseOuterDia = caseOuter;
    shared.DriveWhlDia = driveWhl;
    shared.OtherWhlDia = otherWhl;
    shared.SpringWidth = W;
    shared.CaseRatioFraction = fraction;
    shared.LayersCored = layersCored;
    shared.LayersFull = layersFull;
    shared.LayersWide = layersWide;
    shared.computed = true;
}

void ComputeBuildGeometry(PhysicsState &workspace)
{
    ComputeBuildGeometry(workspace.design, workspace.catalogue, workspace.results, workspace.build);
}

} // namespace zindle
