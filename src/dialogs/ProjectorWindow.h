// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race day full-screen on the projector (output/ProjectorPage.h); Escape leaves it.
#include "output/ProjectorPage.h"

#include <QWidget>

namespace zindle {

class ProjectorWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProjectorWindow(QWidget *owner);
    void show(const ProjectorState &state);
    using QWidget::show;
    const ProjectorState &state() const { return state_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ProjectorState state_;
};

} // namespace zindle
