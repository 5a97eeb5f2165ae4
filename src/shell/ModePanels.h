// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The strip above the sheet with one state panel per mode, stacked; only the current mode's
// panel is up. Each panel lives in its own file; this keeps them together by mode number.

#include "model/Modes.h"

#include <QColor>
#include <array>

class QWidget;

namespace zindle {

class AnalyzePanel;
class BuildPanel;
class DesignPanel;
class MainWindow;
class ModePanel;
class PreviewPanel;
class ResultFieldsView;

class ModePanels {
public:
    // Builds every panel into `area`; the Design panel is the one up.
    ModePanels(MainWindow &window, ResultFieldsView &results, QWidget *area);

    void leave(SheetMode mode);
    void enter(SheetMode mode);
    // Every panel takes the background colour; the Design tools are grey outside Design mode.
    void applyColours(const QColor &background, SheetMode currentMode);

    DesignPanel *design() const { return design_; }
    BuildPanel *build() const { return build_; }
    AnalyzePanel *analyze() const { return analyze_; }
    PreviewPanel *preview() const { return preview_; }

private:
    ModePanel *panelOf(SheetMode mode) const;

    DesignPanel *design_ = nullptr;
    BuildPanel *build_ = nullptr;
    AnalyzePanel *analyze_ = nullptr;
    PreviewPanel *preview_ = nullptr;
    std::array<ModePanel *, ModeCount> panels_{}; // by mode number; null for a mode without a panel
};

} // namespace zindle
