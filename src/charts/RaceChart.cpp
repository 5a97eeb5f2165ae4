// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaceChart.h"

#include "charts/ChartFrame.h"
#include "files/PathText.h"
#include "sheet/RaceTrackPainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RaceChart)
};

const QColor FinishLineColour(210, 30, 30);
const QColor WinnerColour(230, 170, 0);

// Silver and the selected lavender are light on white: each line gets a darker edge of its
// own colour so that it stays visible on paper.
QColor edgeOf(const QColor &colour) { return colour.darker(150); }

QString placeText(int place)
{
    switch (place) {
    case 1: return Texts::tr("1st");
    case 2: return Texts::tr("2nd");
    case 3: return Texts::tr("3rd");
    default: return Texts::tr("%1th").arg(place);
    }
}

} // namespace

void fillLaneFromTrace(RaceChartLane &lane, const RaceTrace &trace)
{
    lane.distance.clear();
    lane.skid.clear();
    for (int i = 0; i < TraceSamples; ++i) {
        const float d = trace.DistanceTrace[static_cast<size_t>(i)];
        if (d == -1.0f) {
            if (i == 0)
                continue; // the start is not a step; a run begins at 0 ft
            break;
        }
        lane.distance.push_back(d);
        lane.skid.push_back(trace.SkidTrace[static_cast<size_t>(i)]);
    }
    if (!lane.distance.empty() && trace.DistanceTrace[0] == -1.0f) {
        lane.distance.insert(lane.distance.begin(), 0.0f);
        lane.skid.insert(lane.skid.begin(), 0);
    }
}

std::vector<RaceChartLane> raceChartLanes(const DesignList &list, const RaceState &race)
{
    std::vector<RaceChartLane> lanes;
    for (int slot = 0; slot < RaceSlots && slot < list.DesignCount(); ++slot) {
        const DesignSlot &entry = list.entries[static_cast<size_t>(slot)];
        if (!entry.DesignSimulated)
            continue;
        const RaceTrace &trace = list.traces[static_cast<size_t>(slot)];
        RaceChartLane lane;
        lane.slot = slot;
        lane.name = entry.DesignName;
        lane.selected = slot == list.CurrentDesign;
        fillLaneFromTrace(lane, trace);
        const RaceLane &state = race.lanes[static_cast<size_t>(slot)];
        lane.place = state.RacePlace;
        lane.finishIndex = state.RacePlace != 0 ? state.RaceClock : -1;
        lanes.push_back(std::move(lane));
    }
    return lanes;
}

