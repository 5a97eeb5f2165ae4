// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoggedRuns.h"

#include "TrackCalibration.h"
#include "files/PathText.h"
#include "model/BuiltInDesigns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zindle {

namespace {

// A built-in design's name is no file, and whatever logbook lies in the current folder is not its.
bool hasFolder(const QString &source) { return builtInDesignSlot(source) < 0; }

QString folderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

} // namespace

FolderLogbooks ReadFolderLogbooks(const DesignSources &sources)
{
    FolderLogbooks logbooks;
    QStringList seen;
    for (const DesignSource &source : sources.entries) {
        if (!source.refusal.isEmpty() || !hasFolder(source.path))
            continue;
        const QString folder = folderOf(source.path);
        if (seen.contains(folder))
            continue;
        seen << folder;
        LogbookRead read = ReadLogbook(QDir(folder).filePath(LogbookFileName));
        if (read.ok)
            logbooks.folders.emplace(folder, std::move(read.logbook));
        else {
            const char *const leftOut = QT_TRANSLATE_NOOP(
                "LoggedRuns", "%1; the logbook is left as it is, and its runs are left out");
            logbooks.errors << QString::fromUtf8(leftOut).arg(read.error);
            logbooks.shownErrors << QCoreApplication::translate("LoggedRuns", leftOut).arg(read.shownError());
        }
    }
    return logbooks;
}

QStringList ChooseTrack(FolderLogbooks &logbooks, const QString &track)
{
    logbooks.track = track.trimmed();
    QStringList uncalibrated;
    if (logbooks.track.isEmpty())
        return uncalibrated;
    for (const auto &[folder, logbook] : logbooks.folders)
        if (!logbook.calibrationOf(logbooks.track))
            uncalibrated << QCoreApplication::translate("LoggedRuns", "%1 holds no calibration for \"%2\": its designs "
                                                                    "are predicted with their own model")
                                .arg(printableText(QDir(folder).filePath(LogbookFileName)),
                                     printableText(logbooks.track));
    return uncalibrated;
}

QStringList FolderTracks(const FolderLogbooks &logbooks)
{
    QStringList tracks;
    for (const auto &[folder, logbook] : logbooks.folders)
        tracks << LogbookTracks(logbook);
    tracks.removeDuplicates();
    tracks.sort();
    return tracks;
}

DesignRuns LoggedRunsOf(const FolderLogbooks &logbooks, const QString &source, const QString &name)
{
    DesignRuns found;
    if (!hasFolder(source))
        return found;
    const QString folder = folderOf(source);
    const auto it = logbooks.folders.find(folder);
    if (it == logbooks.folders.end())
        return found;
    const Logbook &logbook = it->second;
    if (!logbooks.track.isEmpty())
        found.calibration = logbook.calibrationOf(logbooks.track);
    const DesignMatch match = FindLoggedDesign(logbook, folder, name, QFileInfo(source).fileName());
    if (match.index < 0)
        return found;
    const LoggedDesign &design = logbook.designs[static_cast<size_t>(match.index)];
    if (logbooks.track.isEmpty()) {
        for (const LoggedRun &logged : design.runs)
            found.runs.push_back(logged.run);
    } else {
        found.runs = RunsOnTrack(design, logbooks.track);
    }
    return found;
}

QString ApplyTrackCalibration(const DesignRuns &logged, Workspace &workspace)
{
    if (!logged.calibration)
        return {};
    SetTrackFactors(workspace, FactorsOf(FromLogged(*logged.calibration)));
    return CalibratedForText(*logged.calibration);
}

} // namespace zindle
