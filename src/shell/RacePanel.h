#pragma once
// The Race mode's state panel: the race playback speed.

#include "ModePanel.h"

namespace zindle {

class RacePanel : public ModePanel {
    Q_OBJECT
public:
    explicit RacePanel(QWidget *parent);
};

} // namespace zindle
