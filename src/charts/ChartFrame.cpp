// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartFrame.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace zindle {

std::vector<double> NiceAxis::ticks() const
{
    std::vector<double> values;
    if (!(step > 0.0) || !std::isfinite(low) || !std::isfinite(high))
        return values;
    // Counted in steps from the first multiple, so that no error accumulates.
    const double first = std::ceil(low / step - 1e-9);
    for (int i = 0; i < 1000; ++i) {
        const double value = (first + i) * step;
        if (value > high + step * 1e-9)
            break;
        values.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
    }
    return values;
}

NiceAxis niceAxis(double dataLow, double dataHigh, int maxTicks)
{
    NiceAxis axis;
    if (!std::isfinite(dataLow) || !std::isfinite(dataHigh)) {
        dataLow = 0.0;
        dataHigh = 1.0;
    }
    if (dataLow > dataHigh)
        std::swap(dataLow, dataHigh);
    if (dataHigh - dataLow < 1e-12 * std::max(1.0, std::fabs(dataHigh))) {
        // One value: a range around it.
        const double pad = dataHigh == 0.0 ? 1.0 : std::fabs(dataHigh) * 0.1;
        dataLow -= pad;
        dataHigh += pad;
    }
    maxTicks = std::max(2, maxTicks);
    const double rough = (dataHigh - dataLow) / (maxTicks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10.0;
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (power * factor >= rough) {
            step = power * factor;
            break;
        }
    }
    axis.step = step;
    axis.low = std::floor(dataLow / step + 1e-9) * step;
    axis.high = std::ceil(dataHigh / step - 1e-9) * step;
    // Decimals enough for the step (2.5 x 10^-1 needs two).
    const double scaled = step / std::pow(10.0, std::floor(std::log10(step)));
    int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step))));
    if (std::fabs(scaled - 2.5) < 1e-9 && step < 10.0)
        ++decimals;
    axis.decimals = std::min(decimals, 10);
    return axis;
}

QString tickLabel(double value, int decimals)
{
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0; // no "-0.0"
    return QString::number(value, 'f', decimals);
}

double chartFontPixels(const QRectF &area)
{
    return std::clamp(std::min(area.width(), area.height()) / 32.0, 8.0, 16.0);
}

QFont chartFont(const QRectF &area, double scale, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(chartFontPixels(area) * scale))));
    font.setBold(bold);
    return font;
}

PlotFrame::PlotFrame(const QRectF &area, const NiceAxis &x, const NiceAxis &y) : area_(area), x_(x), y_(y)
{
    const double font = chartFontPixels(area);
    const double left = font * 5.0, right = font * 1.5, top = font * 2.6, bottom = font * 3.4;
    plot_ = QRectF(area.left() + left, area.top() + top, std::max(1.0, area.width() - left - right),
                   std::max(1.0, area.height() - top - bottom));
}

double PlotFrame::mapX(double x) const
{
    const double span = x_.high - x_.low;
    return plot_.left() + (span > 0.0 ? (x - x_.low) / span : 0.5) * plot_.width();
}

double PlotFrame::mapY(double y) const
{
    const double span = y_.high - y_.low;
    return plot_.bottom() - (span > 0.0 ? (y - y_.low) / span : 0.5) * plot_.height();
}

QPointF PlotFrame::map(double x, double y) const { return {mapX(x), mapY(y)}; }

void PlotFrame::paintAxes(QPainter &painter, const QString &title, const QString &xTitle,
                          const QString &yTitle) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(plot_, Qt::white);
    const double font = chartFontPixels(area_);
    const double tick = font * 0.4;

    QPen gridPen(QColor(225, 225, 225));
    gridPen.setWidthF(1.0);
    QPen axisPen(QColor(60, 60, 60));
    axisPen.setWidthF(1.0);
    painter.setFont(chartFont(area_));
    const QFontMetricsF metrics(painter.font());

    for (const double value : x_.ticks()) {
        const double px = mapX(value);
        painter.setPen(gridPen);
        painter.drawLine(QPointF(px, plot_.top()), QPointF(px, plot_.bottom()));
        painter.setPen(axisPen);
        painter.drawLine(QPointF(px, plot_.bottom()), QPointF(px, plot_.bottom() + tick));
        const QString label = tickLabel(value, x_.decimals);
        const double w = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(px - w / 2.0 - 2.0, plot_.bottom() + tick, w + 4.0, metrics.height() + 2.0),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
    for (const double value : y_.ticks()) {
        const double py = mapY(value);
        painter.setPen(gridPen);
        painter.drawLine(QPointF(plot_.left(), py), QPointF(plot_.right(), py));
        painter.setPen(axisPen);
        painter.drawLine(QPointF(plot_.left() - tick, py), QPointF(plot_.left(), py));
        const QString label = tickLabel(value, y_.decimals);
        painter.drawText(QRectF(area_.left(), py - metrics.height() / 2.0, plot_.left() - tick - 3.0 - area_.left(),
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.setPen(axisPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot_);

    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRectF(plot_.left(), plot_.bottom() + tick + metrics.height() + 2.0, plot_.width(),
                            metrics.height() * 1.3),
                     Qt::AlignHCenter | Qt::AlignTop, xTitle);
    painter.save();
    painter.translate(area_.left() + metrics.height() * 0.2, plot_.center().y());
    painter.rotate(-90.0);
    painter.drawText(QRectF(-plot_.height() / 2.0, 0.0, plot_.height(), metrics.height() * 1.3),
                     Qt::AlignHCenter | Qt::AlignTop, yTitle);
    painter.restore();

    painter.setFont(chartFont(area_, 1.2, true));
    painter.drawText(QRectF(plot_.left(), area_.top(), plot_.width(), plot_.top() - area_.top()),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
}

void PlotFrame::paintLegend(QPainter &painter, const std::vector<LegendEntry> &entries, bool right, bool bottom) const
{
    if (entries.empty())
        return;
    painter.save();
    painter.setFont(chartFont(area_, 0.9));
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height() * 1.2;
    const double swatch = metrics.height() * 1.6;
    double width = 0.0;
    for (const LegendEntry &entry : entries)
        width = std::max(width, metrics.horizontalAdvance(entry.text));
    width += swatch + metrics.height() * 1.2;
    const double height = line * static_cast<double>(entries.size()) + metrics.height() * 0.5;
    const double margin = metrics.height() * 0.5;
    const QRectF box(right ? plot_.right() - margin - width : plot_.left() + margin,
                     bottom ? plot_.bottom() - margin - height : plot_.top() + margin, width, height);
    painter.setPen(QColor(180, 180, 180));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    double y = box.top() + metrics.height() * 0.25;
    for (const LegendEntry &entry : entries) {
        const QRectF sample(box.left() + metrics.height() * 0.4, y + line * 0.2, swatch, line * 0.6);
        if (entry.kind == LegendEntry::Swatch) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(entry.colour);
            painter.drawRect(sample);
        } else {
            QPen pen(entry.colour);
            pen.setWidthF(std::max(1.5, metrics.height() * 0.15));
            if (entry.kind == LegendEntry::DashedLine)
                pen.setStyle(Qt::DashLine);
            painter.setPen(pen);
            painter.drawLine(QPointF(sample.left(), sample.center().y()), QPointF(sample.right(), sample.center().y()));
        }
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QRectF(sample.right() + metrics.height() * 0.4, y, width, line), Qt::AlignLeft | Qt::AlignVCenter,
                         entry.text);
        y += line;
    }
    painter.restore();
}

} // namespace zindle
