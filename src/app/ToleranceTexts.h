// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tolerance study in words, and a tolerance as a person types it: what the command line and
// the Build tolerances window both say and accept.

#include "app/Tolerances.h"

#include <QString>
#include <optional>

namespace zindle {

// "0.0625", "1/16" for inches; "5" or "5%" for a share (returned as 0.05). Nothing for text
// that is no such number or is out of range (inches 0 to 0.5, percent 0 to 50).
std::optional<double> ParseToleranceValue(QString text, bool inches);

// "0.0625 in", "5.0 %".
QString ToleranceValueText(const ToleranceKind &kind, const BuildTolerances &tolerances);

// "Built within these tolerances, your car reaches 15 ft in 1.41 to 1.52 s (9 in 10 builds),
// typically 1.46 s; the friction matters most (62 % of the spread)." In English, as the command
// line prints and writes it.
QString ToleranceSentence(const ToleranceStudy &study);
// The same sentence in the window's language, for a person to read.
QString ShownToleranceSentence(const ToleranceStudy &study);

} // namespace zindle
