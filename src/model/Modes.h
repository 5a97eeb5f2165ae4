// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modes of the main window. Their numbers are those the window's first release used (there
// is no mode 2); nothing stores them, but they keep the order the modes are reached in.

namespace zindle {

enum class SheetMode {
    Design = 1, Build = 3, Analyze = 4, Simulate = 5, Race = 6, Preview = 7, Print = 8
};

// The mode's number, for tables indexed by mode.
constexpr int ModeNumber(SheetMode mode) { return static_cast<int>(mode); }
inline constexpr int ModeCount = 9; // numbers 0 .. 8

// The modes whose refresh runs the physics chain.
constexpr bool IsPhysicsMode(SheetMode mode)
{
    return mode == SheetMode::Analyze || mode == SheetMode::Simulate || mode == SheetMode::Race;
}

} // namespace zindle
