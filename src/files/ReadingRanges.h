// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ranges a design file's numbers must keep for the geometry to be computable at all. A
// file is refused, naming the value, only for what no later step could handle: numbers beyond
// any size a foam-board car can have, points far off the sheet, weights heavier than a weight
// can be. Everything else (a friction of 0, wheels smaller than their axles, sizes the part
// fields would refuse when typed, texts that are not numbers) is read as it is, and the
// physics says what it makes of it.

#include "model/DesignRecord.h"

#include "FileText.h"

#include <QString>

namespace zindle {

// Sheet points are kept within MaxSheetCoordinate of the sheet's corner.
// Inches, for every length the design holds (part sizes, board and spring thickness).
inline constexpr float MaxLengthInches = 1000.0f;
// Pounds, as the weight dialog accepts.
inline constexpr float MaxWeightMass = 1.0f;
// Any other number a design holds (densities, torques, frictions, preferences).
inline constexpr float MaxOtherNumber = 1.0e6f;

// Each throws DesignFileError naming the value when it is out of its range. Texts that are not
// numbers pass: they are kept as text.
void CheckCoordinate(int value, const FileText &what);
void CheckPositionInches(float value, const FileText &what);
void CheckPositionPoints(float value, const FileText &what);
void CheckLengthText(const QString &text, const FileText &what);
void CheckNumberText(const QString &text, const FileText &what);
void CheckWeightMass(float mass, int weight);

} // namespace zindle