void paintRaceChart(QPainter &painter, const QRectF &area, const std::vector<RaceChartLane> &lanes,
                    const QString &highlighted)
{
    double timeHigh = 0.0, distanceHigh = RaceLineFt;
    for (const RaceChartLane &lane : lanes) {
        timeHigh = std::max(timeHigh, (static_cast<double>(lane.distance.size()) - 1.0) / 100.0);
        for (const float d : lane.distance)
            if (std::isfinite(d))
                distanceHigh = std::max(distanceHigh, static_cast<double>(d));
    }
    if (!(timeHigh > 0.0))
        timeHigh = 1.0;
    // Room right of the lines for their names.
    const PlotFrame frame(area, niceAxis(0.0, timeHigh * 1.15, 8), niceAxis(0.0, distanceHigh * 1.04, 6));
    frame.paintAxes(painter, Texts::tr("Race"), Texts::tr("Time (s)"), Texts::tr("Distance (ft)"));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double width = std::max(2.0, chartFontPixels(area) * 0.28);

    // Finish line.
    {
        QPen pen(FinishLineColour);
        pen.setWidthF(1.5);
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        const double y = frame.mapY(RaceLineFt);
        painter.drawLine(QPointF(frame.plot().left(), y), QPointF(frame.plot().right(), y));
        painter.setFont(chartFont(area, 0.9));
        const QFontMetricsF metrics(painter.font());
        painter.drawText(QRectF(frame.plot().left() + 4.0, y - metrics.height() * 1.2, metrics.height() * 10,
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignBottom, Texts::tr("Finish 15 ft"));
    }

    painter.setClipRect(frame.plot().adjusted(-2, -2, 2, 2));
    // The others first, the selected design over them.
    std::vector<const RaceChartLane *> order;
    for (const RaceChartLane &lane : lanes)
        if (!lane.selected)
            order.push_back(&lane);
    for (const RaceChartLane &lane : lanes)
        if (lane.selected)
            order.push_back(&lane);

    for (const RaceChartLane *lane : order) {
        const QColor colour = lane->selected ? RaceSelectedColor : RaceOtherColor;
        QPainterPath path;
        for (size_t i = 0; i < lane->distance.size(); ++i) {
            const QPointF point = frame.map(static_cast<double>(i) / 100.0, std::isfinite(lane->distance[i]) ? lane->distance[i] : 0.0);
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        QPen edge(edgeOf(colour));
        edge.setWidthF(width + 2.0);
        edge.setJoinStyle(Qt::RoundJoin);
        edge.setCapStyle(Qt::RoundCap);
        painter.setPen(edge);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        QPen pen(colour);
        pen.setWidthF(width);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawPath(path);
        // Skidding stretches over the line, as the race view colours its bars.
        QPen skid(RaceSkidColor);
        skid.setWidthF(width);
        skid.setCapStyle(Qt::FlatCap);
        painter.setPen(skid);
        for (size_t i = 1; i < lane->distance.size(); ++i)
            if (lane->skid[i])
                painter.drawLine(frame.map((i - 1) / 100.0, lane->distance[i - 1]), frame.map(i / 100.0, lane->distance[i]));
    }
    painter.setClipping(false);

    // Names in a column right of the lines' ends, moved apart so that none covers another,
    // each with a thin leader to its line's end.
    painter.setFont(chartFont(area, 0.85));
    const QFontMetricsF metrics(painter.font());
    struct Label {
        QPointF end;
        QString text;
        double y = 0.0;
    };
    std::vector<Label> labels;
    double column = frame.plot().left(), widest = 0.0;
    for (const RaceChartLane &lane : lanes) {
        if (lane.distance.empty())
            continue;
        const size_t last = lane.distance.size() - 1;
        Label label;
        label.end = frame.map(last / 100.0, std::isfinite(lane.distance[last]) ? lane.distance[last] : 0.0);
        label.text = printableText(lane.name);
        if (lane.place > 0)
            label.text += QStringLiteral(" (") + placeText(lane.place) + QStringLiteral(")");
        label.y = label.end.y();
        column = std::max(column, label.end.x());
        widest = std::max(widest, metrics.horizontalAdvance(label.text));
        labels.push_back(label);
    }
    column = std::min(column + metrics.height() * 1.5, frame.plot().right() - widest - 4.0);
    std::sort(labels.begin(), labels.end(), [](const Label &a, const Label &b) { return a.y < b.y; });
    const double spacing = metrics.height() * 1.05;
    for (size_t i = 1; i < labels.size(); ++i)
        labels[i].y = std::max(labels[i].y, labels[i - 1].y + spacing);
    // Labels pushed below the plot move back up as a block.
    if (!labels.empty() && labels.back().y > frame.plot().bottom() - spacing / 2.0) {
        labels.back().y = frame.plot().bottom() - spacing / 2.0;
        for (size_t i = labels.size() - 1; i > 0; --i)
            labels[i - 1].y = std::min(labels[i - 1].y, labels[i].y - spacing);
    }
    for (const Label &label : labels) {
        painter.setPen(QPen(QColor(150, 150, 150), 0.8));
        painter.drawLine(label.end, QPointF(column - 2.0, label.y));
        // On a white ground: the finish line runs right through the leaders' names.
        const QRectF textBox(column, label.y - metrics.height() / 2.0, widest + 4.0, metrics.height());
        painter.fillRect(QRectF(column - 2.0, textBox.top(), metrics.horizontalAdvance(label.text) + 6.0,
                                textBox.height()),
                         QColor(255, 255, 255, 230));
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    }
    for (const RaceChartLane &lane : lanes) {
        if (lane.place != 1 || lane.finishIndex < 0)
            continue;
        const size_t index = std::min(static_cast<size_t>(lane.finishIndex), lane.distance.empty() ? 0 : lane.distance.size() - 1);
        const double d = lane.distance.empty() ? RaceLineFt : lane.distance[index];
        const QPointF at = frame.map(lane.finishIndex / 100.0, d);
        const double r = std::max(5.0, chartFontPixels(area) * 0.7);
        // A star where the winner crossed, and its time.
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const double angle = -M_PI / 2.0 + k * M_PI / 5.0;
            const double radius = k % 2 == 0 ? r : r * 0.45;
            star << QPointF(at.x() + radius * std::cos(angle), at.y() + radius * std::sin(angle));
        }
        painter.setPen(QPen(QColor(120, 80, 0), 1.0));
        painter.setBrush(WinnerColour);
        painter.drawPolygon(star);
        painter.setPen(QColor(30, 30, 30));
        painter.setFont(chartFont(area, 0.9, true));
        const QString text = Texts::tr("Winner %1 s").arg(QString::number(lane.finishIndex / 100.0, 'f', 2));
        const double w = QFontMetricsF(painter.font()).horizontalAdvance(text) + 4.0;
        const QRectF textBox(at.x() - w - r * 0.5, at.y() + r * 0.8, w, metrics.height() * 1.3);
        painter.fillRect(textBox, QColor(255, 255, 255, 230));
        painter.drawText(textBox, Qt::AlignRight | Qt::AlignTop, text);
    }
    painter.restore();

    frame.paintLegend(painter,
                      {{highlighted.isEmpty() ? Texts::tr("Selected design") : highlighted, RaceSelectedColor, LegendEntry::Swatch},
                       {Texts::tr("Other designs"), RaceOtherColor, LegendEntry::Swatch},
                       {Texts::tr("Skidding"), RaceSkidColor, LegendEntry::Swatch}},
                      true, true); // bottom right: below every line, where no name stands
    if (lanes.empty()) {
        painter.save();
        painter.setFont(chartFont(area));
        painter.setPen(QColor(120, 120, 120));
        painter.drawText(frame.plot(), Qt::AlignCenter, Texts::tr("No simulated design"));
        painter.restore();
    }
}

} // namespace zindle
