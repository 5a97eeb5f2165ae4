// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProjectorWindow.h"

#include <QKeyEvent>
#include <QPainter>

namespace zindle {

// A window of its own (not a child of the race-day window) so that it can go full-screen on
// the projector while the teacher's screen keeps the race-day window.
ProjectorWindow::ProjectorWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("ProjectorWindow"));
    setWindowTitle(tr("Race Day - Projector"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(1280, 720);
}

void ProjectorWindow::show(const ProjectorState &state)
{
    state_ = state;
    update();
}

void ProjectorWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintProjectorPage(painter, rect(), state_);
}

void ProjectorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zindle
