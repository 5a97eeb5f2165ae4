// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Connectivity facts: which part shapes of the screen regions miss each other. The advisories
// read them; they are taken each time the part regions are rebuilt.

#include "model/DesignRecord.h"

namespace zindle {

struct PartRegions;

// Each fact is true when the two shapes have no common pixel.
struct OverlapFacts {
    bool OuterMissesDriveCase = true;
    bool OuterMissesFrontCase = true;
    bool InnerMissesDriveCase = true;
    bool InnerMissesFrontCase = true;
    bool LayersApart = true;
    bool CasesApart = false;
    bool ChambersApart = true;
    bool OuterMissesFrontAxle = true;
    bool InnerMissesFrontAxle = true;
    bool outerFactsMade = false; // the outer outline had at least two points
};

OverlapFacts ComputeOverlapFacts(const PartRegions &regions, DriveKind drive);

} // namespace zindle
