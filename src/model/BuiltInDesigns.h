// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five designs that come with the program, rebuilt by code whenever they are selected.

#include "DesignRecord.h"

#include <QString>
#include <random>

namespace zindle {

inline constexpr int BuiltInDesignCount = 5;

// Stored names of entries 0 to 4 ("Default Design", "Racer", "Pickup", "Tow Truck", "Wheelie").
QString builtInDesignName(int slot);
// The list shows slot 0 as "Default design"; the other items equal their names.
QString builtInDesignItemText(int slot);
// Slot of the built-in with this stored name, or -1.
int builtInDesignSlot(const QString &name);

// Fills the outlines of built-in `slot` into a freshly reset design and sets its drive
// (the Pickup is front-wheel drive). Parameters, materials and weights are left as the reset made them.
void GenerateBuiltInDesign(DesignRecord &design, int slot);

// "Untitled design " + two letters A..Y + a number 0..999, e.g. "Untitled design KQ417".
QString newDesignName(std::mt19937 &random);

} // namespace zindle
