// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Simulate mode's state between refreshes and button presses: which frame to show, the picture
// the last run left, and which of "Wind up the spring", "Step forward in time" and "View the
// entire cycle" are available. The run itself (physics/Simulation.h) only reports what it did.

#include "physics/Simulation.h"

namespace zindle {

struct SimulationState {
    int SimulateStep = 0;
    float LastRunTime = 0.0f;
    bool StepEnabled = true, ToEndEnabled = true, RewindEnabled = false;
    // The picture the last run left on the sheet (the requested frame or the end picture).
    bool frameShown = false;
    SimulationFrame shownFrame;
    // Every frame of the last run a Simulate refresh showed step by step, the end picture last;
    // empty after any other run.
    std::vector<SimulationFrame> recordedFrames;
};

// After a run that was asked to show `frame`: the picture it left and the buttons it leaves.
// Once the frames have ended there is nothing to step to; a run that played every frame, or
// the race's run, can always be wound up again.
void RecordRun(SimulationState &state, int frame, const SimulationOutcome &outcome);
// After a refresh found a car the model cannot run: an empty end picture and nothing to step.
void RecordNoRun(SimulationState &state, int frame);

// Step on to frame `SimulateStep` of the recorded run: its picture and the buttons a run asked
// for that frame would leave. False, changing nothing, when the frame was not recorded.
bool ShowRecordedFrame(SimulationState &state, ForcePictureState &forces);

// A new visit to Simulate mode starts wound up, with Step and the entire cycle available.
void ResetSimulationButtons(SimulationState &state);

} // namespace zindle
