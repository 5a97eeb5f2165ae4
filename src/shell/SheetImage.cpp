// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace zindle {

SheetImage::SheetImage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image"));
    setAccessibleName(QStringLiteral("Drawing sheet"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(1, 1);
    // Hovering over a part highlights it, so moves count without a button held.
    setMouseTracking(true);
}

void SheetImage::fitCanvas()
{
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (canvas_.size() != wanted)
        canvas_ = QImage(wanted, QImage::Format_RGB32);
}

void SheetImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!canvas_.isNull())
        painter.drawImage(0, 0, canvas_);
}

void SheetImage::mousePressEvent(QMouseEvent *event)
{
    if (mouse_ && event->button() == Qt::LeftButton)
        mouse_->ImageMouseDown(event->position().toPoint());
}

void SheetImage::mouseMoveEvent(QMouseEvent *event)
{
    if (mouse_)
        mouse_->ImageMouseMove(event->position().toPoint());
}

void SheetImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (mouse_ && event->button() == Qt::LeftButton)
        mouse_->ImageMouseUp(event->position().toPoint());
}

void SheetImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The double-click's second press is not a press of its own: the first click has been
    // recorded already, and the double-click ends the tool.
    if (mouse_ && event->button() == Qt::LeftButton)
        mouse_->ImageDblClick(event->position().toPoint());
}

void SheetImage::leaveEvent(QEvent *event)
{
    if (mouse_)
        mouse_->ImageMouseLeave();
    QWidget::leaveEvent(event);
}

} // namespace zindle
