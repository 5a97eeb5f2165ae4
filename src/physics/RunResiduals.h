// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far a prediction (the run with coasting) lies from the runs a class measured with the
// built car, one number in seconds per timed mark and per resting distance.
//
// A mark the prediction reaches: predicted time minus measured time. A mark it never reaches is
// a miss whose size is the distance left (the mark less where the predicted car stood still),
// turned into seconds at the pace the real car kept to it, plus however late the prediction
// already was when it stopped; so a mark just missed costs what a mark reached at a crawl
// costs, and the fit sees no cliff between the two. A resting distance: predicted less measured,
// in seconds at the same pace. Dividing by the car's pace puts a foot of error at the rest on
// the footing of the time the car needs for a foot, which is how far apart a stopwatch and a
// tape measure can honestly be; weighting feet against seconds by any other constant would
// favour one kind of observation for every car, fast or slow.

#include "model/MeasuredRun.h"
#include "physics/Coast.h"

#include <vector>

namespace zindle {

// The pace, ft/s, that turns the run's distances into seconds: the real car's average speed to
// its last timed mark; a run timed at no mark takes `fallbackPace` (the design's predicted pace).
double RunPace(const MeasuredRun &run, double fallbackPace);

// The average speed of a prediction while its spring drives it, ft/s; 1 for a car that the
// spring does not move (there is no pace to speak of, and seconds then stand for feet).
double PoweredPace(const CoastedRun &prediction);

// Appends one residual, s, per mark and one for the resting distance when the run has one.
void AppendResiduals(const CoastedRun &prediction, const MeasuredRun &run, double pace, std::vector<double> &out);

// Marks plus resting distances: the number of residuals the run gives.
int ObservationCount(const MeasuredRun &run);

} // namespace zindle
