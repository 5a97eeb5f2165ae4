#include "StandingsChart.h"

#include "model/NumberText.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zindle::cli {

namespace {

const QColor CurveColours[] = {QColor(0, 90, 200),  QColor(220, 60, 30),  QColor(20, 150, 60),
                               QColor(150, 60, 180), QColor(230, 150, 0), QColor(0, 160, 170),
                               QColor(120, 80, 40),  QColor(90, 90, 90)};

// The last recorded sample of a run.
int lastSample(const RaceTrace &trace)
{
    int last = -1;
    for (int i = 0; i < TraceSamples; ++i)
        if (trace.DistanceTrace[static_cast<size_t>(i)] != -1.0f)
            last = i;
    return last;
}

} // namespace

void paintStandingsChart(QPainter &painter, const QRectF &area, const std::vector<const StandingRow *> &cars)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(6, static_cast<int>(area.height() / 28)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    double timeHigh = 1.0, distanceHigh = 16.0;
    for (const StandingRow *car : cars) {
        const int last = lastSample(car->trace);
        timeHigh = std::max(timeHigh, last / 100.0);
        for (int i = 0; i <= last; ++i)
            distanceHigh = std::max(distanceHigh, static_cast<double>(car->trace.DistanceTrace[static_cast<size_t>(i)]));
    }
    timeHigh = std::ceil(timeHigh * 2.0) / 2.0;
    distanceHigh = std::ceil(distanceHigh);

    const double lh = metrics.height();
    const QRectF plot(area.left() + lh * 3.2, area.top() + lh * 2.0, area.width() - lh * 4.2, area.height() - lh * 4.6);
    auto map = [&](double t, double d) {
        return QPointF(plot.left() + t / timeHigh * plot.width(), plot.bottom() - d / distanceHigh * plot.height());
    };

    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), lh * 1.6), Qt::AlignCenter,
                     QStringLiteral("Distance against time"));
    // Grid and ticks: every half second (or second) and every 3 ft.
    const double timeStep = timeHigh > 6 ? 1.0 : 0.5;
    painter.setPen(QColor(220, 220, 220));
    for (double t = 0; t <= timeHigh + 1e-9; t += timeStep)
        painter.drawLine(map(t, 0), map(t, distanceHigh));
    for (double d = 0; d <= distanceHigh + 1e-9; d += 3)
        painter.drawLine(map(0, d), map(timeHigh, d));
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    for (double t = 0; t <= timeHigh + 1e-9; t += timeStep)
        painter.drawText(QRectF(map(t, 0).x() - lh * 2, plot.bottom() + 2, lh * 4, lh), Qt::AlignCenter, text0(t));
    for (double d = 0; d <= distanceHigh + 1e-9; d += 3)
        painter.drawText(QRectF(area.left(), map(0, d).y() - lh / 2, lh * 3.0 - 4, lh), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(static_cast<int>(d)));
    painter.drawText(QRectF(plot.left(), plot.bottom() + lh, plot.width(), lh * 1.3), Qt::AlignCenter,
                     QStringLiteral("Time (sec)"));
    painter.save();
    painter.translate(area.left() + lh * 0.7, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -lh / 2, plot.height(), lh), Qt::AlignCenter, QStringLiteral("Distance (ft)"));
    painter.restore();

    QPen line(QColor(200, 0, 0), std::max(1.0, lh / 10), Qt::DashLine);
    painter.setPen(line);
    painter.drawLine(map(0, 15), map(timeHigh, 15));

    for (size_t k = 0; k < cars.size(); ++k) {
        const RaceTrace &trace = cars[k]->trace;
        QPainterPath path(map(0, 0));
        for (int i = 0; i < TraceSamples; ++i) {
            const float d = trace.DistanceTrace[static_cast<size_t>(i)];
            if (d != -1.0f)
                path.lineTo(map(i / 100.0, d));
        }
        painter.setPen(QPen(CurveColours[k % 8], std::max(1.0, lh / 6)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

    // Legend in the plot's lower right, where the curves have not yet climbed.
    double y = plot.bottom() - lh * (static_cast<double>(cars.size()) + 0.6);
    const double x = plot.right() - plot.width() * 0.42;
    if (!cars.empty()) {
        painter.setPen(QColor(160, 160, 160));
        painter.setBrush(QColor(255, 255, 255, 230));
        painter.drawRect(QRectF(x - lh * 0.4, y - lh * 0.3, plot.right() - x, lh * (cars.size() + 0.4)));
    }
    for (size_t k = 0; k < cars.size(); ++k) {
        painter.setPen(QPen(CurveColours[k % 8], std::max(1.0, lh / 6)));
        painter.drawLine(QPointF(x, y + lh / 2), QPointF(x + lh * 1.5, y + lh / 2));
        painter.setPen(Qt::black);
        const QString label = QStringLiteral("%1. %2").arg(cars[k]->place).arg(cars[k]->name);
        painter.drawText(QRectF(x + lh * 2, y, plot.right() - x - lh * 2.5, lh), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(label, Qt::ElideRight, plot.right() - x - lh * 2.5));
        y += lh;
    }
    painter.restore();
}

} // namespace zindle::cli
