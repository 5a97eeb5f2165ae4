// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design map of a sweep in a widget: the chart painter fills the widget, a tooltip tells the
// values of the cell under the mouse, and a click on a cell that ran reports its combination.

#include "app/ParallelSweep.h"
#include "charts/DesignMap.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace zindle {

class DesignMapView : public QWidget {
    Q_OBJECT
public:
    explicit DesignMapView(QWidget *parent = nullptr);

    // Shows `grid`, the map of `result`, whose combinations the tooltips and clicks tell.
    void showSweep(std::shared_ptr<const ParallelSweepResult> result, DesignMapGrid grid);
    void clear();
    bool hasMap() const { return grid_.has_value(); }
    const DesignMapGrid *grid() const { return grid_ ? &*grid_ : nullptr; }

    // The combination under `point`, an index into the sweep's cells; nothing outside the
    // cells or on one not run.
    std::optional<int> combinationAt(const QPointF &point) const;
    // The tooltip of the map cell under `point`, empty outside the cells.
    QString toolTipAt(const QPointF &point) const;
    // The middle of map cell `mapCell` in widget coordinates (tests, screenshots).
    QPointF cellCentre(int mapCell) const;

    // Wider than high: the title and the colour scale share the top band.
    QSize sizeHint() const override { return {700, 440}; }
    // Small enough that the dialog with its map fits a 1024x600 screen.
    QSize minimumSizeHint() const override { return {360, 160}; }

signals:
    // A cell that ran was clicked: `combination` indexes the sweep's cells.
    void combinationClicked(int combination);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRectF area() const { return QRectF(rect()); }

    std::optional<DesignMapGrid> grid_;
    std::shared_ptr<const ParallelSweepResult> sweep_;
};

} // namespace zindle
