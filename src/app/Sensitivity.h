// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much the current design's time to 15 ft changes for a small change of each input the
// student controls (physics/SensitivityResult.h holds what comes back). A car that falls short
// of 15 ft is measured by the distance it reaches instead.
//
// The steps, each the size a student would try next:
//   spring length 1 in; spring width 0.1 in; drive and other wheel diameter 0.1 in;
//   drive and other axle diameter 0.05 in (an axle is a quarter to half an inch: 0.1 in would
//   be a different axle); front axle position 0.1 in; each added weight 0.01 lb and 0.125 in
//   (9 sheet points: a weight sits on whole points); friction 0.01 lb; the body's board
//   density and thickness and the tread's friction 5 % of their value.
// The step goes up unless the part fields' checks (ValidateParameters) would refuse the larger
// value or it would leave the sheet; then it goes down, and `delta` is negative.
//
// Positions: the front axle's is its distance from the front of the axle frame (larger is
// farther back); a weight's is its place on the sheet from the left (larger is farther forward).
//
// Every input runs from its own copy of the design on the lean path of the sweep
// (RefreshSweepCombination: build, torque, revolutions, run; no sheet regions), all of them
// at once on the worker pool, with the workspace's track calibration as every run has it. The
// time is read between the two steps around 15 ft, so that a step smaller than 0.01 s shows.
//
// The build may enlarge a drive wheel too small for the spring's case and run with that; a
// step of the drive wheel the build overrides then changes nothing, and the entry says so
// (SensitivityHeld::Build), as does a step of the design's friction while a track calibration
// replaces it (SensitivityHeld::Calibration).

#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "physics/SensitivityResult.h"

namespace zindle {

// Reads `workspace` (its current design, materials, scale and calibration) on the calling
// thread, which then waits for the runs on `workers`. `threads` 0: one per core.
SensitivityResult ComputeSensitivity(WorkerPool &workers, const Workspace &workspace, int threads = 0);

// Writes `value` into the input `input` names (an id of ComputeSensitivity's entries) of the
// workspace's design or the materials its body and tread use. Returns false for an unknown id.
bool SetSensitivityInput(Workspace &workspace, const QString &input, double value);
// The input's value as the design holds it; nothing for an unknown id.
std::optional<double> SensitivityInputValue(const Workspace &workspace, const QString &input);

} // namespace zindle
