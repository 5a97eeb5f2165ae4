// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run as a built car makes it: after the spring has unwound the car rolls on until
// friction has stopped it. The simulation proper ends with the spring, and its fields, traces,
// race and sweep stay exactly as they are; this is a second, separate reading of the same run,
// for comparing the model with a car timed on a real track (shown as "with coasting").
//
// The coast continues the simulation's own step, 0.01 s at a time, with the spring's force at
// zero. The wheels still spin and keep the same share of the car's inertia that they took of
// the spring's force, so friction slows the car by Friction x (1 - R) / (M / g) per second.

#include "physics/Simulation.h"

#include <optional>
#include <vector>

namespace zindle {

struct CoastPoint {
    int timeIndex = 0;     // hundredths of a second after the start
    float distance = 0.0f; // ft
    float velocity = 0.0f; // ft/s
    bool coasting = false; // the spring had unwound before this step
};

struct CoastedRun {
    std::vector<CoastPoint> points; // t = 0 first, then one per step
    int springEndIndex = 0;         // the step in which the spring ran out (or the run ended)
    // The car stood still within the time limit; restFt is then where. A car that the spring
    // never moved rests at 0; one without friction rolls on to the limit and does not rest.
    bool rests = false;
    float restFt = 0.0f;
};

// Runs the current design as RunSimulation does, on copies of everything that the simulation
// writes (nothing of `context` changes), and continues it past the spring's end.
CoastedRun RunWithCoast(const SimulationContext &context);

// When the car passes `feet`, in seconds, between the two steps around it (a straight line
// through them); none when it never gets there.
std::optional<double> TimeAtDistance(const CoastedRun &run, double feet);

} // namespace zindle
