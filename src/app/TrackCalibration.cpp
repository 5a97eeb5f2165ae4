// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackCalibration.h"

#include "RefreshChain.h"
#include "model/NumberText.h"

#include <cmath>

namespace zindle {

std::vector<MeasuredRun> RunsOnTrack(const LoggedDesign &design, const QString &track)
{
    std::vector<MeasuredRun> runs;
    for (const LoggedRun &logged : design.runs)
        if (logged.run.track.trimmed() == track.trimmed())
            runs.push_back(logged.run);
    return runs;
}

std::optional<CalibrationDesign> PrepareCalibrationDesign(Workspace &workspace, std::vector<MeasuredRun> runs)
{
    // The fit replaces the factors itself; the refresh must leave the results of the model the
    // runs are compared with, not of an earlier calibration.
    workspace.trackFactors = {};
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    if (workspace.checks.cannotRun())
        return std::nullopt;
    return CalibrationDesign{workspace.design,
                             workspace.catalogue,
                             ParseDesignNumbers(workspace.design, workspace.catalogue),
                             currentBalance(workspace),
                             workspace.results,
                             workspace.forces,
                             std::move(runs)};
}

QString CalibrationSentence(const QString &track, const Calibration &calibration)
{
    const int percent = static_cast<int>(std::lround(calibration.springEfficiency * 100.0));
    return QStringLiteral("On %1 your cars behave as if rolling friction were %2 lb and springs gave %3 % of "
                          "their rated torque; predictions now differ from your runs by %4 s on average")
        .arg(track.trimmed(), text00(calibration.friction), QString::number(percent), text00(calibration.rmsAfter));
}

QString FrictionOnlyNote(const Calibration &calibration)
{
    if (calibration.efficiencyFitted)
        return {};
    return QStringLiteral("Only the rolling friction was fitted: %1 timed mark%2 and resting distance%2 are too few "
                          "for two factors, so the springs are taken at their rated torque.")
        .arg(calibration.observations)
        .arg(calibration.observations == 1 ? QString() : QStringLiteral("s"));
}

QString CalibratedForText(const LoggedCalibration &calibration)
{
    // A thousandth of a pound is finer than any classroom track can tell apart.
    return QStringLiteral("calibrated for %1: friction %2 lb, springs at %3 % of their rated torque")
        .arg(calibration.track, doubleText(std::round(calibration.friction * 1000.0) / 1000.0),
             QString::number(std::lround(calibration.springEfficiency * 100.0)));
}

void SetTrackFactors(Workspace &workspace, const ModelFactors &factors)
{
    const ModelFactors &now = workspace.trackFactors;
    if (now.friction == factors.friction && now.springEfficiency == factors.springEfficiency)
        return;
    workspace.trackFactors = factors;
    for (DesignSlot &entry : workspace.list.entries)
        entry.DesignSimulated = false;
}

QStringList LogbookTracks(const Logbook &logbook)
{
    QStringList tracks;
    for (const LoggedDesign &design : logbook.designs)
        for (const LoggedRun &logged : design.runs)
            tracks << logged.run.track.trimmed();
    for (const LoggedCalibration &calibration : logbook.calibrations)
        tracks << calibration.track.trimmed();
    tracks.removeDuplicates();
    tracks.sort();
    return tracks;
}

namespace {

// The logbook holds the fit's numbers in a type of its own (files lie below physics); both
// carry the same fields.
template <class To, class From>
void copyFit(To &to, const From &from)
{
    to.friction = from.friction;
    to.springEfficiency = from.springEfficiency;
    to.frictionFitted = from.frictionFitted;
    to.efficiencyFitted = from.efficiencyFitted;
    to.rmsBefore = from.rmsBefore;
    to.rmsAfter = from.rmsAfter;
    to.runs = from.runs;
    to.marks = from.marks;
    to.observations = from.observations;
}

} // namespace

LoggedCalibration ToLogged(const QString &track, const Calibration &calibration, const QDate &date)
{
    LoggedCalibration logged;
    logged.track = track.trimmed();
    logged.date = date;
    copyFit(logged, calibration);
    return logged;
}

Calibration FromLogged(const LoggedCalibration &logged)
{
    Calibration calibration;
    copyFit(calibration, logged);
    return calibration;
}

} // namespace zindle
