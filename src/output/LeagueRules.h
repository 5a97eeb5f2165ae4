// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standings under a challenge: the line that says how they are scored, and the columns a
// challenge adds after the others, its score, one per rule (the value measured, marked where
// the car fails it) and whether the car is legal. The gradebook's file, one row per design with
// every value a bare number, is the class CSV.

#include "LeagueColumns.h"
#include "model/Challenge.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace zindle {

// "Challenge "Light": scored by distance, greatest first".
QString scoringLine(const Challenge &challenge, Wording wording = Wording::English);

// "Score", each rule as written, "Legal".
QStringList challengeHeaders(const Challenge &challenge, Wording wording = Wording::English);

struct ChallengeCell {
    QString text;
    bool failed = false; // a rule the car breaks, or Legal "no"
};
// The cells under challengeHeaders for one row; `-` where there is nothing to show.
std::vector<ChallengeCell> challengeCells(const StandingRow &row, const Challenge &challenge,
                                          Wording wording = Wording::English);

// One row per design in the order the files were found: name, file, legal (yes/no), score,
// one column per rule with its value as a bare number (a flag 1 where the car keeps it, 0 where
// not; drive and material as their word), then one empty column per rubric row for the teacher,
// headed by its text and weight. Texts go through the formula-safe cells.
QByteArray classCsv(const std::vector<StandingRow> &rows, const Challenge &challenge);

} // namespace zindle
