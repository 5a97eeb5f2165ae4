// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignMapView.h"

#include "model/NumberText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace zindle {

DesignMapView::DesignMapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DesignMapView"));
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DesignMapView::showSweep(std::shared_ptr<const ParallelSweepResult> result, DesignMapGrid grid)
{
    sweep_ = std::move(result);
    grid_ = std::move(grid);
    update();
}

void DesignMapView::clear()
{
    sweep_.reset();
    grid_.reset();
    update();
}

std::optional<int> DesignMapView::combinationAt(const QPointF &point) const
{
    if (!grid_ || !sweep_)
        return std::nullopt;
    const std::optional<int> cell = designMapCellAt(area(), *grid_, point);
    if (!cell)
        return std::nullopt;
    return sweepCellOfMapCell(*sweep_, *cell);
}

QString DesignMapView::toolTipAt(const QPointF &point) const
{
    if (!grid_ || !sweep_)
        return {};
    const std::optional<int> cell = designMapCellAt(area(), *grid_, point);
    if (!cell)
        return {};
    const std::optional<int> combination = sweepCellOfMapCell(*sweep_, *cell);
    if (!combination)
        return tr("Not run: the sweep stopped before this combination");
    const SweepCell &run = sweep_->cells[static_cast<size_t>(*combination)];
    const QString wheel = run.wheel.left(6);
    QStringList lines;
    if (builtWheel(*sweep_, *combination)) {
        const size_t asked = static_cast<size_t>(sweepCellIndex(*sweep_, *combination).wheel);
        lines << tr("Drive wheel dia %1 in (%2 in asked: enlarged to fit the spring)")
                     .arg(wheel, floatText(sweep_->wheelValues[asked]).left(6));
    } else {
        lines << tr("Drive wheel dia %1 in").arg(wheel);
    }
    lines << tr("Spring length %1 in").arg(run.length.left(6)) << tr("Spring width %1 in").arg(run.width.left(6));
    const DesignMapCell &shown = grid_->cells[static_cast<size_t>(*cell)];
    const QString time = QString::number(double(shown.time), 'f', 2);
    if (shown.kind != DesignMapCell::Finished)
        lines << tr("Does not reach 15 ft %1").arg(run.time);
    else if (*cell == grid_->best)
        lines << tr("Time to 15 ft %1 s (best)").arg(time);
    else
        lines << tr("Time to 15 ft %1 s").arg(time);
    // A disabled map is another design's, or of this one before a change.
    if (isEnabled())
        lines << tr("Click to put these sizes into the design");
    return lines.join(QLatin1Char('\n'));
}

QPointF DesignMapView::cellCentre(int mapCell) const
{
    if (!grid_ || grid_->xValues.empty() || grid_->yValues.empty())
        return {};
    const QRectF plot = designMapPlot(area(), *grid_);
    const double nx = double(grid_->xValues.size()), ny = double(grid_->yValues.size());
    const int x = mapCell % int(grid_->xValues.size()), y = mapCell / int(grid_->xValues.size());
    // The first y value is at the bottom.
    return {plot.left() + (x + 0.5) * plot.width() / nx, plot.bottom() - (y + 0.5) * plot.height() / ny};
}

bool DesignMapView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void DesignMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (grid_)
        paintDesignMap(painter, area(), *grid_);
    // Washed out while its sizes cannot go into the design.
    if (grid_ && !isEnabled())
        painter.fillRect(rect(), QColor(255, 255, 255, 150));
}

void DesignMapView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<int> combination = combinationAt(event->position()))
        emit combinationClicked(*combination);
}

} // namespace zindle
