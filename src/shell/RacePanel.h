// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Race mode's state panel: the race playback speed and the legend of the lane colours.

#include "ModePanel.h"

class QLabel;

namespace zindle {

class MainWindow;

class RacePanel : public ModePanel {
    Q_OBJECT
public:
    RacePanel(MainWindow &window, QWidget *parent);
    // The speed label of slider position 0, 1 or 2.
    void showSpeed(int position);

private:
    QLabel *speed_ = nullptr;
};

} // namespace zindle
