// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A measured run set beside the prediction for it, as a student reads the comparison: at each
// timed mark the measured and the predicted time, and for the run as a whole the error at its
// farthest mark the prediction reaches, in seconds and as a share of the measured time. The
// sign is the real car's: a positive error means the built car was slower than predicted.

#include "model/MeasuredRun.h"
#include "physics/Coast.h"

#include <optional>
#include <vector>

namespace zindle {

struct MarkComparison {
    RunMark measured;
    std::optional<double> predictedS; // none: the predicted car never got there
};

struct RunComparison {
    std::vector<MarkComparison> marks;
    std::optional<double> errorS;       // at the farthest mark reached by the prediction
    std::optional<double> errorPercent; // of the measured time there
    std::optional<double> predictedRestFt;
};

RunComparison CompareRun(const CoastedRun &prediction, const MeasuredRun &run);

// The RMS of measured less predicted time over every mark the prediction reaches; none when
// there is no such mark.
std::optional<double> RmsMarkError(const std::vector<RunComparison> &runs);

// "+0.05 s (+3 %)"; "-" for none.
QString ErrorText(const RunComparison &comparison);

// The same for one measured time against its prediction, and the share alone, percent.
QString TimeErrorText(double measuredS, double predictedS);
double ErrorPercent(double measuredS, double predictedS);

// The mean of the runs' times at the mark `feet`; none when no run was timed there.
std::optional<double> MeanTimeAt(const std::vector<MeasuredRun> &runs, double feet);

} // namespace zindle
