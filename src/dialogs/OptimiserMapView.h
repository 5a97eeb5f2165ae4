// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optimiser's design map in a widget: the cells of the designs tried, the samples as dots,
// each local search's way as a line to the best it found, and the student's design as a ring.

#include "app/OptimiserMap.h"

#include <QWidget>
#include <optional>

namespace zindle {

class OptimiserMapView : public QWidget {
public:
    explicit OptimiserMapView(QWidget *parent = nullptr);

    void showMap(OptimiserMap map);
    void clear();
    const OptimiserMap *map() const { return map_ ? &*map_ : nullptr; }

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<OptimiserMap> map_;
};

} // namespace zindle
