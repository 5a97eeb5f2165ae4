// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every form of the class standings shares: the columns, a row's cells as the terminal,
// the page and the PDF show them, and the titles of the heats. Names and files are shown with
// their control characters escaped, so that a design's name cannot add a line of its own.

#include "physics/ClassHeats.h"
#include "physics/Standings.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zindle {

// The command line's table speaks English, as the command line does; the page, the PDF and the
// window speak the window's language.
enum class Wording { English, Shown };

// The columns in their order: the captions the window's fields carry, the PDF's narrower ones
// (both English, for the "LeaguePages" translations), and whether the column holds numbers
// (right-aligned). The measured time and its error come after the predicted time, and only where
// `measured` (anyMeasured) says some design has runs.
struct StandingColumn {
    const char *caption, *pdfCaption;
    bool number = false;
    QString worded(Wording wording) const;
    QString pdfWorded(Wording wording) const;
};
std::vector<StandingColumn> standingColumns(bool measured);

QStringList rowCells(const StandingRow &row, bool measured, Wording wording = Wording::English);
// One line for each calibration the predictions were made with, "Predictions calibrated for
// <track>: ..."; a line names the folder of its designs when not every design shares it. The
// calibration's own text is the rows' as it is.
QStringList calibrationNotes(const std::vector<StandingRow> &rows, Wording wording = Wording::English);
// "12 designs, 1 file could not be read".
QString summaryLine(const std::vector<StandingRow> &rows, Wording wording = Wording::English);
// "Round 1, heat 2 of 3 (8 cars)" or "Final (5 cars)".
QString heatTitle(const Heat &heat, const std::vector<Heat> &heats, Wording wording = Wording::English);
// "<lane> <name>: <text>", as the race command prints a lane.
QString laneLine(const HeatLane &lane);
// "Winner: <name>" for the final, "Goes on: <name>" for a heat; empty for an empty heat.
QString winnerLine(const Heat &heat, Wording wording = Wording::English);

} // namespace zindle
