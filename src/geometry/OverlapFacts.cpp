// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverlapFacts.h"

#include "geometry/PartRegions.h"

namespace zindle {

namespace {
bool misses(const QRegion &a, const QRegion &b) { return !a.intersects(b); }
} // namespace

OverlapFacts ComputeOverlapFacts(const PartRegions &regions, DriveKind drive)
{
    const bool awd = drive == DriveKind::AllWD;
    const RegionSet &screen = regions.screen();
    OverlapFacts f;

    if (awd) {
        f.CasesApart = misses(screen.caseShape[0], screen.caseShape[1]);
        f.ChambersApart = misses(screen.chamberShape[0], screen.chamberShape[1]);
    } else {
        f.CasesApart = false;
        f.ChambersApart = true;
    }

    // Without an outer outline there is no body for the case to join: the outer facts stay
    // "misses", so an empty sheet reports its case as unconnected rather than as joined.
    f.outerFactsMade = regions.OuterLayerBuilt;
    if (f.outerFactsMade) {
        f.OuterMissesDriveCase = misses(screen.outerOutline, screen.caseShape[0]);
        f.OuterMissesFrontCase = awd ? misses(screen.outerOutline, screen.caseShape[1]) : true;
        if (!awd)
            f.OuterMissesFrontAxle = misses(regions.outerLayerBeforeOtherHole, screen.otherAxle);
    }

    f.InnerMissesDriveCase = misses(screen.innerOutline, screen.caseShape[0]);
    f.InnerMissesFrontCase = awd ? misses(screen.innerOutline, screen.caseShape[1]) : true;
    f.LayersApart = misses(screen.outerOutline, screen.innerOutline);
    if (!awd)
        f.InnerMissesFrontAxle = misses(regions.innerLayerBeforeOtherHole, screen.otherAxle);
    return f;
}

} // namespace zindle
