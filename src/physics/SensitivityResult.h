// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a small change of each input the student controls does to the run: the time to 15 ft,
// or for a car that falls short the distance it reaches. The numbers are computed by
// app/Sensitivity.h; here are the result, its ranking, its sentence and the smooth reading of
// a run that makes small steps show.

#include "physics/RunTrace.h"

#include <QString>
#include <optional>
#include <vector>

namespace zindle {

enum class SensitivityMeasure { Time, Distance };

// Why a step changed nothing: the build step overrode it (a drive wheel enlarged to fit the
// spring's case), or a track calibration's friction stands in for the design's own.
enum class SensitivityHeld { Nothing, Build, Calibration };

// An input's texts as the translations know them (context "Sensitivity"), a weight's number
// still a %1: its caption, its name at the head of a sentence, and its step up and down with the
// step's size as %1 ("%1 larger", "%1 farther back").
struct SensitivityWords {
    const char *caption = "", *subject = "";
    const char *up = QT_TRANSLATE_NOOP("Sensitivity", "%1 larger");
    const char *down = QT_TRANSLATE_NOOP("Sensitivity", "%1 smaller");
};

struct SensitivityEntry {
    QString input;   // stable English key, e.g. "springLength", "weight1Mass"
    QString caption; // in English, e.g. "Spring length", "Weight 1 mass"
    SensitivityWords words;
    int number = 0;  // a weight's number in its words
    QString unit;    // of delta and baseValue: "in", "lb", "lb/in³", "" for the tread's friction
    double baseValue = 0.0;
    double delta = 0.0; // the step taken; negative when the step up was refused
    // Seconds (time measure) or feet (distance measure); nothing for the other measure, and no
    // time when the changed car no longer reaches 15 ft (stepFallsShort).
    std::optional<double> timeChange, distanceChange;
    bool stepFallsShort = false;
    SensitivityHeld held = SensitivityHeld::Nothing;

    // What the ranking orders by: |change|, a step that loses the finish above every other.
    double effect() const;
};

struct SensitivityResult {
    QString message; // why nothing was computed (the model cannot run the design)
    SensitivityMeasure measure = SensitivityMeasure::Time;
    double baseTime = 0.0;     // s, smooth (time measure)
    double baseDistance = 0.0; // ft reached when the spring has unwound
    std::vector<SensitivityEntry> inputs; // in the fixed input order
    std::vector<int> ranked;              // indices into inputs, largest effect first
    QString sentence;                     // on ranked[0]
};

// Largest effect first; equal effects keep the input order.
std::vector<int> RankByEffect(const std::vector<SensitivityEntry> &inputs);

// "The drive wheel diameter matters most: 0.1 in larger saves 0.03 s" (no full stop), in English
// as the command line prints it; empty when nothing was computed. The Shown one is in the
// window's language and carries its full stop.
QString LargestEffectSentence(const SensitivityResult &result);
QString ShownLargestEffectSentence(const SensitivityResult &result);

// One entry's step and change: "+0.1 in: saves 0.031 s", in English and in the window's language.
QString SensitivityChangeText(const SensitivityEntry &entry);
QString ShownSensitivityChangeText(const SensitivityEntry &entry);
// The entry's caption in the window's language.
QString ShownSensitivityCaption(const SensitivityEntry &entry);

// When the run passes `feet`, between the two steps around it (a straight line through them,
// the start at t = 0 and 0 ft); nothing when it never gets there. Unlike the time field, which
// counts whole hundredths, it moves with the smallest change of the design.
std::optional<double> SmoothTimeAtDistance(const RunTrace &run, double feet);
// The distance of the run's last step (0 without steps).
double DistanceReached(const RunTrace &run);

} // namespace zindle
