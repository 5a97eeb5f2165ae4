// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalChart.h"

#include "ChartFrame.h"
#include "SeriesPalette.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(JournalChart)
};

const QColor TimeColour = SeriesBlue, ShortColour = SeriesVermillion;

} // namespace

void paintJournalChart(QPainter &painter, const QRectF &area, const DesignJournal &journal)
{
    const auto &versions = journal.versions;
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const JournalVersion &version : versions)
        if (version.reaches15ft && version.timeS) {
            low = any ? std::min(low, *version.timeS) : *version.timeS;
            high = any ? std::max(high, *version.timeS) : *version.timeS;
            any = true;
        }
    if (!any)
        low = 0.0, high = 5.0;
    if (high - low < 0.2) {
        low -= 0.1;
        high += 0.1;
    }
    const double count = static_cast<double>(std::max<size_t>(versions.size(), 1));
    const PlotFrame frame(area, niceAxis(count > 1 ? 1.0 : 0.0, count, 8), niceAxis(std::max(0.0, low - 0.1), high + 0.1, 5));
    frame.paintAxes(painter, Texts::tr("Time to 15 ft over the versions"), Texts::tr("Version"),
                    Texts::tr("Time to 15 ft (s)"));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame.plot().adjusted(-6, -6, 6, 6));
    const double radius = std::clamp(frame.plot().width() / (4.0 * count), 2.0, 4.5);
    // The line breaks at a version that fell short: it joins only times that can be compared.
    QPainterPath line;
    bool drawing = false;
    for (size_t i = 0; i < versions.size(); ++i) {
        const JournalVersion &version = versions[i];
        if (version.reaches15ft && version.timeS) {
            const QPointF at = frame.map(static_cast<double>(i + 1), *version.timeS);
            if (drawing)
                line.lineTo(at);
            else
                line.moveTo(at);
            drawing = true;
        } else {
            drawing = false;
        }
    }
    painter.setPen(QPen(TimeColour, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    bool anyShort = false;
    for (size_t i = 0; i < versions.size(); ++i) {
        const JournalVersion &version = versions[i];
        if (version.reaches15ft && version.timeS) {
            painter.setPen(QPen(TimeColour, 1.0));
            painter.setBrush(TimeColour);
            painter.drawEllipse(frame.map(static_cast<double>(i + 1), *version.timeS), radius, radius);
        } else {
            anyShort = true;
            const QPointF at(frame.mapX(static_cast<double>(i + 1)), frame.plot().bottom() - radius - 1.0);
            painter.setPen(QPen(ShortColour, 2.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(at + QPointF(-radius, -radius), at + QPointF(radius, radius));
            painter.drawLine(at + QPointF(-radius, radius), at + QPointF(radius, -radius));
        }
    }
    painter.restore();
    std::vector<LegendEntry> legend{{Texts::tr("Reaches 15 ft"), TimeColour, LegendEntry::Line}};
    if (anyShort)
        legend.push_back({Texts::tr("Stops short of 15 ft (×)"), ShortColour, LegendEntry::Swatch});
    frame.paintLegend(painter, legend, true);
}

} // namespace zindle
