// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class standings written out: a terminal table, CSV, a self-contained HTML page and a PDF
// for printing. The page and the PDF carry the table, the distance-time chart of the first
// eight cars and each car's side view; the heats when they were raced.

#include "physics/ClassHeats.h"
#include "physics/Standings.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace zindle {

// The first eight rows that ran, in standing order: the cars the chart shows.
std::vector<const StandingRow *> chartedRows(const std::vector<StandingRow> &rows);
// The distance-time chart of those cars, `size` pixels.
QImage standingsChartImage(const std::vector<StandingRow> &rows, const QSize &size);

// Columns padded to their widest cell; files that could not be read listed after the table.
// Under a challenge, a line on its scoring first and its columns after the others.
QString standingsTable(const std::vector<StandingRow> &rows, const Challenge *challenge = nullptr);
// Every heat with its places, one "<lane> <name>: <text>" line per car as the race command
// prints, and the heat's winner.
QString heatsText(const std::vector<Heat> &heats, const std::vector<StandingRow> &rows);

// One line per row (unreadable files included, with their reason in the last column), the
// values as the result fields hold them.
QByteArray standingsCsv(const std::vector<StandingRow> &rows);
// Every picture inline as a data: URI, so that the page needs nothing but itself.
// Under a challenge, its columns as the table has them, a failing cell marked.
QByteArray standingsHtml(const std::vector<StandingRow> &rows, const std::vector<Heat> &heats,
                         const Challenge *challenge = nullptr);
// US Letter pages; false (with nothing in `pdf`) when the document could not be made.
bool standingsPdf(const std::vector<StandingRow> &rows, const std::vector<Heat> &heats, QByteArray &pdf,
                  const Challenge *challenge = nullptr);

} // namespace zindle
