// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the computation steps read and write, on top of the design: the result fields, the
// sheet's scale and part regions, and each step's shared values. The steps, the painters and
// the output take this much; the application's Workspace (app/Workspace.h) adds the rest.

#include "geometry/OverlapFacts.h"
#include "geometry/PartRegions.h"
#include "geometry/SheetScale.h"
#include "model/DesignState.h"
#include "physics/Advisories.h"
#include "physics/BuildGeometry.h"
#include "physics/Forces.h"
#include "physics/MassBalance.h"
#include "physics/Race.h"
#include "physics/ResultFields.h"
#include "physics/Simulation.h"

namespace zindle {

struct PhysicsState : DesignState {
    // Results of the computation steps, as text.
    ResultFields results;
    // Sheet scale. The window replaces it once it is shown and on every resize; until then,
    // and for the command line and tests, it is the scale of a 1152 x 864 sheet picture.
    SheetScale scale = HeadlessSheetScale();
    // Screen, preview and printer copies of the committed outlines.
    OutlineCopies outerCopies, innerCopies;
    // Part regions of the last sheet preparation or redraw.
    PartRegions regions;
    // Shared values of the build step and of the mass and balance analysis.
    BuildShared build;
    MassShared mass;
    // The mass analysis' outline regions, kept while the outlines do not change.
    OutlineRegionCache outlineRegions;
    // Connectivity facts of the last region rebuild and the Advisories window's labels.
    OverlapFacts overlaps;
    AdvisoryState advisories;
    // What keeps the model from running the car, as the last refresh found it.
    RunChecks checks;
    // Force picture and race state of the Analyze, Simulate and Race modes.
    ForcePictureState forces;
    RaceState race;
    // Every step of the current design's last run (Simulate or Race), for the run charts.
    RunTrace run;
};

} // namespace zindle
