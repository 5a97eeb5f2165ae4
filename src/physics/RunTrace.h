// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every step of the last run, as numbers, for the charts: the race traces keep only distance
// and skid, 0.01 s apart and only up to 10 s, which is too little to show why a car is fast.

#include <vector>

namespace zindle {

struct RunSample {
    int timeIndex = 0;       // hundredths of a second after the start
    float distance = 0.0f;   // ft
    float velocity = 0.0f;   // ft/s
    float propulsion = 0.0f; // lb, what the spring pushes with on the driven wheels before the skid rule
    float traction = 0.0f;   // lb, what the driven wheels' tread can carry
    bool skid = false;       // a driven axle skidded in this step
};

struct RunTrace {
    std::vector<RunSample> samples; // one per step, in time order (t = 0 is not a step)
    int timeToCourseEnd = -1;       // time index at 15 ft, -1 when the car never reached it
    void clear()
    {
        samples.clear(); // keeps the capacity: a sweep records thousands of runs
        timeToCourseEnd = -1;
    }
};

} // namespace zindle
