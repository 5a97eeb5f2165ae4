// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row of mode buttons (Design, Build, Analyze, Simulate, Race, Preview, Print) with their
// help captions underneath. The button of the current mode stays down.

#include "model/Modes.h"

#include <array>

class QBoxLayout;
class QToolButton;
class QWidget;

namespace zindle {

class MainWindow;

class ModeButtons {
public:
    // Builds the buttons on `panel` and adds them to `row`; each one enters its mode.
    ModeButtons(MainWindow &window, QWidget *panel, QBoxLayout *row);

    // Puts down the button of `mode` (nothing for a mode without a button).
    void check(SheetMode mode);

private:
    std::array<QToolButton *, ModeCount> buttons_{}; // by mode number
};

} // namespace zindle
