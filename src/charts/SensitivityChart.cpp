// SPDX-License-Identifier: GPL-3.0-or-later
#include "SensitivityChart.h"
#include "SeriesPalette.h"

#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SensitivityChart)
};

// Positive when the step helps: less time, or more distance.
double benefit(const SensitivityEntry &entry)
{
    if (entry.timeChange)
        return -*entry.timeChange;
    return entry.distanceChange.value_or(0.0);
}

} // namespace

QColor sensitivityColour(bool helps) { return helps ? SeriesBluishGreen : SeriesVermillion; }

void paintSensitivityChart(QPainter &painter, const QRectF &area, const SensitivityResult &result,
                           const SensitivityChartOptions &options)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    const bool time = result.measure == SensitivityMeasure::Time;
    const QString what = time ? Texts::tr("What a small change does to the time to 15 ft")
                              : Texts::tr("What a small change does to the distance reached");
    const QString title =
        options.designName.isEmpty() ? what : Texts::tr("%1: %2").arg(printableText(options.designName), what);
    const double pad = chartFontPixels(area);
    painter.setFont(chartFont(area, 1.1, true));
    painter.setPen(QColor(30, 30, 30));
    const double titleHeight = QFontMetricsF(painter.font()).height() * 1.6;
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignCenter, title);

    const QFont font = chartFont(area, 0.9);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const int rows = static_cast<int>(result.ranked.size());
    const double legendHeight = metrics.height() * 2.0;
    const double rowsTop = area.top() + titleHeight;
    const double line = rows > 0 ? std::min(metrics.height() * 2.4, (area.height() - titleHeight - legendHeight) / rows)
                                 : metrics.height();

    std::vector<QString> labels;
    double labelWidth = 0.0;
    for (int index : result.ranked) {
        const SensitivityEntry &entry = result.inputs[static_cast<size_t>(index)];
        labels.push_back(ShownSensitivityCaption(entry));
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(labels.back()));
    }
    double largest = 0.0;
    for (const SensitivityEntry &entry : result.inputs)
        if (!entry.stepFallsShort)
            largest = std::max(largest, std::fabs(benefit(entry)));
    largest = std::max(largest, 1e-9);
    const double barsLeft = area.left() + pad + labelWidth + pad;
    const double barsWidth = std::max(20.0, area.right() - pad - barsLeft);
    const double zero = barsLeft + barsWidth / 2.0;
    // Half the width for the longest bar less room for its label on the outer side.
    const double reach = barsWidth / 2.0 * 0.55;

    for (int row = 0; row < rows; ++row) {
        const SensitivityEntry &entry = result.inputs[static_cast<size_t>(result.ranked[static_cast<size_t>(row)])];
        const double y = rowsTop + row * line;
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QRectF(area.left() + pad, y, labelWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                         labels[static_cast<size_t>(row)]);
        const double value = benefit(entry);
        const bool helps = value > 0.0 && !entry.stepFallsShort;
        const double length = entry.stepFallsShort ? reach : reach * std::fabs(value) / largest;
        const QRectF bar(helps ? zero : zero - length, y + line * 0.25, length, line * 0.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.stepFallsShort ? QBrush(sensitivityColour(false), Qt::BDiagPattern)
                                              : QBrush(sensitivityColour(helps)));
        painter.drawRect(bar);
        painter.setPen(QColor(60, 60, 60));
        const QString text = ShownSensitivityChangeText(entry);
        // The label goes beyond the bar's end, or on the other side of the zero line when that
        // is where the room is; a label longer than either side is cut short at its end
        // rather than at its start, where the step's sign and size are.
        const double besideBar = helps || entry.effect() == 0.0 ? area.right() - (zero + length) - pad * 0.4
                                                                : (zero - length) - barsLeft - pad * 0.4;
        const double otherSide = helps || entry.effect() == 0.0 ? zero - barsLeft - pad * 0.4 : area.right() - zero - pad * 0.4;
        const double textWidth = metrics.horizontalAdvance(text);
        const bool onBarSide = textWidth <= besideBar || besideBar >= otherSide;
        const bool right = (helps || entry.effect() == 0.0) == onBarSide;
        const double room = std::max(0.0, onBarSide ? besideBar : otherSide);
        const QString shown = metrics.elidedText(text, Qt::ElideRight, room);
        if (right)
            painter.drawText(QRectF(helps ? bar.right() + pad * 0.4 : zero + pad * 0.4, y, room, line),
                             Qt::AlignLeft | Qt::AlignVCenter, shown);
        else
            painter.drawText(QRectF((helps ? zero : bar.left()) - pad * 0.4 - room, y, room, line),
                             Qt::AlignRight | Qt::AlignVCenter, shown);
    }
    painter.setPen(QPen(QColor(90, 90, 90), 1.0));
    painter.drawLine(QPointF(zero, rowsTop), QPointF(zero, rowsTop + rows * line));

    // The legend: a swatch of each side's colour under the bars.
    const double legendY = rowsTop + rows * line + legendHeight * 0.25;
    const QString helpsText = time ? Texts::tr("The step saves time") : Texts::tr("The step goes farther");
    const QString hurtsText = time ? Texts::tr("The step costs time") : Texts::tr("The step falls shorter");
    double x = barsLeft;
    for (const auto &[text, helps] : {std::pair{helpsText, true}, std::pair{hurtsText, false}}) {
        const double swatch = metrics.height() * 0.8;
        painter.setPen(Qt::NoPen);
        painter.setBrush(sensitivityColour(helps));
        painter.drawRect(QRectF(x, legendY + (metrics.height() - swatch) / 2.0, swatch, swatch));
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QPointF(x + swatch * 1.4, legendY + metrics.ascent()), text);
        x += swatch * 1.4 + metrics.horizontalAdvance(text) + pad * 2.0;
    }
    painter.restore();
}

} // namespace zindle
