// SPDX-License-Identifier: GPL-3.0-or-later
#include "TolerancesView.h"

#include "ChartViews.h"
#include "DesignKey.h"
#include "MainWindow.h"
#include "dialogs/TolerancesWindow.h"

namespace zindle {

void TolerancesView::ShowTolerances()
{
    if (!tolerances_) {
        tolerances_ = new TolerancesWindow(window_.workers(), window_.prompter(), &window_);
        // The run charts draw the band of the study just made, or stop drawing one now gone.
        QObject::connect(tolerances_, &TolerancesWindow::studied, &window_,
                         [this] { window_.charts().bandChanged(); });
        QObject::connect(tolerances_, &TolerancesWindow::raceChancesAsked, &window_,
                         [this] { tolerances_->runRaceChances(RaceChanceDesignsOf(window_.workspace())); });
    }
    tolerances_->show();
    tolerances_->raise();
    follow();
}

void TolerancesView::follow()
{
    if (!tolerances_)
        return;
    const Workspace &ws = window_.workspace();
    if (ws.list.CurrentDesign < 0 || ws.list.CurrentDesign >= ws.list.DesignCount())
        return;
    tolerances_->showDesign(ws, ws.list.shownName(ws.list.CurrentDesign), currentDesignKey(ws));
}

std::optional<ToleranceBand> TolerancesView::band() const
{
    if (!tolerances_ || !tolerances_->study() || tolerances_->studyKey() != currentDesignKey(window_.workspace()))
        return std::nullopt;
    return tolerances_->study()->band;
}

} // namespace zindle
