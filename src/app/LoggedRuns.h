// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a prediction is compared with: the logbooks beside the designs, each folder's read once
// before any design runs, and for each design its measured runs and, for a track, that track's
// calibration, which the design is then predicted with (ModelFactors: the design's texts stay
// as typed). A damaged logbook is named and left as it is; its designs have no runs.

#include "app/DesignSources.h"
#include "app/Workspace.h"
#include "files/Logbook.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace zindle {

struct FolderLogbooks {
    QString track;                      // empty: the runs on every track, each design's own model
    std::map<QString, Logbook> folders; // by absolute folder: the logbooks read whole
    QStringList errors;                 // one line per damaged logbook, naming the file, in English
    QStringList shownErrors;            // the same in the window's language
};

// The logbooks of the folders of `sources` (built-in designs have none), for no track.
FolderLogbooks ReadFolderLogbooks(const DesignSources &sources);
// Predicts for `track` (blanks around it do not count; empty: no track). Returns a line for each
// logbook that holds no calibration for it, in the window's language: the lines are only said.
QStringList ChooseTrack(FolderLogbooks &logbooks, const QString &track);
// The tracks of every logbook read (LogbookTracks), each once, sorted.
QStringList FolderTracks(const FolderLogbooks &logbooks);

// The design read from `source`, named `name`, as its folder's logbook knows it.
struct DesignRuns {
    std::vector<MeasuredRun> runs;
    const LoggedCalibration *calibration = nullptr;
};
DesignRuns LoggedRunsOf(const FolderLogbooks &logbooks, const QString &source, const QString &name);

// The calibration into the workspace's factors, before its refresh; returns CalibratedForText, or
// empty when there is no calibration.
QString ApplyTrackCalibration(const DesignRuns &logged, Workspace &workspace);

} // namespace zindle
