// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "What if": one size of the design moved on a slider and the car run again at once, without
// touching the design until the student applies the value. Each knob's range stays inside what
// the part fields would accept, so a value the slider offers can always be applied.

#include "app/Workspace.h"
#include "physics/RunTrace.h"

#include <QString>
#include <array>

namespace zindle {

enum class WhatIfKnob { SpringLength, SpringWidth, DriveWheel, WeightMass, WeightPosition, Friction };
inline constexpr std::array<WhatIfKnob, 6> WhatIfKnobs{WhatIfKnob::SpringLength, WhatIfKnob::SpringWidth,
                                                       WhatIfKnob::DriveWheel,   WhatIfKnob::WeightMass,
                                                       WhatIfKnob::WeightPosition, WhatIfKnob::Friction};

// A slider's values are low + i * step for i = 0 .. steps.
struct WhatIfRange {
    bool available = false; // a weight's knobs need a weight; the value must be a number
    double low = 0.0, step = 1.0;
    int steps = 0;
    int at = 0;             // the step nearest the design's own value
    double value = 0.0;     // the design's own value
    QString caption, unit;  // "Spring length", "in"
    int decimals = 0;       // of the value's text
    double valueAt(int index) const { return low + index * step; }
};

// The knob's range for `design`; `weight` is the slot index of the weight the two weight knobs move.
WhatIfRange whatIfRange(const DesignRecord &design, WhatIfKnob knob, int weight);

// "30 in", "0.125 lb": the value as the slider shows it and as the design would store it.
QString whatIfValueText(const WhatIfRange &range, double value);

// Writes the value into the design as the part field (or the weight tool) would.
void setWhatIfValue(DesignRecord &design, WhatIfKnob knob, int weight, const WhatIfRange &range, double value);

// The undo step's name: "Change spring length", "Move weight", ...
QString whatIfStepName(WhatIfKnob knob);

struct WhatIfRun {
    bool runs = false;
    QString cannotRun;
    RunTrace run;
    QString TimeEF;        // as Simulate shows it ("[3.45]" for a car that falls short)
    QString DriveWhlDia;   // the drive wheel the car was built with (the build may enlarge it)
};

// Runs the car of `copy` (its design already holds the value) through the steps its run depends
// on, as a Simulate refresh would run it; `copy` is the caller's own and is changed.
WhatIfRun RunWhatIf(Workspace &copy);

} // namespace zindle
