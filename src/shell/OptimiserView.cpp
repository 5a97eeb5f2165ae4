// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserView.h"

#include "ChallengeView.h"

#include "MainWindow.h"
#include "WindowRefreshHooks.h"
#include "dialogs/OptimiserDialog.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OptimiserView)
};

} // namespace

OptimiserView::~OptimiserView()
{
    if (!dialog_)
        return;
    dialog_->abandonSearch();
    dialog_->applyDesign = nullptr;
}

void OptimiserView::ShowOptimiser()
{
    if (!dialog_) {
        dialog_ = new OptimiserDialog(window_.workspace(), window_.workers(), &window_);
        dialog_->applyDesign = [this](const std::vector<OptimiserParameter> &parameters, const OptimiserDesign &design) {
            Workspace &workspace = window_.workspace();
            // The design changed is the workspace's own, which ApplyOptimiserDesign writes.
            return window_.views().changeDesignAndSimulate(
                Texts::tr("Optimiser design"),
                [&workspace, &parameters, &design](DesignRecord &) { ApplyOptimiserDesign(workspace, parameters, design); },
                true);
        };
        dialog_->openChallenge = [this] { return window_.challenges().challenge(); };
    }
    dialog_->show();
    dialog_->raise();
}

} // namespace zindle
