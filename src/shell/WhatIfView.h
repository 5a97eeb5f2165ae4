// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of "What if": the window made when first shown, given the current design
// again after every refresh that changed it, and a value applied to the design as one undo step.

#include "app/WhatIf.h"

#include <QByteArray>

namespace zindle {

class MainWindow;
class WhatIfWindow;

class WhatIfView {
public:
    explicit WhatIfView(MainWindow &window) : window_(window) {}

    void ShowWhatIf();
    WhatIfWindow *whatIf() const { return whatIf_; }
    // After a refresh, or another design made current.
    void follow();
    void apply(WhatIfKnob knob, int weight, double value);

private:
    MainWindow &window_;
    WhatIfWindow *whatIf_ = nullptr;
    QByteArray shownKey_; // the inputs of the design the window tries changes on
};

} // namespace zindle
