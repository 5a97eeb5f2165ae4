// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the program holds for its one window. Owned by the application (or a test, or the
// command line) and passed by reference; there are no globals. The layers below see only the
// part they work on: DesignState (files, material editing) or PhysicsState (computation steps,
// painters, output).

#include "app/ResultsOwner.h"
#include "app/SimulationControls.h"
#include "physics/ModelFactors.h"
#include "physics/PhysicsState.h"

#include <random>

namespace zindle {

struct Workspace : PhysicsState {
    // Simulate mode's frame and buttons.
    SimulationState simulation;
    // The design state the result fields were computed for.
    ResultsOwner resultsOwner;
    // The calibration of the track the predictions are for; the default is the model as the
    // design gives it. Runs read it; the design's texts never take it.
    ModelFactors trackFactors;
    // The sheet is painted in its high-contrast colours (a setting of the window, kept between
    // runs); a change shows from the next refresh.
    bool highContrastSheet = false;
    // Draws the names of new designs.
    std::mt19937 random{std::random_device{}()};
};

} // namespace zindle
