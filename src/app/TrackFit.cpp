// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackFit.h"

#include "ClassStandings.h"
#include "TrackCalibration.h"
#include "files/PathText.h"

#include <QDir>
#include <QFileInfo>

namespace zindle {

TrackFit FitTrack(const QString &folder, const QString &trackAsTyped)
{
    TrackFit fit;
    const QString track = trackAsTyped.trimmed();
    fit.logbookPath = QDir(folder).filePath(LogbookFileName);
    LogbookRead read = ReadLogbook(fit.logbookPath);
    if (!read.ok) {
        fit.failure = TrackFit::File;
        fit.error = read.error + QStringLiteral("; the logbook is left as it is");
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
            fit.leftOut << QStringLiteral("the runs of %1 are left out: its file \"%2\" is not in %3")
                               .arg(printableText(logged.name), printableText(logged.file), printableText(folder));
            continue;
        }
        Workspace workspace;
        QString error, warning;
        if (!LoadDesignSource(workspace, path, error, warning)) {
            fit.failure = TrackFit::File;
            fit.error = error;
            return fit;
        }
        std::optional<CalibrationDesign> prepared = PrepareCalibrationDesign(workspace, std::move(runs));
        if (!prepared) {
            fit.leftOut << QStringLiteral("the runs of %1 are left out: the model cannot run the design")
                               .arg(printableText(logged.name));
            continue;
        }
        designs.push_back(std::move(*prepared));
        fit.designs << logged.name;
    }
    if (designs.empty()) {
        fit.failure = TrackFit::NoRuns;
        fit.error = QStringLiteral("%1 holds no run on \"%2\" of a design the model can run; nothing was fitted")
                        .arg(printableText(fit.logbookPath), printableText(track));
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
        kept.error = fit.error;
        return kept;
    }
    LogbookRead now = ReadLogbook(fit.logbookPath);
    if (!now.ok) {
        kept.error = now.error;
        return kept;
    }
    now.logbook.storeCalibration(ToLogged(track, fit.calibration, QDate::currentDate()));
    const WriteOutcome written = WriteLogbook(fit.logbookPath, now.logbook);
    if (!written.ok) {
        kept.error = written.error;
        return kept;
    }
    kept.report = ShownCalibrationSentence(track, fit.calibration);
    const QString note = ShownFrictionOnlyNote(fit.calibration);
    if (!note.isEmpty())
        kept.report += QLatin1Char(' ') + note;
    for (const QString &leftOut : fit.leftOut)
        kept.report += QStringLiteral("\nNote: ") + leftOut + QLatin1Char('.');
    return kept;
}

} // namespace zindle
