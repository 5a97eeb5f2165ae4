// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The weight and front-axle tools without widgets: what the "How heavy?" dialog accepts, where
// a new weight goes, which weight a click removes, and where a click puts the front axle.

#include "geometry/SheetScale.h"
#include "model/DesignRecord.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

namespace zindle {

// What the tools say to a person, in the language the program speaks.
QString WeightLimitMessage();
QString NoFrontAxleMessage();

// The mass typed into "How heavy?", or nothing when it must be refused. The limits are compared
// in single precision, so 1, -1, 0.0001 and -0.0001 pass while 0.00009 and 1.01 do not.
std::optional<float> AcceptWeightMass(const QString &text);

// Puts a weight of `mass` at sheet point `at` into the first free slot. Returns the slot index
// (0-based), or -1 when all 256 slots are taken (the dialog then beeps and stays open).
int AddWeight(DesignRecord &design, QPoint at, float mass);

// Removes the first weight, in slot order, whose drawn rectangle contains the pixel.
// Returns the slot index removed, or -1.
int RemoveWeightAt(DesignRecord &design, QPoint pixel);

// A press at `pixel` while placing the front axle: inside `allowed` (the screen rectangle from
// the drive axle's centre to the right edge of the drawing area) it moves the axle and returns
// true; outside nothing changes.
bool PlaceFrontAxle(DesignRecord &design, QPoint pixel, const QRect &allowed, const SheetScale &scale);

} // namespace zindle
