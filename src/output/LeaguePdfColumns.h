// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room a challenge's columns take in the standings' PDF, whose table must fit the width of
// a page however many rules the challenge sets.

#include "model/Challenge.h"
#include "physics/Standings.h"

#include <QFontMetricsF>
#include <QStringList>
#include <vector>

namespace zindle {

// "Score", "R1", "R2", ..., "Legal": a rule's text would not fit a narrow column.
QStringList pdfChallengeHeaders(const Challenge &challenge);
// Each challenge column as wide as its widest cell (header included) at the table's font.
std::vector<double> challengeColumnWidths(const std::vector<StandingRow> &rows, const Challenge &challenge,
                                          const QStringList &headers);
// Appends the challenge's columns to the table's `widths` (points) and makes them all fit
// `usable`; returns the font's size in points.
int fitChallengeColumns(std::vector<double> &widths, const std::vector<double> &needed, double usable);
// "R1 mass <= 0.25;  R2 drive = rear", as many to a line as fit `usable`.
QStringList ruleLegendLines(const Challenge &challenge, const QFontMetricsF &metrics, double usable);

} // namespace zindle
