// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report's "Test runs" pages, printed after the one-page design report where the class's
// logbook holds runs of the design: each run's timed marks with the measured time beside the
// predicted time with coasting and the error (physics/RunComparison.h), the resting distance
// measured and predicted, and the RMS error on each track over the marks the prediction
// reaches, as the Test runs window gives it. As many pages as the runs need.

#include "DesignReport.h"
#include "physics/RunComparison.h"

#include <QString>
#include <vector>

namespace zindle {

// `calibration` is how the prediction was made when a track's calibration was applied
// (CalibratedForText), empty for the design's own model.
std::vector<std::vector<ReportLine>> TestRunsPages(const QString &designName, const CoastedRun &prediction,
                                                   const std::vector<MeasuredRun> &runs, const QString &calibration);

} // namespace zindle
