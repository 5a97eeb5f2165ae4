#pragma once
// Everything the program holds for its one window. Owned by the application (or a test, or the
// command line) and passed by reference; there are no globals.

#include "DesignList.h"
#include "DesignRecord.h"
#include "MaterialCatalogue.h"
#include "physics/Advisories.h"
#include "physics/BuildGeometry.h"
#include "physics/Forces.h"
#include "physics/MassBalance.h"
#include "physics/Race.h"
#include "physics/ResultFields.h"
#include "physics/Simulation.h"
#include "geometry/PartRegions.h"
#include "geometry/SheetScale.h"

#include <random>

namespace zindle {

struct Workspace {
    DesignRecord design;
    DesignList list;
    MaterialCatalogue catalogue;
    std::mt19937 random{std::random_device{}()};

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
    // Connectivity facts of the last region rebuild and the Advisories window's labels.
    OverlapFacts overlaps;
    AdvisoryState advisories;
    // What keeps the model from running the car, as the last refresh found it.
    RunChecks checks;
    // Force picture, simulation and race state of the Analyze, Simulate and Race modes.
    ForcePictureState forces;
    SimulationState simulation;
    RaceState race;

    void MarkDesignChanged() { list.MarkDesignChanged(list.CurrentDesign); }
};

// Builds built-in design `slot` into the current design from scratch: reset, clear the
// outlines and weights, generate, then the drive buttons' side effects. The catalogue is kept.
void BuildBuiltInDesign(Workspace &workspace, int slot);

} // namespace zindle
