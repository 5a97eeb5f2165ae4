// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every chart shares: axes with round tick steps, the frame, tick labels, titles and a
// legend, drawn with a QPainter on any device (a window, an image, SVG, PDF). Sizes follow
// the area given, so that a chart reads the same on a small widget and on a large page.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace zindle {

// An axis from `low` to `high` whose ticks fall on round values (1, 2, 2.5 or 5 times a power
// of ten), at most about `maxTicks` of them, the ends widened to the ticks around the data.
struct NiceAxis {
    double low = 0.0, high = 1.0, step = 0.2;
    int decimals = 1; // of the tick labels
    std::vector<double> ticks() const;
};
NiceAxis niceAxis(double dataLow, double dataHigh, int maxTicks = 6);
QString tickLabel(double value, int decimals);

struct LegendEntry {
    QString text;
    QColor colour;
    enum Kind { Line, Swatch, DashedLine } kind = Line;
};

// The font size (pixels) of the labels for an area of that size.
double chartFontPixels(const QRectF &area);
QFont chartFont(const QRectF &area, double scale = 1.0, bool bold = false);

// A plot with its axes inside an area: margins for the labels, the title above.
class PlotFrame {
public:
    PlotFrame(const QRectF &area, const NiceAxis &x, const NiceAxis &y);
    const QRectF &plot() const { return plot_; }
    const NiceAxis &xAxis() const { return x_; }
    const NiceAxis &yAxis() const { return y_; }
    QPointF map(double x, double y) const;
    double mapX(double x) const;
    double mapY(double y) const;
    // Background, grid lines, frame, ticks with labels, axis titles and the chart's title.
    void paintAxes(QPainter &painter, const QString &title, const QString &xTitle, const QString &yTitle) const;
    // The legend in the plot's top-left corner (or right when `right`).
    void paintLegend(QPainter &painter, const std::vector<LegendEntry> &entries, bool right = false,
                     bool bottom = false) const;

private:
    QRectF area_, plot_;
    NiceAxis x_, y_;
};

} // namespace zindle
