// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run of a built car on a real track, as the class measured it: stopwatch times at marks
// along the track, where the car came to rest and what it weighed. The numbers are what the
// students typed, held in double precision so that 0.71 s stays 0.71 s in the logbook; they
// never pass through the single-precision rules of the design's own texts.

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zindle {

struct RunMark {
    double distanceFt = 0.0;
    double timeS = 0.0;
    bool operator==(const RunMark &) const = default;
};

struct MeasuredRun {
    QDate date;
    QString track;              // "Room 12 corridor, tile"
    std::vector<RunMark> marks; // by growing distance once checked
    std::optional<double> restFt;  // where the car came to rest
    std::optional<double> massLbm; // the car on the scale
    QString note;
    bool operator==(const MeasuredRun &) const = default;
};

// Bounds of what a hand-timed run on a classroom track can be.
inline constexpr double MaxMarkTimeS = 100.0;
inline constexpr double MaxTrackFt = 100.0;
inline constexpr double MaxCarMassLbm = 10.0;

// "5:0.71,10:1.20,15:1.62" (feet:seconds, blanks allowed around each number) into marks, in the
// order typed. An empty text gives no marks. On failure `error` says which pair is wrong.
std::optional<std::vector<RunMark>> parseMarks(const QString &text, QString &error);

// A number the user typed for a run; a decimal comma or a letter is refused by name.
std::optional<double> parseRunNumber(const QString &text, const QString &what, QString &error);

// A run as typed, field by field; an empty date is today, an empty rest or mass is none.
struct RunTexts {
    QString date, track, marks, rest, mass, note;
};
// What the fields are called where they were typed ("--rest" on the command line).
struct RunFieldNames {
    QString date, rest, mass;
};
// Parses and checks a run (checkRun); on failure `error` names the field and the rule in the
// window's language: it is only ever said to the person who typed the run.
std::optional<MeasuredRun> parseRunTexts(const RunTexts &texts, const RunFieldNames &names, QString &error);

// A broken rule of a run as its sentence, kept as marked for translation, and the values that
// fill it (numbers with their units, the same in every language).
struct RunRule {
    const char *source = nullptr; // none: the run is sound
    QStringList values;

    bool broken() const { return source != nullptr; }
    QString english() const;
    QString shown() const; // in the window's language
};

// Checks every rule of a run and puts its marks in order of distance. Returns the first broken
// rule, none when the run is sound.
RunRule checkRun(MeasuredRun &run);

// The marks as they are typed: "5:0.71,10:1.2,15:1.62".
QString marksText(const std::vector<RunMark> &marks);

} // namespace zindle
