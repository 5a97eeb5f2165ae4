// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The strip above the sheet shows one state panel per mode. Switching modes leaves the old
// mode's panel and enters the new one's; a panel with more to do than showing and hiding
// itself does it here.

#include <QWidget>

namespace zindle {

class ModePanel : public QWidget {
public:
    using QWidget::QWidget;
    virtual void enter() { show(); }
    virtual void leave() { hide(); }
};

} // namespace zindle
