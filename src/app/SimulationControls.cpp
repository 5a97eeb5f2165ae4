// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationControls.h"

namespace zindle {

void RecordRun(SimulationState &state, int frame, const SimulationOutcome &outcome)
{
    state.LastRunTime = static_cast<float>(outcome.finalTimeIndex / 100.0);
    state.frameShown = outcome.shownFrame.has_value();
    if (outcome.shownFrame)
        state.shownFrame = *outcome.shownFrame;
    if (frame == FrameRunToEnd || frame == FrameEntireCycle)
        state.RewindEnabled = true;
    if (outcome.framesEnded) {
        state.StepEnabled = false;
        state.ToEndEnabled = false;
        state.RewindEnabled = true;
    }
}

void RecordNoRun(SimulationState &state, int frame)
{
    state.LastRunTime = 0.0f;
    state.StepEnabled = false;
    state.ToEndEnabled = false;
    if (frame == FrameRunToEnd || frame == FrameEntireCycle)
        state.RewindEnabled = true;
    state.frameShown = true;
    state.shownFrame = SimulationFrame{};
    state.shownFrame.final = true;
}

bool ShowRecordedFrame(SimulationState &state, ForcePictureState &forces)
{
    const int step = state.SimulateStep;
    if (step < 1 || static_cast<size_t>(step) > state.recordedFrames.size())
        return false;
    const SimulationFrame &frame = state.recordedFrames[static_cast<size_t>(step - 1)];
    state.frameShown = true;
    state.shownFrame = frame;
    if (frame.final) {
        forces.NormalForceOtherAtRest = frame.loadOther;
        forces.NormalForceDriveAtRest = frame.loadDrive;
        state.StepEnabled = false;
        state.ToEndEnabled = false;
        state.RewindEnabled = true;
    }
    return true;
}

void ResetSimulationButtons(SimulationState &state)
{
    state.StepEnabled = state.ToEndEnabled = true;
    state.RewindEnabled = false;
}

} // namespace zindle
