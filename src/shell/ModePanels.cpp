// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModePanels.h"

#include "AnalyzePanel.h"
#include "BuildPanel.h"
#include "DesignPanel.h"
#include "PreviewPanel.h"
#include "RacePanel.h"
#include "ShellWidgets.h"
#include "SimulatePanel.h"
#include "sheet/EmptySheet.h"

#include <QVBoxLayout>

namespace zindle {

ModePanels::ModePanels(MainWindow &window, ResultFieldsView &results, QWidget *area)
{
    auto *stack = new QVBoxLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    design_ = new DesignPanel(window, area);
    build_ = new BuildPanel(window, results, area);
    analyze_ = new AnalyzePanel(window, results, area);
    auto *simulate = new SimulatePanel(window, results, analyze_->forceWidgets, area);
    auto *race = new RacePanel(window, area);
    preview_ = new PreviewPanel(window, area);
    panels_[ModeNumber(SheetMode::Design)] = design_;
    panels_[ModeNumber(SheetMode::Build)] = build_;
    panels_[ModeNumber(SheetMode::Analyze)] = analyze_;
    panels_[ModeNumber(SheetMode::Simulate)] = simulate;
    panels_[ModeNumber(SheetMode::Race)] = race;
    panels_[ModeNumber(SheetMode::Preview)] = preview_;
    for (ModePanel *panel : panels_)
        if (panel)
            stack->addWidget(panel);
    for (ModePanel *panel : panels_)
        if (panel && panel != design_)
            panel->hide();
}

ModePanel *ModePanels::panelOf(SheetMode mode) const
{
    return panels_[static_cast<size_t>(ModeNumber(mode))];
}

void ModePanels::leave(SheetMode mode)
{
    if (ModePanel *panel = panelOf(mode))
        panel->leave();
}

void ModePanels::enter(SheetMode mode)
{
    if (ModePanel *panel = panelOf(mode))
        panel->enter();
}

void ModePanels::applyColours(const QColor &background, SheetMode currentMode)
{
    for (ModePanel *panel : panels_)
        setPanelColour(panel, background);
    design_->applyToolColour(background, currentMode == SheetMode::Design);
}

} // namespace zindle
