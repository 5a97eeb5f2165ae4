// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunResiduals.h"

#include <algorithm>

namespace zindle {

double RunPace(const MeasuredRun &run, double fallbackPace)
{
    if (!run.marks.empty()) {
        const RunMark &last = run.marks.back();
        if (last.timeS > 0.0 && last.distanceFt > 0.0)
            return last.distanceFt / last.timeS;
    }
    return fallbackPace > 0.0 ? fallbackPace : 1.0;
}

double PoweredPace(const CoastedRun &prediction)
{
    double distance = 0.0;
    for (const CoastPoint &point : prediction.points)
        if (point.timeIndex <= prediction.springEndIndex)
            distance = point.distance;
    const double seconds = prediction.springEndIndex / 100.0;
    return distance > 0.0 && seconds > 0.0 ? distance / seconds : 1.0;
}

void AppendResiduals(const CoastedRun &prediction, const MeasuredRun &run, double pace, std::vector<double> &out)
{
    const CoastPoint last = prediction.points.empty() ? CoastPoint{} : prediction.points.back();
    // A car still rolling at the time limit is taken where the limit found it.
    const double standsAt = prediction.rests ? prediction.restFt : last.distance;
    const double stopsAt = last.timeIndex / 100.0;
    for (const RunMark &mark : run.marks) {
        if (const auto time = TimeAtDistance(prediction, mark.distanceFt))
            out.push_back(*time - mark.timeS);
        else
            out.push_back((mark.distanceFt - standsAt) / pace + std::max(0.0, stopsAt - mark.timeS));
    }
    if (run.restFt)
        out.push_back((standsAt - *run.restFt) / pace);
}

int ObservationCount(const MeasuredRun &run)
{
    return static_cast<int>(run.marks.size()) + (run.restFt ? 1 : 0);
}

} // namespace zindle
