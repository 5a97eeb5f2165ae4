// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnergyChart.h"
#include "SeriesPalette.h"

#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EnergyChart)
};

const std::array<QColor, EnergyTermCount> TermColours{SeriesBlue, SeriesSkyBlue, SeriesOrange, SeriesReddishPurple,
                                                      SeriesBluishGreen};
const std::array<const char *, EnergyTermCount> TermNames{
    QT_TRANSLATE_NOOP("EnergyChart", "Car's motion"), QT_TRANSLATE_NOOP("EnergyChart", "Wheels' share"),
    QT_TRANSLATE_NOOP("EnergyChart", "Rolling friction"), QT_TRANSLATE_NOOP("EnergyChart", "Skidding"),
    QT_TRANSLATE_NOOP("EnergyChart", "Stopping")};

QString termName(int term) { return Texts::tr(TermNames[static_cast<size_t>(term)]); }

std::array<double, EnergyTermCount> termsOf(const EnergyTotals &t)
{
    return {t.carKinetic, t.wheelRotation, t.friction, t.skid, std::max(0.0, t.stopped)};
}

const EnergyStep *stepAt(const EnergyTrace &trace, int timeIndex)
{
    if (trace.steps.empty())
        return nullptr;
    if (timeIndex < 0)
        return &trace.steps.back();
    const EnergyStep *found = &trace.steps.front();
    for (const EnergyStep &step : trace.steps) {
        if (step.timeIndex > timeIndex)
            break;
        found = &step;
    }
    return found;
}

void paintStack(QPainter &painter, const QRectF &area, const EnergyTrace &trace, const EnergyChartOptions &options)
{
    double high = 0.0, timeHigh = 0.01;
    for (const EnergyStep &step : trace.steps) {
        high = std::max(high, step.totals.springDelivered);
        timeHigh = std::max(timeHigh, step.timeIndex / 100.0);
    }
    const PlotFrame frame(area, niceAxis(0.0, timeHigh, 8), niceAxis(0.0, std::max(high, 0.01) * 1.04, 6));
    const QString title = Texts::tr("Where the spring's energy went");
    frame.paintAxes(painter,
                    options.designName.isEmpty() ? title : Texts::tr("%1: %2").arg(printableText(options.designName), title),
                    Texts::tr("Time (s)"), Texts::tr("Energy (ft.lb)"));
    painter.save();
    painter.setClipRect(frame.plot());
    painter.setPen(Qt::NoPen);
    // Each band lies between the sum of the terms below it and that sum with its own.
    for (int term = EnergyTermCount - 1; term >= 0; --term) {
        QPainterPath band;
        band.moveTo(frame.map(0.0, 0.0));
        for (const EnergyStep &step : trace.steps) {
            const auto terms = termsOf(step.totals);
            double top = 0.0;
            for (int below = 0; below <= term; ++below)
                top += terms[static_cast<size_t>(below)];
            band.lineTo(frame.map(step.timeIndex / 100.0, top));
        }
        if (!trace.steps.empty())
            band.lineTo(frame.map(trace.steps.back().timeIndex / 100.0, 0.0));
        band.closeSubpath();
        painter.setBrush(TermColours[static_cast<size_t>(term)]);
        painter.drawPath(band);
    }
    if (options.markedTimeIndex >= 0) {
        painter.setPen(QPen(QColor(60, 60, 60), 1.2, Qt::DashLine));
        const double x = frame.mapX(options.markedTimeIndex / 100.0);
        painter.drawLine(QPointF(x, frame.plot().top()), QPointF(x, frame.plot().bottom()));
    }
    painter.restore();
    std::vector<LegendEntry> legend;
    for (int term = EnergyTermCount - 1; term >= 0; --term)
        legend.push_back({termName(term), TermColours[static_cast<size_t>(term)],
                          LegendEntry::Swatch});
    frame.paintLegend(painter, legend);
}

void paintBars(QPainter &painter, const QRectF &area, const QFont &font, const EnergyTrace &trace,
               const EnergyChartOptions &options)
{
    const EnergyStep *step = stepAt(trace, options.markedTimeIndex);
    const EnergyTotals totals = step ? step->totals : EnergyTotals{};
    const auto terms = termsOf(totals);
    const double delivered = std::max(totals.springDelivered, 1e-9);
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height() * 1.4;
    double labelWidth = 0.0;
    for (int term = 0; term < EnergyTermCount; ++term)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(termName(term)));
    const double barLeft = area.left() + labelWidth + metrics.height();
    const double barWidth = std::max(10.0, area.right() - barLeft - metrics.horizontalAdvance(QStringLiteral("0.000 ft.lb (100 %)")) - metrics.height());
    double y = area.top() + metrics.height() * 0.5;
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRectF(area.left(), y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     Texts::tr("At %1 s: the spring has delivered %2 ft.lb")
                         .arg(text00((step ? step->timeIndex : 0) / 100.0), fixedText(totals.springDelivered, 3)));
    y += line;
    for (int term = 0; term < EnergyTermCount; ++term) {
        const double value = terms[static_cast<size_t>(term)];
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QRectF(area.left(), y, labelWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                         termName(term));
        painter.setPen(Qt::NoPen);
        painter.setBrush(TermColours[static_cast<size_t>(term)]);
        const double width = barWidth * std::clamp(value / delivered, 0.0, 1.0);
        painter.drawRect(QRectF(barLeft, y + line * 0.2, width, line * 0.6));
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QRectF(barLeft + width + metrics.height() * 0.4, y, area.right() - barLeft - width, line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1 ft.lb (%2 %)").arg(fixedText(value, 3), fixedText(value / delivered * 100.0, 0)));
        y += line;
    }
    painter.restore();
}

} // namespace

QColor energyTermColour(int term) { return TermColours[static_cast<size_t>(std::clamp(term, 0, EnergyTermCount - 1))]; }

void paintEnergyChart(QPainter &painter, const QRectF &area, const EnergyTrace &trace, const EnergyChartOptions &options)
{
    // The stack above, the bars below in the stack's own lettering: a line per term.
    const QFont font = chartFont(area, 0.9);
    const double barsHeight =
        std::min(area.height() * 0.45, QFontMetricsF(font).height() * 1.4 * (EnergyTermCount + 1.5));
    paintStack(painter, QRectF(area.left(), area.top(), area.width(), area.height() - barsHeight), trace, options);
    paintBars(painter, QRectF(area.left() + chartFontPixels(area), area.bottom() - barsHeight,
                              area.width() - 2 * chartFontPixels(area), barsHeight),
              font, trace, options);
}

} // namespace zindle
