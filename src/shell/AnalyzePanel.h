// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Analyze mode's state panel: the masses, the spring's maximum torque and revolutions, and
// the element size of the mass analysis.

#include "ModePanel.h"

#include <vector>

class QGroupBox;
class QSlider;

namespace zindle {

class MainWindow;
class ResultFieldsView;

class AnalyzePanel : public ModePanel {
    Q_OBJECT
public:
    AnalyzePanel(MainWindow &window, ResultFieldsView &results, QWidget *parent);

    void enter() override;
    void leave() override;
    // Puts the slider where the design's element size is, without acting on it.
    void syncSlider();
    QSlider *slider() const { return slider_; }

    // The force picture's widgets, shown on the sheet in Analyze and Simulate mode.
    std::vector<QWidget *> forceWidgets;

private:
    MainWindow &window_;
    QGroupBox *elementSizeGroupBox_ = nullptr;
    QSlider *slider_ = nullptr;
    bool syncing_ = false;
};

} // namespace zindle
