// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calibration as a class meets it: the designs of a folder with their runs on one track, the
// fit of the model to them (physics/Calibration.h), what the fit found in one sentence, and the
// calibration kept in the class's logbook per track and applied to a prediction for that track.

#include "app/Workspace.h"
#include "files/Logbook.h"
#include "physics/Calibration.h"

#include <QString>
#include <optional>
#include <vector>

namespace zindle {

// The runs of one logged design on `track` (blanks around the name do not count).
std::vector<MeasuredRun> RunsOnTrack(const LoggedDesign &design, const QString &track);

// The design of `workspace`, loaded and with its scale set, refreshed as Simulate refreshes it
// for the whole cycle (the design's own model, whatever the workspace's track), ready for the
// fit with `runs`. None when the model cannot run it.
std::optional<CalibrationDesign> PrepareCalibrationDesign(Workspace &workspace, std::vector<MeasuredRun> runs);

// "On Room 12 tile your cars behave as if rolling friction were 0.11 lb and springs gave 86 % of
// their rated torque; predictions now differ from your runs by 0.04 s on average", in English
// as the command line prints and writes it.
QString CalibrationSentence(const QString &track, const Calibration &calibration);
// The sentence with its full stop, in the window's language.
QString ShownCalibrationSentence(const QString &track, const Calibration &calibration);
// Said beside the sentence when the runs held too few numbers for the spring efficiency; in
// English, and in the window's language.
QString FrictionOnlyNote(const Calibration &calibration);
QString ShownFrictionOnlyNote(const Calibration &calibration);

// "calibrated for Room 12 tile: friction 0.11 lb, springs at 86 % of their rated torque", said
// wherever a number computed with the calibration is shown. In English, as files and the
// command line keep it; the Shown one in the window's language.
QString CalibratedForText(const LoggedCalibration &calibration);
QString ShownCalibratedForText(const LoggedCalibration &calibration);

// Predictions from now on use `factors`. Designs simulated with other factors count as not
// simulated since: a race or a chart must not set a calibrated run beside an uncalibrated one.
void SetTrackFactors(Workspace &workspace, const ModelFactors &factors);

// Every track of the logbook, of its runs and its calibrations, each once, sorted.
QStringList LogbookTracks(const Logbook &logbook);

LoggedCalibration ToLogged(const QString &track, const Calibration &calibration, const QDate &date);
Calibration FromLogged(const LoggedCalibration &logged);

} // namespace zindle
