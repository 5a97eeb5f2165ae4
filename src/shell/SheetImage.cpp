#include "SheetImage.h"

#include <QPainter>

namespace zindle {

SheetImage::SheetImage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(1, 1);
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

} // namespace zindle
