// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackCalibration.h"

#include "RefreshChain.h"
#include "model/NumberText.h"

#include <QCoreApplication>

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

namespace {

// The English texts are what the command line prints and writes as data; the window shows the
// translated ones. The window's sentence carries its own full stop.
constexpr const char *Context = "TrackCalibration";
const char *const Sentence = "On %1 your cars behave as if rolling friction were %2 lb and springs gave %3 % of "
                             "their rated torque; predictions now differ from your runs by %4 s on average";
const char *const ShownSentence = QT_TRANSLATE_NOOP("TrackCalibration",
                                                    "On %1 your cars behave as if rolling friction were %2 lb and "
                                                    "springs gave %3 % of their rated torque; predictions now differ "
                                                    "from your runs by %4 s on average.");
const char *const OneObservation = QT_TRANSLATE_NOOP("TrackCalibration",
                                                     "Only the rolling friction was fitted: 1 timed mark and resting "
                                                     "distance are too few for two factors, so the springs are taken "
                                                     "at their rated torque.");
const char *const Observations = QT_TRANSLATE_NOOP("TrackCalibration",
                                                   "Only the rolling friction was fitted: %1 timed marks and resting "
                                                   "distances are too few for two factors, so the springs are taken at "
                                                   "their rated torque.");
const char *const CalibratedFor =
    QT_TRANSLATE_NOOP("TrackCalibration", "calibrated for %1: friction %2 lb, springs at %3 % of their rated torque");

QString say(const char *source, bool translated)
{
    return translated ? QCoreApplication::translate(Context, source) : QString::fromUtf8(source);
}

QString sentence(const char *source, bool translated, const QString &track, const Calibration &calibration)
{
    const int percent = static_cast<int>(std::lround(calibration.springEfficiency * 100.0));
    return say(source, translated)
        .arg(track.trimmed(), text00(calibration.friction), QString::number(percent), text00(calibration.rmsAfter));
}

QString frictionOnlyNote(const Calibration &calibration, bool translated)
{
    if (calibration.efficiencyFitted)
        return {};
    if (calibration.observations == 1)
        return say(OneObservation, translated);
    return say(Observations, translated).arg(calibration.observations);
}

QString calibratedFor(const LoggedCalibration &calibration, bool translated)
{
    // A thousandth of a pound is finer than any classroom track can tell apart.
    return say(CalibratedFor, translated)
        .arg(calibration.track, doubleText(std::round(calibration.friction * 1000.0) / 1000.0),
             QString::number(std::lround(calibration.springEfficiency * 100.0)));
}

} // namespace

QString CalibrationSentence(const QString &track, const Calibration &calibration)
{
    return sentence(Sentence, false, track, calibration);
}

QString ShownCalibrationSentence(const QString &track, const Calibration &calibration)
{
    return sentence(ShownSentence, true, track, calibration);
}

QString FrictionOnlyNote(const Calibration &calibration) { return frictionOnlyNote(calibration, false); }

QString ShownFrictionOnlyNote(const Calibration &calibration) { return frictionOnlyNote(calibration, true); }

QString CalibratedForText(const LoggedCalibration &calibration) { return calibratedFor(calibration, false); }

QString ShownCalibratedForText(const LoggedCalibration &calibration) { return calibratedFor(calibration, true); }

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
