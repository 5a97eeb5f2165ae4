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

// The captions the window's fields carry, in the order of the columns.
constexpr int StandingColumnCount = 8;
extern const char *const StandingColumnCaptions[StandingColumnCount];

QStringList rowCells(const StandingRow &row);
// "12 designs, 1 file could not be read".
QString summaryLine(const std::vector<StandingRow> &rows);
// "Round 1, heat 2 of 3 (8 cars)" or "Final (5 cars)".
QString heatTitle(const Heat &heat, const std::vector<Heat> &heats);
// "<lane> <name>: <text>", as the race command prints a lane.
QString laneLine(const HeatLane &lane);
// "Winner: <name>" for the final, "Goes on: <name>" for a heat; empty for an empty heat.
QString winnerLine(const Heat &heat);

} // namespace zindle
