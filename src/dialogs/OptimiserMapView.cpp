// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserMapView.h"

#include <QPainter>
#include <QPainterPath>

namespace zindle {

OptimiserMapView::OptimiserMapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OptimiserMapView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void OptimiserMapView::showMap(OptimiserMap map)
{
    map_ = std::move(map);
    update();
}

void OptimiserMapView::clear()
{
    map_.reset();
    update();
}

void OptimiserMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!map_)
        return;
    const QRectF area(rect());
    paintDesignMap(painter, area, map_->grid);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const auto at = [&](const QPointF &values) { return OptimiserMapPoint(area, *map_, values); };
    const double dot = std::max(1.5, area.height() / 260.0);
    // Dark on every colour of the scale, and white-edged so that it shows on the darkest too.
    painter.setPen(QPen(Qt::white, 0.8));
    painter.setBrush(QColor(40, 40, 40));
    for (const QPointF &sample : map_->samples)
        painter.drawEllipse(at(sample), dot, dot);
    for (const std::vector<QPointF> &path : map_->paths) {
        if (path.empty())
            continue;
        QPainterPath line(at(path.front()));
        for (size_t i = 1; i < path.size(); ++i)
            line.lineTo(at(path[i]));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, dot * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(line);
        painter.setPen(QPen(QColor(20, 20, 120), dot * 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(line);
        painter.setBrush(QColor(20, 20, 120));
        painter.drawEllipse(at(path.back()), dot * 1.8, dot * 1.8);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, dot * 2.4));
    painter.drawEllipse(at(map_->start), dot * 4.0, dot * 4.0);
    painter.setPen(QPen(Qt::black, dot * 1.2));
    painter.drawEllipse(at(map_->start), dot * 4.0, dot * 4.0);
}

} // namespace zindle
