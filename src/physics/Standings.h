// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class's standings: one row per design run over the course, and the order they finish in.
// Ranking: cars that reach 15 ft by their time, ties by the higher peak speed, then by name (then
// by file, so the order never depends on the reading order); then the cars that ran short of
// the line, farthest first (same ties); then designs the model cannot run; under a challenge the
// cars that break one of its rules follow, in the same order and without a place; files that
// could not be read come last and have no place.
// A challenge's scoring replaces the first two groups: by distance or efficiency every car that
// ran is ranked by its score, greatest first; by a target time the finishers rank by how near
// their time is to it, and the cars short of the line follow, farthest first.

#include "model/Challenge.h"
#include "model/DesignList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

namespace zindle {

struct StandingRow {
    int sourceIndex = 0; // position in the reading order (CollectDesignSources)
    QString source;      // the file as found (or the built-in design's name)
    QString name;        // the design's name
    QString error;       // why the file could not be read; empty when it was read
    QString shownError;  // the same in the window's language
    QString warning;     // what was read but ignored
    QString shownWarning; // the same in the window's language

    bool ran = false;      // the model could run it (see its advisories otherwise)
    bool finished = false; // it reached 15 ft
    // The fields as the window shows them after "View the entire cycle".
    // TopSpeedEF is the speed at the end of the run, PeakSpeedEF the highest; PoweredDistanceEF
    // the distance the spring drove the car (revised down to where a short run stopped).
    QString TimeEF, TopSpeedEF, PeakSpeedEF, PoweredDistanceEF, ProjectedMassEF;
    QStringList advisories;
    // The same, parsed (0 where the field is empty or not a number).
    float time = 0.0f, peakSpeed = 0.0f, distance = 0.0f, mass = 0.0f;

    RaceTrace trace;   // the recorded run, for heats and charts
    // The car as the Design sheet paints it, when asked for, as a PNG file encoded where the
    // design ran: a class of thousands holds its pictures compressed, never as images.
    QByteArray sideViewPng;
    int place = 0;     // 1, 2, ...; 0 for a design that did not run or could not be read

    // The runs the class measured with the built car (the logbook beside the design; on the
    // track asked for, or on every track): how many count, the mean of their times at the
    // 15 ft mark, and the prediction that is compared with, the time to 15 ft with coasting.
    int measuredRuns = 0;
    std::optional<double> measuredTime, coastTime;
    // The time with coasting at StandingsOptions::coastMarkFt, for every design that ran.
    std::optional<double> markCoastTime;
    // How the design was predicted when a track's calibration was applied ("calibrated for
    // ..."); empty for the design's own model.
    QString calibration;

    // Under a challenge: each of its rules checked on the car, in the challenge's order. Only
    // a car that keeps every rule is placed; the others follow the placed cars.
    bool checked = false;
    std::vector<RuleCheck> ruleChecks;
    bool legal() const
    {
        return std::all_of(ruleChecks.begin(), ruleChecks.end(), [](const RuleCheck &c) { return c.passed; });
    }

    // Distance per spring energy (ft per ft.lb), found only where a challenge scores by it.
    std::optional<double> efficiency;
    // The challenge's score (ChallengeScore); none for a car it cannot score.
    std::optional<double> score;

    bool readable() const { return error.isEmpty(); }
    QString shownErrorText() const { return shownError.isEmpty() ? error : shownError; }
};

// Orders the rows as described at the top and numbers the places.
void RankStandings(std::vector<StandingRow> &rows, const ChallengeScoring &scoring = {});

// What the scoring ranks a car by: the time to 15 ft (finishers), the powered distance (every
// car that ran), the seconds off the target time (finishers) or the efficiency; none for a car
// the scoring cannot rank by its score.
std::optional<double> ChallengeScore(const StandingRow &row, const ChallengeScoring &scoring);
// The score as data: the precision of the fields it comes from (a float's), without the digits a
// double would make up ("14.7", not "14.6999998092651").
QString ScoreText(double score);
// Whether a greater score ranks first.
bool GreaterScoreFirst(const ChallengeScoring &scoring);

// A row's values as the standings show them, on the terminal, on the pages and in the window:
// the time to two decimals (an unfinished run's time in brackets, as TimeEF has it), the peak
// speed as PeakSpeedEF, distance to two decimals, mass to three, advisories joined by "; "
// (the reason for a file that could not be read). The measured time to two decimals and its
// error against the time with coasting, "+0.12 s (+8 %)". "-" where there is nothing.
struct StandingTexts {
    QString place, time, peakSpeed, distance, mass, advisories, measured, error;
};
StandingTexts standingTexts(const StandingRow &row);

// Whether any design of the standings has measured runs: only then do they show the measured
// time and its error, so that a class without a logbook sees its standings as before.
bool anyMeasured(const std::vector<StandingRow> &rows);

} // namespace zindle
