// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two numbers of the model that a class's own track can correct: the rolling friction
// force and how much of its rated torque a spring really gives. They enter a run through its
// inputs only (SimulationContext::factors), never through the design's texts, so a design
// predicted for a track is saved, shown and raced as it was typed.

#include <optional>

namespace zindle {

struct ModelFactors {
    // lb; none: the design's own Preferences friction.
    std::optional<float> friction;
    // Scales the spring's torque at every point of its unwinding; 1 is the rated torque.
    float springEfficiency = 1.0f;
};

// What a real car on a classroom track can plausibly show; the fit searches no further.
inline constexpr double MinFittedFriction = 0.01, MaxFittedFriction = 0.25;     // lb
inline constexpr double MinSpringEfficiency = 0.5, MaxSpringEfficiency = 1.2;

} // namespace zindle
