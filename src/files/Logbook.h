// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class's logbook, zindle-log.json beside the designs of one folder: the runs measured on
// real tracks, per design. The design files stay as they are; everything a class learns about
// its built cars goes here. The layout is described in docs/logbook.md.
//
// Fields this release does not know (written by a later one, or by hand) are kept on every
// object that has them and written back unchanged. A logbook that cannot be read whole is
// reported and must not be written over: the reader says so, and the caller stops.

#include "FileErrors.h"
#include "model/MeasuredRun.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace zindle {

inline const QString LogbookFileName = QStringLiteral("zindle-log.json");
inline constexpr int LogbookVersion = 1;
// A class of thirty writing runs all year stays far below this.
inline constexpr qint64 MaxLogbookBytes = 16 * 1024 * 1024;

struct LoggedRun {
    MeasuredRun run;
    QJsonObject unknown;
};

// The runs of one design, known by its name and its file name in the folder.
struct LoggedDesign {
    QString name;
    QString file;
    std::vector<LoggedRun> runs;
    // The student's own guess at the time to 15 ft, s, typed before the model was asked.
    std::optional<double> predictionS;
    QJsonObject unknown;
};

// The model fitted to one track's runs: the friction and the share of the springs' rated
// torque that the class's cars showed there, and how well the fit came out.
struct LoggedCalibration {
    QString track;
    QDate date;
    double friction = 0.0;         // lb
    double springEfficiency = 1.0; // share of the rated torque
    bool frictionFitted = false;
    bool efficiencyFitted = false;
    double rmsBefore = 0.0, rmsAfter = 0.0; // s
    int runs = 0, marks = 0, observations = 0;
    QJsonObject unknown;
};

struct Logbook {
    std::vector<LoggedDesign> designs;
    std::vector<LoggedCalibration> calibrations; // one per track, in the order of the tracks' names
    QJsonObject unknown;

    // The calibration of `track` (blanks around the name do not count), or null.
    const LoggedCalibration *calibrationOf(const QString &track) const;
    // Puts `calibration` in place of the track's earlier one, keeping what that one held unknown.
    void storeCalibration(const LoggedCalibration &calibration);
};

struct LogbookRead {
    bool ok = false;
    bool existed = false; // false: there was no logbook yet, and an empty one was given
    Logbook logbook;
    QString error;        // for a failed read: one line naming the file and what is wrong, in English
    FileText errorText;
    void fail(const FileText &text) { errorText = text; error = text.english(); }
    QString shownError() const { return errorText.isEmpty() ? error : errorText.shown(); }
};

// The logbook of the folder a design file lies in.
QString LogbookPathBeside(const QString &designPath);

// A missing file is an empty logbook; anything else must be read whole or gives an error.
LogbookRead ReadLogbook(const QString &path);
LogbookRead DecodeLogbook(const QByteArray &bytes, const QString &path);

QByteArray EncodeLogbook(const Logbook &logbook);
WriteOutcome WriteLogbook(const QString &path, const Logbook &logbook);

// The entry of a design in the logbook of `folder`: both name and file agree, or else the file
// alone (the design was renamed), or else the name alone when that entry's file is no longer in
// the folder (the file was renamed or moved in); a second design of the same name in another
// file never takes the runs of the first. -1 when none.
struct DesignMatch {
    int index = -1;
    bool nameMatches = false;
    bool fileMatches = false;
};
DesignMatch FindLoggedDesign(const Logbook &logbook, const QString &folder, const QString &name,
                             const QString &file);

} // namespace zindle
