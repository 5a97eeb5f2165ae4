// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignMap.h"

#include "charts/ChartFrame.h"
#include "files/PathText.h"
#include "model/CsvCell.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesignMap)
};

// The grid keeps its axis titles and key in English, as the CSV file writes them.
QString shown(const QString &english) { return Texts::tr(english.toUtf8().constData()); }

// Fast is green-yellow, slow is deep purple (a perceptually ordered scale, readable in grey).
const QColor ScaleStops[] = {QColor(253, 231, 37), QColor(94, 201, 98), QColor(33, 145, 140),
                             QColor(59, 82, 139), QColor(68, 1, 84)};
constexpr int ScaleStopCount = 5;
const QColor NotFinishedColour(170, 170, 170);
const QColor NotRunColour(255, 255, 255);

struct Layout {
    QRectF plot;     // the cells
    QRectF scale;    // the colour bar
    double font = 10.0;
};

Layout layoutOf(const QRectF &area)
{
    Layout layout;
    layout.font = chartFontPixels(area);
    const double left = layout.font * 5.5, right = layout.font * 9.0, top = layout.font * 2.6,
                 bottom = layout.font * 3.6;
    layout.plot = QRectF(area.left() + left, area.top() + top, std::max(1.0, area.width() - left - right),
                         std::max(1.0, area.height() - top - bottom));
    layout.scale = QRectF(layout.plot.right() + layout.font * 1.5, layout.plot.top(), layout.font * 1.4,
                          layout.plot.height() * 0.7);
    return layout;
}

std::pair<float, float> finishingRange(const DesignMapGrid &grid)
{
    float fastest = 0.0f, slowest = 0.0f;
    bool any = false;
    for (const DesignMapCell &cell : grid.cells) {
        if (cell.kind != DesignMapCell::Finished || !std::isfinite(cell.time))
            continue;
        fastest = any ? std::min(fastest, cell.time) : cell.time;
        slowest = any ? std::max(slowest, cell.time) : cell.time;
        any = true;
    }
    return {fastest, slowest};
}

// Ticks for the evenly spaced values of one axis: round values mapped onto the cell centres.
void paintAxisTicks(QPainter &painter, const QRectF &plot, const std::vector<float> &values, bool horizontal,
                    double font)
{
    if (values.empty())
        return;
    const double first = values.front(), last = values.back();
    const size_t n = values.size();
    const double cell = (horizontal ? plot.width() : plot.height()) / static_cast<double>(n);
    const auto position = [&](double value) {
        const double fraction = n > 1 && last != first ? (value - first) / (last - first) : 0.0;
        const double centre = (0.5 + fraction * static_cast<double>(n - 1)) * cell;
        return horizontal ? plot.left() + centre : plot.bottom() - centre;
    };
    const NiceAxis axis = niceAxis(first, last, horizontal ? 8 : 7);
    std::vector<double> ticks;
    for (const double t : axis.ticks())
        if (t >= std::min(first, last) - 1e-6 && t <= std::max(first, last) + 1e-6)
            ticks.push_back(t);
    if (ticks.empty() || n == 1)
        ticks = {first};
    const QFontMetricsF metrics(painter.font());
    const double tick = font * 0.4;
    for (const double t : ticks) {
        const QString label = n == 1 ? tickLabel(t, 2) : tickLabel(t, axis.decimals);
        const double p = position(t);
        if (horizontal) {
            painter.drawLine(QPointF(p, plot.bottom()), QPointF(p, plot.bottom() + tick));
            const double w = metrics.horizontalAdvance(label) + 4.0;
            painter.drawText(QRectF(p - w / 2.0, plot.bottom() + tick, w, metrics.height() + 2.0),
                             Qt::AlignHCenter | Qt::AlignTop, label);
        } else {
            painter.drawLine(QPointF(plot.left() - tick, p), QPointF(plot.left(), p));
            painter.drawText(QRectF(plot.left() - tick - font * 5.0, p - metrics.height() / 2.0, font * 5.0 - 3.0,
                                    metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, label);
        }
    }
}

} // namespace

