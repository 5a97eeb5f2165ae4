// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coast.h"

#include "SimulationInputs.h"

#include <cmath>

namespace zindle {

CoastedRun RunWithCoast(const SimulationContext &context)
{
    // The powered part is the simulation itself, run on scratch copies: every number of it is
    // the one RunSimulation gives, and nothing the window or the race holds is touched.
    ResultFields results = context.results;
    DesignList list;
    list.CurrentDesign = -1; // no slot: no race trace and no simulated flag
    ForcePictureState forces = context.forces;
    RunTrace steps;
    SimulationContext scratch{context.design, context.catalogue, context.numbers, context.balance, results,
                              list, forces, SheetMode::Race, &steps, nullptr, context.factors};
    const SimulationOutcome outcome = RunSimulation(scratch, FrameRunToEnd);

    CoastedRun run;
    run.points.reserve(steps.samples.size() + 1);
    run.points.push_back({0, 0.0f, 0.0f, false});
    for (const RunSample &sample : steps.samples)
        run.points.push_back({sample.timeIndex, sample.distance, sample.velocity, false});
    run.springEndIndex = outcome.finalTimeIndex;

    float v = outcome.velocity, distance = outcome.distance;
    int timeIndex = outcome.finalTimeIndex;
    const bool spent = outcome.revsLeft >= outcome.totalRevs || outcome.revsRight >= outcome.totalRevs;
    // A run stopped by the time limit has no time left to coast in.
    if (spent && v > 0.0f && timeIndex <= RunTimeLimitIndex) {
        const RunInputs in = ReadRunInputs(context);
        const float inertiaMass = in.mass / GravityFtPerS2;
        float deceleration = in.mass > 0.0f ? in.friction * (1.0f - in.inertiaShare) / inertiaMass : 0.0f;
        if (!std::isfinite(deceleration))
            deceleration = 0.0f;
        while (v > 0.0f && timeIndex <= RunTimeLimitIndex) {
            ++timeIndex;
            float v2 = v - deceleration * RunStepSeconds;
            // As in the powered run, friction stops the car but never drives it backwards.
            if (!(v2 > 0.0f))
                v2 = 0.0f;
            float dx = (v + v2) / 2.0f * RunStepSeconds;
            if (!std::isfinite(distance + dx))
                dx = 0.0f;
            distance += dx;
            v = v2;
            run.points.push_back({timeIndex, distance, v, true});
        }
    }
    run.rests = !(v > 0.0f);
    run.restFt = distance;
    return run;
}

std::optional<double> TimeAtDistance(const CoastedRun &run, double feet)
{
    for (size_t i = 1; i < run.points.size(); ++i) {
        const CoastPoint &after = run.points[i];
        if (static_cast<double>(after.distance) < feet)
            continue;
        const CoastPoint &before = run.points[i - 1];
        const double from = before.distance, to = after.distance;
        const double share = to > from ? (feet - from) / (to - from) : 1.0;
        return (before.timeIndex + share * (after.timeIndex - before.timeIndex)) / 100.0;
    }
    return std::nullopt;
}

} // namespace zindle
