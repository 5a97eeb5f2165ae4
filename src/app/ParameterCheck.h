// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check every part size and both preference values must pass before they are taken into
// the design: one routine, so that a field can be refused for another field's value.

#include "model/Prompter.h"

#include <QString>

namespace zindle {

struct ParameterTexts {
    QString DriveWhlDia, OtherWhlDia, DriveAxleDia, DriveAxleLength, OtherAxleDia, OtherAxleLength;
    QString SpringWidth, SpringLength, CaseRatio, Friction;
    QString CaseOuterD; // the build step's case outer diameter (inches)
};

// Shows the message of the first failing check (caption "Please try again.") and returns false;
// returns true when every value is acceptable.
bool ValidateParameters(const ParameterTexts &texts, Prompter &prompter);

} // namespace zindle
