// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calibration of one track from a class folder: every design of the folder's logbook with
// runs on the track, read and refreshed on its own workspace, fitted together. Nothing is
// written here; the caller stores the calibration (the command line at once, the window when
// the student asked for it). Runs on no other thread's data, so it may run on a worker.

#include "files/Logbook.h"
#include "physics/Calibration.h"

#include <QString>
#include <QStringList>

namespace zindle {

struct TrackFit {
    enum Failure { None, File, NoRuns } failure = None;
    QString error;          // why nothing was fitted, in English
    QString shownError;     // the same in the window's language
    QString logbookPath;
    QStringList leftOut;    // "the runs of Racer are left out: ...", one per design, translated
    QStringList shownLeftOut; // the same as notes in the window's language: "Note: the runs ... ."
    QStringList designs;    // the names of the designs whose runs were used
    Calibration calibration;
    Logbook logbook;        // as read, with the track's calibration stored in it
    bool ok() const { return failure == None; }
};

TrackFit FitTrack(const QString &folder, const QString &track);
// Keeps a fit the student asked for in the logbook as it is now (the fit read it before it ran,
// and runs written since stay), and says what it found: the calibration's sentence, the
// friction-only note, the designs left out. `error` says why nothing was kept. Both speak the
// window's language.
struct KeptFit {
    QString error;
    QString report;
    bool ok() const { return error.isEmpty(); }
};
KeptFit KeepTrackFit(const TrackFit &fit, const QString &track);

} // namespace zindle