QColor designMapColour(float time, float fastest, float slowest)
{
    double f = slowest > fastest ? (static_cast<double>(time) - fastest) / (static_cast<double>(slowest) - fastest) : 0.0;
    f = std::clamp(std::isfinite(f) ? f : 0.0, 0.0, 1.0);
    const double scaled = f * (ScaleStopCount - 1);
    const int i = std::min(ScaleStopCount - 2, static_cast<int>(scaled));
    const double t = scaled - i;
    const QColor &a = ScaleStops[i], &b = ScaleStops[i + 1];
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QRectF designMapPlot(const QRectF &area, const DesignMapGrid &) { return layoutOf(area).plot; }

std::optional<int> designMapCellAt(const QRectF &area, const DesignMapGrid &grid, const QPointF &point)
{
    const QRectF plot = designMapPlot(area, grid);
    const size_t nx = grid.xValues.size(), ny = grid.yValues.size();
    if (nx == 0 || ny == 0 || !plot.contains(point))
        return std::nullopt;
    const size_t x = std::min(nx - 1, static_cast<size_t>((point.x() - plot.left()) / plot.width() * nx));
    // The first y value is at the bottom.
    const size_t y = std::min(ny - 1, static_cast<size_t>((plot.bottom() - point.y()) / plot.height() * ny));
    const size_t index = y * nx + x;
    if (index >= grid.cells.size())
        return std::nullopt;
    return static_cast<int>(index);
}

void paintDesignMap(QPainter &painter, const QRectF &area, const DesignMapGrid &grid)
{
    const Layout layout = layoutOf(area);
    const QRectF &plot = layout.plot;
    const size_t nx = grid.xValues.size(), ny = grid.yValues.size();
    const auto [fastest, slowest] = finishingRange(grid);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(chartFont(area));
    const QFontMetricsF metrics(painter.font());

    // The cells are painted into one picture of the plot's size: a drawing (SVG, PDF) of a
    // 300 x 300 map would otherwise hold 90000 rectangles, megabytes that take a minute to show.
    const QRect plotPixels = plot.toAlignedRect();
    QImage cellPicture(plotPixels.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    cellPicture.fill(NotRunColour);
    QPainter cellPainter(&cellPicture);
    cellPainter.translate(-plotPixels.topLeft());
    const double cw = nx ? plot.width() / static_cast<double>(nx) : 0.0;
    const double ch = ny ? plot.height() / static_cast<double>(ny) : 0.0;
    const auto cellRect = [&](size_t x, size_t y) {
        // Edges rounded outward to whole pixels, so that neighbouring cells leave no seams.
        const double left = plot.left() + x * cw, right = plot.left() + (x + 1) * cw;
        const double bottom = plot.bottom() - y * ch, top = plot.bottom() - (y + 1) * ch;
        return QRectF(QPointF(std::floor(left), std::floor(top)), QPointF(std::ceil(right), std::ceil(bottom)))
            .intersected(plot);
    };
    QBrush hatch(QColor(110, 110, 110), Qt::BDiagPattern);
    for (size_t y = 0; y < ny; ++y) {
        for (size_t x = 0; x < nx; ++x) {
            const size_t index = y * nx + x;
            if (index >= grid.cells.size())
                continue;
            const DesignMapCell &cell = grid.cells[index];
            const QRectF r = cellRect(x, y);
            if (cell.kind == DesignMapCell::Finished) {
                cellPainter.fillRect(r, designMapColour(cell.time, fastest, slowest));
            } else if (cell.kind == DesignMapCell::NotFinished) {
                cellPainter.fillRect(r, NotFinishedColour);
                cellPainter.fillRect(r, hatch);
            }
        }
    }
    cellPainter.end();
    painter.drawImage(plotPixels.topLeft(), cellPicture);
    // Cells built with another size: a corner mark, and the size where it fits.
    const auto paintAsBuiltMark = [&](const QRectF &r) {
        // Half the side of a small cell, so that a dense map keeps its colours readable.
        const double side = std::min({r.width(), r.height(), layout.font * 1.1}) * 0.5;
        const QPointF corner = r.topRight();
        const QPointF triangle[3] = {corner, corner + QPointF(-side, 0.0), corner + QPointF(0.0, side)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 20, 20));
        painter.drawPolygon(triangle, 3);
    };
    for (size_t y = 0; y < ny; ++y) {
        for (size_t x = 0; x < nx; ++x) {
            const size_t index = y * nx + x;
            if (index >= grid.cells.size() || grid.cells[index].asBuilt.isEmpty())
                continue;
            const DesignMapCell &cell = grid.cells[index];
            const QRectF r = cellRect(x, y);
            paintAsBuiltMark(r);
            if (metrics.horizontalAdvance(cell.asBuilt) + layout.font * 0.8 <= r.width()
                && metrics.height() * 1.1 <= r.height()) {
                const bool dark = cell.kind == DesignMapCell::Finished
                                  && designMapColour(cell.time, fastest, slowest).lightnessF() < 0.45;
                painter.setPen(dark ? Qt::white : QColor(20, 20, 20));
                painter.drawText(r, Qt::AlignCenter, cell.asBuilt);
            }
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 60, 60), 1.0));
    painter.drawRect(plot);

    // Best cell: a ring inside it, clipped to the plot. A row or column of one value has cells
    // as long as the plot, and a ring drawn around such a cell would run off the picture; a
    // cell too small for a visible ring gets the smallest one, over its neighbours.
    if (grid.best >= 0 && static_cast<size_t>(grid.best) < grid.cells.size() && nx > 0) {
        const size_t x = static_cast<size_t>(grid.best) % nx, y = static_cast<size_t>(grid.best) / nx;
        const QRectF r = cellRect(x, y);
        const double smallest = layout.font * 0.35;
        const double rx = std::max(r.width() / 2.0 - 2.5, smallest);
        const double ry = std::max(r.height() / 2.0 - 2.5, smallest);
        painter.save();
        painter.setClipRect(plot);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::white, 3.0));
        painter.drawEllipse(r.center(), rx, ry);
        painter.setPen(QPen(QColor(200, 0, 0), 1.8));
        painter.drawEllipse(r.center(), rx, ry);
        painter.restore();
    }

    // Axes.
    painter.setPen(QColor(60, 60, 60));
    paintAxisTicks(painter, plot, grid.xValues, true, layout.font);
    paintAxisTicks(painter, plot, grid.yValues, false, layout.font);
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRectF(plot.left(), plot.bottom() + layout.font * 0.4 + metrics.height() + 2.0, plot.width(),
                            metrics.height() * 1.3),
                     Qt::AlignHCenter | Qt::AlignTop, shown(grid.xTitle));
    painter.save();
    painter.translate(area.left() + metrics.height() * 0.2, plot.center().y());
    painter.rotate(-90.0);
    painter.drawText(QRectF(-plot.height() / 2.0, 0.0, plot.height(), metrics.height() * 1.3),
                     Qt::AlignHCenter | Qt::AlignTop, shown(grid.yTitle));
    painter.restore();
    // The title ends before the colour scale's caption, shortened on a narrow chart.
    const QRectF &bar = layout.scale;
    const QFont titleFont = chartFont(area, 1.2, true);
    painter.setFont(titleFont);
    const QRectF titleBox(plot.left(), area.top(), std::max(0.0, bar.left() - layout.font * 1.5 - plot.left()),
                          plot.top() - area.top());
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(titleFont).elidedText(printableText(grid.title), Qt::ElideRight, titleBox.width()));
    painter.setFont(chartFont(area));

    // Colour scale: fastest at the top.
    const bool anyFinished = std::any_of(grid.cells.begin(), grid.cells.end(), [](const DesignMapCell &cell) {
        return cell.kind == DesignMapCell::Finished && std::isfinite(cell.time);
    });
    if (anyFinished) {
        QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
        for (int i = 0; i < ScaleStopCount; ++i)
            gradient.setColorAt(static_cast<double>(i) / (ScaleStopCount - 1), ScaleStops[i]);
        painter.fillRect(bar, gradient);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(bar);
        const NiceAxis axis = niceAxis(fastest, slowest, 8);
        for (double t : axis.ticks()) {
            if (t < fastest - 1e-6 || t > slowest + 1e-6)
                continue;
            const double f = slowest > fastest ? (t - fastest) / (slowest - fastest) : 0.0;
            const double y = bar.top() + f * bar.height();
            painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + layout.font * 0.4, y));
            painter.drawText(QRectF(bar.right() + layout.font * 0.6, y - metrics.height() / 2.0, layout.font * 6.0,
                                    metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, tickLabel(t, axis.decimals));
        }
        painter.drawText(QRectF(bar.left() - layout.font, bar.top() - metrics.height() * 1.5, layout.font * 9.0,
                                metrics.height() * 1.3),
                         Qt::AlignLeft | Qt::AlignBottom, Texts::tr("Time (s)"));
    }
    // Key of the cells that are not times, its texts wrapped within the chart's right edge.
    double keyY = bar.bottom() + layout.font * 1.2;
    const double keyTextWidth = std::max(0.0, area.right() - bar.right() - layout.font * 0.4);
    const QRectF box(bar.left(), keyY, bar.width(), metrics.height());
    painter.fillRect(box, NotFinishedColour);
    painter.fillRect(box, hatch);
    painter.drawRect(box);
    painter.drawText(QRectF(box.right() + layout.font * 0.4, keyY - metrics.height() * 0.1, keyTextWidth,
                            metrics.height() * 2.4),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Texts::tr("no 15 ft"));
    keyY += metrics.height() * 2.0;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(200, 0, 0), 1.8));
    painter.drawEllipse(QPointF(box.center().x(), keyY + metrics.height() / 2.0), box.width() / 2.0,
                        box.width() / 2.0);
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRectF(box.right() + layout.font * 0.4, keyY, keyTextWidth, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, Texts::tr("best"));
    const bool anyAsBuilt = std::any_of(grid.cells.begin(), grid.cells.end(),
                                        [](const DesignMapCell &cell) { return !cell.asBuilt.isEmpty(); });
    if (anyAsBuilt && !grid.asBuiltKey.isEmpty()) {
        keyY += metrics.height() * 1.6;
        const QRectF mark(bar.left(), keyY, bar.width(), metrics.height());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(60, 60, 60));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(mark);
        paintAsBuiltMark(mark);
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QRectF(mark.right() + layout.font * 0.4, keyY - metrics.height() * 0.1, keyTextWidth,
                                metrics.height() * 4.8),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown(grid.asBuiltKey));
    }
    painter.restore();
}

QByteArray designMapCsv(const DesignMapGrid &grid)
{
    // The corner cell stays quoted as it always was, and is made safe like any text cell.
    QString csv = csvTextCell(grid.yTitle + QStringLiteral(" \\ ") + grid.xTitle);
    if (!csv.startsWith(QLatin1Char('"')))
        csv = QLatin1Char('"') + csv + QLatin1Char('"');
    for (const float x : grid.xValues)
        csv += QLatin1Char(',') + floatText(x);
    csv += QLatin1Char('\n');
    const size_t nx = grid.xValues.size();
    for (size_t y = 0; y < grid.yValues.size(); ++y) {
        csv += floatText(grid.yValues[y]);
        for (size_t x = 0; x < nx; ++x) {
            csv += QLatin1Char(',');
            const size_t index = y * nx + x;
            if (index >= grid.cells.size())
                continue;
            const DesignMapCell &cell = grid.cells[index];
            if (cell.kind == DesignMapCell::Finished)
                csv += text00(cell.time);
            else if (cell.kind == DesignMapCell::NotRun)
                csv += QLatin1Char('-');
        }
        csv += QLatin1Char('\n');
    }
    return csv.toUtf8();
}

} // namespace zindle
