// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which input matters most: one horizontal bar per input, largest effect on top, drawn to the
// right of the zero line for a step that helps (saves time, goes farther) and to the left for
// one that hurts, in the colour of its side; each labelled with its caption, its step and what
// the step does.

#include "charts/ChartFrame.h"
#include "physics/SensitivityResult.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace zindle {

struct SensitivityChartOptions {
    QString designName; // in the title when not empty
};

// The bars' colours: a step that helps, one that hurts.
QColor sensitivityColour(bool helps);

void paintSensitivityChart(QPainter &painter, const QRectF &area, const SensitivityResult &result,
                           const SensitivityChartOptions &options = {});

} // namespace zindle
