// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One cell of a CSV file that others open in a spreadsheet. A text that begins with "=", "+",
// "-", "@", a tab or a carriage return would be taken for a formula there (a design named
// =HYPERLINK(...) becomes a live link), so such a text gets an apostrophe in front, which the
// spreadsheet shows as text. A cell with a comma, quote or line end is quoted.

#include <QString>

namespace zindle {

// A text column: names, files, advisories, captions, display texts such as "[1.37]".
QString csvTextCell(const QString &text);

// A number column: a plain decimal number (a negative one included) stays a number; anything
// else in it is written as text would be.
QString csvNumberCell(const QString &text);

} // namespace zindle
