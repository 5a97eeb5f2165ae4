// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToleranceChart.h"
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
    Q_DECLARE_TR_FUNCTIONS(ToleranceChart)
};

const QColor BarColour = SeriesSkyBlue, MarkColour = SeriesBlue, NominalColour = SeriesOrange,
             ShareColour = SeriesBlue, TextColour(30, 30, 30);

QString reachWords(const ToleranceChartData &data)
{
    const double percent = std::round(data.reachProbability * 100.0);
    if (data.builds == 0)
        return Texts::tr("No builds were run.");
    if (percent >= 100.0 && data.histogram.fallShort == 0)
        return Texts::tr("Every one of %1 builds reaches 15 ft.").arg(data.builds);
    return Texts::tr("%1 % of %2 builds reach 15 ft.").arg(fixedText(percent, 0)).arg(data.builds);
}

void paintHistogram(QPainter &painter, const QRectF &area, const ToleranceChartData &data)
{
    const TimeHistogram &h = data.histogram;
    double low = h.from, high = h.from + h.binWidth * static_cast<double>(h.counts.size());
    for (const std::optional<double> &t : {data.p5, data.p95, data.nominal})
        if (t) {
            low = std::min(low, *t);
            high = std::max(high, *t);
        }
    if (h.counts.empty() && !data.nominal)
        low = 0.0, high = 1.0;
    // A band of one value still gets a visible bar and a readable axis.
    const double width = h.binWidth > 0.0 ? h.binWidth : std::max(0.005, std::abs(low) * 0.005);
    if (high - low < 2.0 * width) {
        low -= width;
        high += width;
    }
    int most = 1;
    for (const int count : h.counts)
        most = std::max(most, count);
    const PlotFrame frame(area, niceAxis(low, high, 7), niceAxis(0.0, most * 1.15, 5));
    const QString title = Texts::tr("Time to 15 ft over the builds");
    frame.paintAxes(painter,
                    data.designName.isEmpty() ? title : Texts::tr("%1: %2").arg(printableText(data.designName), title),
                    Texts::tr("Time to 15 ft (s)"), Texts::tr("Builds"));
    painter.save();
    painter.setClipRect(frame.plot());
    painter.setPen(QPen(Qt::white, 0.5));
    painter.setBrush(BarColour);
    for (size_t b = 0; b < h.counts.size(); ++b) {
        const double from = h.binWidth > 0.0 ? h.from + h.binWidth * static_cast<double>(b) : h.from - width / 2;
        const QPointF topLeft = frame.map(from, h.counts[b]), bottomRight = frame.map(from + width, 0.0);
        painter.drawRect(QRectF(topLeft, bottomRight));
    }
    const auto mark = [&](const std::optional<double> &t, const QColor &colour, Qt::PenStyle style) {
        if (!t)
            return;
        painter.setPen(QPen(colour, 2.0, style));
        const double x = frame.mapX(*t);
        painter.drawLine(QPointF(x, frame.plot().top()), QPointF(x, frame.plot().bottom()));
    };
    mark(data.p5, MarkColour, Qt::DashLine);
    mark(data.p95, MarkColour, Qt::DashLine);
    mark(data.p50, MarkColour, Qt::SolidLine);
    mark(data.nominal, NominalColour, Qt::SolidLine);
    painter.restore();
    const auto seconds = [](const std::optional<double> &t) {
        return t ? text00(*t) + QStringLiteral(" s") : Texts::tr("not reached");
    };
    frame.paintLegend(painter,
                      {{Texts::tr("Builds per time"), BarColour, LegendEntry::Swatch},
                       {Texts::tr("9 in 10 builds: %1 to %2").arg(seconds(data.p5), seconds(data.p95)), MarkColour,
                        LegendEntry::DashedLine},
                       {Texts::tr("Half the builds: %1").arg(seconds(data.p50)), MarkColour, LegendEntry::Line},
                       {Texts::tr("As drawn: %1").arg(seconds(data.nominal)), NominalColour, LegendEntry::Line},
                       {reachWords(data), QColor(0, 0, 0, 0), LegendEntry::Swatch}},
                      true);
}

void paintShares(QPainter &painter, const QRectF &area, const QFont &font, const ToleranceChartData &data)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height() * 1.3;
    double labelWidth = 0.0;
    for (const ToleranceShare &share : data.shares)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(share.caption));
    const double barLeft = area.left() + labelWidth + metrics.height();
    const double barWidth =
        std::max(10.0, area.right() - barLeft - metrics.horizontalAdvance(QStringLiteral("100 %")) - metrics.height());
    double y = area.top() + metrics.height() * 0.3;
    painter.setPen(TextColour);
    painter.drawText(QRectF(area.left(), y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     Texts::tr("What makes the time spread (share of the spread)"));
    y += line;
    for (const ToleranceShare &share : data.shares) {
        painter.setPen(TextColour);
        painter.drawText(QRectF(area.left(), y, labelWidth, line), Qt::AlignRight | Qt::AlignVCenter, share.caption);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ShareColour);
        const double width = barWidth * std::clamp(share.percent / 100.0, 0.0, 1.0);
        painter.drawRect(QRectF(barLeft, y + line * 0.2, width, line * 0.6));
        painter.setPen(TextColour);
        painter.drawText(QRectF(barLeft + width + metrics.height() * 0.4, y, area.right() - barLeft - width, line),
                         Qt::AlignLeft | Qt::AlignVCenter, fixedText(share.percent, 0) + QStringLiteral(" %"));
        y += line;
    }
    painter.restore();
}

} // namespace

void paintToleranceChart(QPainter &painter, const QRectF &area, const ToleranceChartData &data)
{
    const QFont font = chartFont(area, 0.9);
    const double sharesHeight = std::min(area.height() * 0.45,
                                         QFontMetricsF(font).height() * 1.3 * (static_cast<double>(data.shares.size()) + 1.6));
    paintHistogram(painter, QRectF(area.left(), area.top(), area.width(), area.height() - sharesHeight), data);
    paintShares(painter, QRectF(area.left() + chartFontPixels(area), area.bottom() - sharesHeight,
                                area.width() - 2 * chartFontPixels(area), sharesHeight),
                font, data);
}

} // namespace zindle
