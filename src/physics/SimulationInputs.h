// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run reads when it starts, shared by the run and by the runs that continue it (the
// coast), so that both see the same numbers from the same texts.

#include "Simulation.h"

namespace zindle {

inline constexpr float RunStepSeconds = 0.01f;
inline constexpr int RunTimeLimitIndex = 10000; // 100 s

// Everything the run reads, parsed once when it starts.
struct RunInputs {
    float totalRevs = 0.0f;
    float wheelDia = 0.0f;
    float mass = 0.0f;
    float widthRatio = 0.0f; // spring width over the sample width
    float predicted = 0.0f;  // powered distance of the revolutions step
    float friction = 0.0f;
    float mu = 0.0f;
    float inertiaShare = 0.0f; // R
    bool allWheel = false;
};

RunInputs ReadRunInputs(const SimulationContext &context);

} // namespace zindle
