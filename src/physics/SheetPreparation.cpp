// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetPreparation.h"

#include "geometry/OverlapFacts.h"
#include "geometry/PartRegions.h"
#include "physics/PhysicsState.h"

namespace zindle {

void RescaleDesign(PhysicsState &ws, bool withPrinter, bool screenOnly)
{
    keepCopiesInStep(ws.design.OuterPts, ws.outerCopies, ws.scale);
    keepCopiesInStep(ws.design.InnerPts, ws.innerCopies, ws.scale);
    const CaseRadii r = rescaleCaseRadii(ws.results.CaseIDEF, ws.results.CaseOuterDEF);
    const PartGeometry geometry =
        partGeometry(ws.design, ws.catalogue, r.rIn, r.rOut, ws.build.DriveAxleHeightPt);
    BuildAllParts(ws.regions, geometry, ws.scale, ws.design, ws.outerCopies, ws.innerCopies, true,
                  withPrinter, screenOnly);
    UpdateOverlapFacts(ws);
}

void RebuildPartRegions(PhysicsState &ws, bool withPrinter)
{
    const CaseRadii r = redrawCaseRadii(ws.results.CaseIDEF);
    const PartGeometry geometry =
        partGeometry(ws.design, ws.catalogue, r.rIn, r.rOut, ws.build.DriveAxleHeightPt);
    BuildAllParts(ws.regions, geometry, ws.scale, ws.design, ws.outerCopies, ws.innerCopies, false,
                  withPrinter);
    UpdateOverlapFacts(ws);
}

void UpdateOverlapFacts(PhysicsState &workspace)
{
    workspace.overlaps = ComputeOverlapFacts(workspace.regions, workspace.design.Drive);
}

} // namespace zindle
