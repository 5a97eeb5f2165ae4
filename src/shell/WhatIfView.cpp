// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIfView.h"

#include "MainWindow.h"
#include "DesignKey.h"
#include "dialogs/WhatIfWindow.h"

namespace zindle {

void WhatIfView::ShowWhatIf()
{
    if (!whatIf_) {
        whatIf_ = new WhatIfWindow(window_.workers(), &window_);
        QObject::connect(whatIf_, &WhatIfWindow::applyValue, &window_,
                         [this](WhatIfKnob knob, int weight, double value) { apply(knob, weight, value); });
    }
    whatIf_->show();
    whatIf_->raise();
    shownKey_.clear();
    follow();
}

void WhatIfView::follow()
{
    if (!whatIf_ || !whatIf_->isVisible())
        return;
    const Workspace &ws = window_.workspace();
    if (ws.list.CurrentDesign < 0 || ws.list.CurrentDesign >= ws.list.DesignCount())
        return;
    // The sliders start again only when the design (or the one current) really changed, not
    // on every refresh: a student comparing two values keeps the faded run.
    QByteArray key = currentDesignKey(ws);
    if (key == shownKey_)
        return;
    shownKey_ = std::move(key);
    whatIf_->showDesign(ws, ws.list.shownName(ws.list.CurrentDesign));
}

void WhatIfView::apply(WhatIfKnob knob, int weight, double value)
{
    Workspace &ws = window_.workspace();
    DesignEdit edit = window_.history().begin();
    setWhatIfValue(ws.design, knob, weight, whatIfRange(ws.design, knob, weight), value);
    ws.MarkDesignChanged();
    edit.commit(whatIfStepName(knob));
    window_.RefreshMode(0, 0, window_.CurrentMode());
}

} // namespace zindle
