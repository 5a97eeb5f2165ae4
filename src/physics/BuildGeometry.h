// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Build step: layer stack, body width, spring chamber and case, bottles, drive wheel
// enlargement, axle heights. Silently corrects out-of-range wheel diameters and spring width
// in the design itself.
//
// Refresh order: after the sheet is prepared (SheetScale.h, RescaleDesign in PartRegions.h) and
// before everything else of the mode: the part regions of the redraw, torque, mass and balance,
// advisories all read its results.
// Reads: design texts SpringWidth, SpringLength, DriveAxleDia, DriveWhlDia, OtherWhlDia,
// CaseRatio, Drive, MatIndex; board and spring materials.
// Writes: ResultFields BottlesNeededEF, CaseWidthEF, CarWidthEF, CaseIDEF, CaseOuterDEF,
// LayersWideEF, LayersCoredEF, LayersFullEF; the design's OtherWhlDia, SpringWidth, DriveWhlDia
// (when corrected), SpringLength (rewritten in the general format), FrontAxleYPt/FrontAxleYIn;
// BuildShared (Workspace::build).

#include <QString>

namespace zindle {

struct DesignRecord;
class MaterialCatalogue;
struct ResultFields;
struct PhysicsState;

// Values of the build step that are not shown in a result field.
struct BuildShared {
    float DriveAxleHeightPt = 0.0f; // drive axle centre above the sheet's bottom edge, points
    // The same numbers the result fields hold, as the singles they were written from.
    float CaseInnerDia = 0.0f, CaseOuterDia = 0.0f; // in
    float DriveWhlDia = 0.0f, OtherWhlDia = 0.0f;   // in, after correction
    float SpringWidth = 0.0f;                       // in, after correction
    float CaseRatioFraction = 0.04f;                // CaseRatio / 100
    int LayersCored = 0, LayersFull = 2, LayersWide = 2;
    bool computed = false;
};

// Runs the build step on the current design.
void ComputeBuildGeometry(PhysicsState &workspace);
void ComputeBuildGeometry(DesignRecord &design, const MaterialCatalogue &catalogue,
                          ResultFields &results, BuildShared &shared);

// The case ratio as the fraction the chamber formula uses: the percentage text divided by 100
// (the default 4 % when the text is not a positive number).
float caseRatioFraction(const QString &caseRatioText);

// The drive wheel text the build step writes when the wheel is enlarged to the case: the case
// inner diameter cut to two decimals, plus 1, general format, first four characters.
QString enlargedDriveWheelText(float caseInnerDia);

} // namespace zindle
