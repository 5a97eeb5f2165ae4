// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackFit.h"

#include "ClassStandings.h"
#include "TrackCalibration.h"
#include "files/PathText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zindle {

namespace {

// The command line says each design left out as a reason; the window's report gives each as a
// note of its own.
constexpr const char *Context = "TrackFit";
const char *const NotInFolder =
    QT_TRANSLATE_NOOP("TrackFit", "the runs of %1 are left out: its file \"%2\" is not in %3");
const char *const ShownNotInFolder =
    QT_TRANSLATE_NOOP("TrackFit", "Note: the runs of %1 are left out: its file \"%2\" is not in %3.");
const char *const CannotRun =
    QT_TRANSLATE_NOOP("TrackFit", "the runs of %1 are left out: the model cannot run the design");
const char *const ShownCannotRun =
    QT_TRANSLATE_NOOP("TrackFit", "Note: the runs of %1 are left out: the model cannot run the design.");
const char *const LogbookKept = QT_TRANSLATE_NOOP("TrackFit", "%1; the logbook is left as it is");
const char *const NoRuns =
    QT_TRANSLATE_NOOP("TrackFit", "%1 holds no run on \"%2\" of a design the model can run; nothing was fitted");

} // namespace

TrackFit FitTrack(const QString &folder, const QString &trackAsTyped)
{
    TrackFit fit;
    const QString track = trackAsTyped.trimmed();
    fit.logbookPath = QDir(folder).filePath(LogbookFileName);
    LogbookRead read = ReadLogbook(fit.logbookPath);
    if (!read.ok) {
        fit.failure = TrackFit::File;
        fit.error = QString::fromUtf8(LogbookKept).arg(read.error);
        fit.shownError = QCoreApplication::translate(Context, LogbookKept).arg(read.shownError());
        return fit;
    }
    fit.logbook = std::move(read.logbook);

    std::vector<CalibrationDesign> designs;
    for (const LoggedDesign &logged : fit.logbook.designs) {
        std::vector<MeasuredRun> runs = RunsOnTrack(logged, track);
        if (runs.empty())
            continue;
        const QString path = QDir(folder).filePath(logged.file);
        if (logged.file.isEmpty() || !QFileInfo(path).isFile()) {
            const QString name = printableText(logged.name), file = printableText(logged.file);
            fit.leftOut << QCoreApplication::translate(Context, NotInFolder).arg(name, file, printableText(folder));
            fit.shownLeftOut << QCoreApplication::translate(Context, ShownNotInFolder)
                                    .arg(name, file, printableText(folder));
            continue;
        }
        Workspace workspace;
        QString error, warning;
        if (!LoadDesignSource(workspace, path, error, warning, &fit.shownError)) {
            fit.failure = TrackFit::File;
            fit.error = error;
            return fit;
        }
        std::optional<CalibrationDesign> prepared = PrepareCalibrationDesign(workspace, std::move(runs));
        if (!prepared) {
            fit.leftOut << QCoreApplication::translate(Context, CannotRun).arg(printableText(logged.name));
            fit.shownLeftOut << QCoreApplication::translate(Context, ShownCannotRun).arg(printableText(logged.name));
            continue;
        }
        designs.push_back(std::move(*prepared));
        fit.designs << logged.name;
    }
    if (designs.empty()) {
        fit.failure = TrackFit::NoRuns;
        const QString logbook = printableText(fit.logbookPath), shownTrack = printableText(track);
        fit.error = QString::fromUtf8(NoRuns).arg(logbook, shownTrack);
        fit.shownError = QCoreApplication::translate(Context, NoRuns).arg(logbook, shownTrack);
        return fit;
    }
    fit.calibration = Calibrate(designs);
    fit.logbook.storeCalibration(ToLogged(track, fit.calibration, QDate::currentDate()));
    return fit;
}

KeptFit KeepTrackFit(const TrackFit &fit, const QString &track)
{
    KeptFit kept;
    if (!fit.ok()) {
        kept.error = fit.shownError;
        return kept;
    }
    LogbookRead now = ReadLogbook(fit.logbookPath);
    if (!now.ok) {
        kept.error = now.shownError();
        return kept;
    }
    now.logbook.storeCalibration(ToLogged(track, fit.calibration, QDate::currentDate()));
    const WriteOutcome written = WriteLogbook(fit.logbookPath, now.logbook);
    if (!written.ok) {
        kept.error = written.shownError();
        return kept;
    }
    kept.report = ShownCalibrationSentence(track, fit.calibration);
    const QString note = ShownFrictionOnlyNote(fit.calibration);
    if (!note.isEmpty())
        kept.report += QLatin1Char(' ') + note;
    for (const QString &leftOut : fit.shownLeftOut)
        kept.report += QLatin1Char('\n') + leftOut;
    return kept;
}

} // namespace zindle
