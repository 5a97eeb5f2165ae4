// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whose numbers the result fields hold. The fields keep what the last Analyze, Simulate or Race
// refresh wrote, whichever design that was: after simulating one design and selecting another,
// they still hold the first one's times, masses and forces. Anything that shows or prints them
// under a design's name asks here first whether they are that design's, as it stands now.

#include <QByteArray>

namespace zindle {

struct Workspace;

struct ResultsOwner {
    // Everything the numbers depend on (design, catalogue, sheet scale) when they were
    // computed; empty when the fields belong to no finished refresh.
    QByteArray inputs;
    bool simulated = false; // the run's fields (time, speed) were written too
};

// The inputs of the computation as they stand: equal for two workspaces exactly when the
// refresh of either gives the same numbers.
QByteArray ComputationInputs(const Workspace &workspace);

// The refresh that just finished wrote every result field of its mode for the current design.
void StampResults(Workspace &workspace, bool simulated);

enum class ResultsCoverage {
    None,        // the fields are another design's, or of an earlier state of this one
    WithoutRun,  // analysed as it stands, but not run since (the run's fields are not its own)
    All,         // analysed and run as it stands
};
ResultsCoverage ResultsOfCurrentDesign(const Workspace &workspace);

} // namespace zindle
