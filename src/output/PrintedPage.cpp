// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedPage.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrintedPage)
};

constexpr double ProbeDpi = 72.0;
// Clear space kept between the item's ink and the check block.
constexpr double CheckPaddingIn = 0.1;
constexpr double SearchStepIn = 0.125;
constexpr double FooterGapIn = 0.1;

void setPointSize(QPainter &painter, int size)
{
    QFont font = painter.font();
    font.setPointSize(size);
    painter.setFont(font);
}

// Where the item's origin goes along one side of the paper so that its ink [lo, hi] stays within
// [areaLo, areaHi]: at the area's start when it can, moved back as far as the ink needs.
bool fitAlong(double lo, double hi, double areaLo, double areaHi, double &offset)
{
    offset = areaLo;
    if (hi + offset > areaHi)
        offset = areaHi - hi;
    return lo + offset >= areaLo - 1e-9;
}

int tilesAlong(double ink, double area)
{
    if (ink <= area)
        return 1;
    return static_cast<int>(std::ceil((ink - TileOverlapIn) / (area - TileOverlapIn)));
}

} // namespace

QString PrintAtActualSizeText() { return Texts::tr("Print at 100 % (actual size)"); }

QString TileText(int tile, int tiles) { return Texts::tr("Tile %1 of %2").arg(tile).arg(tiles); }

// ---- ink ----------------------------------------------------------------------------------------

InkMask::InkMask(const QImage &probe) : m_w(probe.width()), m_h(probe.height())
{
    const QImage image = probe.convertToFormat(QImage::Format_RGB32);
    m_integral.assign(static_cast<size_t>(m_w + 1) * static_cast<size_t>(m_h + 1), 0);
    int left = m_w, top = m_h, right = -1, bottom = -1;
    for (int y = 0; y < m_h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int rowSum = 0;
        for (int x = 0; x < m_w; ++x) {
            const bool ink = (line[x] & 0xffffffu) != 0xffffffu;
            rowSum += ink ? 1 : 0;
            m_integral[static_cast<size_t>(y + 1) * static_cast<size_t>(m_w + 1) + static_cast<size_t>(x + 1)] =
                m_integral[static_cast<size_t>(y) * static_cast<size_t>(m_w + 1) + static_cast<size_t>(x + 1)] + rowSum;
            if (ink) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right >= 0)
        m_bounds = QRectF(left / ProbeDpi, top / ProbeDpi, (right + 1 - left) / ProbeDpi, (bottom + 1 - top) / ProbeDpi);
}

int InkMask::sum(int x0, int y0, int x1, int y1) const
{
    const auto at = [&](int x, int y) {
        return m_integral[static_cast<size_t>(y) * static_cast<size_t>(m_w + 1) + static_cast<size_t>(x)];
    };
    return at(x1, y1) - at(x0, y1) - at(x1, y0) + at(x0, y0);
}

bool InkMask::inked(const QRectF &rectIn) const
{
    const int x0 = std::clamp(static_cast<int>(std::floor(rectIn.left() * ProbeDpi)), 0, m_w);
    const int y0 = std::clamp(static_cast<int>(std::floor(rectIn.top() * ProbeDpi)), 0, m_h);
    const int x1 = std::clamp(static_cast<int>(std::ceil(rectIn.right() * ProbeDpi)), 0, m_w);
    const int y1 = std::clamp(static_cast<int>(std::ceil(rectIn.bottom() * ProbeDpi)), 0, m_h);
    return x1 > x0 && y1 > y0 && sum(x0, y0, x1, y1) > 0;
}

// ---- layout -------------------------------------------------------------------------------------

std::vector<PrintedSheet> PlanSheets(const InkMask &ink, const QSizeF &paperIn, const QSizeF &checkIn)
{
    const double m = PrinterMarginIn;
    const QRectF printable(m, m, paperIn.width() - 2 * m, paperIn.height() - 2 * m);
    const QRectF bounds = ink.boundsIn().isNull() ? QRectF(0, 0, 0, 0) : ink.boundsIn();

    PrintedSheet single;
    double ox = 0.0, oy = 0.0;
    if (fitAlong(bounds.left(), bounds.right(), printable.left(), printable.right(), ox)
        && fitAlong(bounds.top(), bounds.bottom(), printable.top(), printable.bottom(), oy)) {
        single.offsetIn = QPointF(ox, oy);
        single.areaIn = printable;
        // The check block where the item leaves room for it, looked for from the bottom right.
        for (double y = printable.bottom() - checkIn.height(); y >= printable.top() - 1e-9; y -= SearchStepIn) {
            for (double x = printable.right() - checkIn.width(); x >= printable.left() - 1e-9; x -= SearchStepIn) {
                const QRectF block(QPointF(x, y), checkIn);
                const QRectF clear = block.adjusted(-CheckPaddingIn, -CheckPaddingIn, CheckPaddingIn, CheckPaddingIn);
                if (!ink.inked(clear.translated(-single.offsetIn))) {
                    single.checkIn = block;
                    return {single};
                }
            }
        }
    }

    // Tiles above a footer that holds the check block and the tile's label.
    const QRectF area(printable.topLeft(),
                      QSizeF(printable.width(), printable.height() - checkIn.height() - FooterGapIn));
    const int columns = tilesAlong(bounds.width(), area.width());
    const int rows = tilesAlong(bounds.height(), area.height());
    std::vector<PrintedSheet> sheets;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            PrintedSheet sheet;
            sheet.areaIn = area;
            sheet.checkIn = QRectF(QPointF(printable.left(), printable.bottom() - checkIn.height()), checkIn);
            sheet.column = column;
            sheet.row = row;
            sheet.columns = columns;
            sheet.rows = rows;
            sheet.tile = row * columns + column + 1;
            sheet.tiles = rows * columns;
            if (columns == 1)
                fitAlong(bounds.left(), bounds.right(), area.left(), area.right(), ox);
            else
                ox = area.left() - (bounds.left() + column * (area.width() - TileOverlapIn));
            if (rows == 1)
                fitAlong(bounds.top(), bounds.bottom(), area.top(), area.bottom(), oy);
            else
                oy = area.top() - (bounds.top() + row * (area.height() - TileOverlapIn));
            sheet.offsetIn = QPointF(ox, oy);
            sheets.push_back(sheet);
        }
    }
    return sheets;
}

// ---- marks --------------------------------------------------------------------------------------

QSizeF CheckBlockSize(QPainter &painter, double dpiX, double dpiY)
{
    painter.save();
    setPointSize(painter, 9);
    const QFontMetricsF metrics = painter.fontMetrics();
    const QSizeF text(metrics.horizontalAdvance(PrintAtActualSizeText()) / dpiX, metrics.height() / dpiY);
    painter.restore();
    return {std::max(CheckSquareIn, text.width()), CheckSquareIn + FooterGapIn / 2 + text.height()};
}

namespace {

QPoint toDevice(const QPointF &in, double dpiX, double dpiY)
{
    return {static_cast<int>(std::lround(in.x() * dpiX)), static_cast<int>(std::lround(in.y() * dpiY))};
}

// A square whose outer edges are exactly one inch apart on paper.
void paintCheckBlock(QPainter &painter, const QRectF &blockIn, double dpiX, double dpiY)
{
    const QPoint corner = toDevice(blockIn.topLeft(), dpiX, dpiY);
    const QRect square(corner, QSize(static_cast<int>(std::lround(CheckSquareIn * dpiX)),
                                     static_cast<int>(std::lround(CheckSquareIn * dpiY))));
    const int line = std::max(1, static_cast<int>(std::lround(dpiX / 100.0)));
    painter.fillRect(QRect(square.left(), square.top(), square.width(), line), Qt::black);
    painter.fillRect(QRect(square.left(), square.bottom() + 1 - line, square.width(), line), Qt::black);
    painter.fillRect(QRect(square.left(), square.top(), line, square.height()), Qt::black);
    painter.fillRect(QRect(square.right() + 1 - line, square.top(), line, square.height()), Qt::black);
    setPointSize(painter, 10);
    painter.drawText(square, Qt::AlignCenter, QStringLiteral("1 in"));
    setPointSize(painter, 9);
    const int y = square.bottom() + 1 + static_cast<int>(std::lround(FooterGapIn / 2 * dpiY));
    painter.drawText(QPoint(square.left(), y + painter.fontMetrics().ascent()), PrintAtActualSizeText());
}

// A target centred on `at`: where the neighbouring tile's target must lie.
void paintTarget(QPainter &painter, const QPointF &at, double dpiX, double dpiY)
{
    const QPoint c = toDevice(at, dpiX, dpiY);
    const int r = static_cast<int>(std::lround(0.1 * dpiX)), arm = static_cast<int>(std::lround(0.15 * dpiX));
    painter.drawEllipse(c, r, static_cast<int>(std::lround(0.1 * dpiY)));
    painter.drawLine(c - QPoint(arm, 0), c + QPoint(arm, 0));
    painter.drawLine(c - QPoint(0, arm), c + QPoint(0, arm));
}

void paintTileMarks(QPainter &painter, const PrintedSheet &sheet, double dpiX, double dpiY)
{
    const QRectF a = sheet.areaIn;
    const double ov = TileOverlapIn, crop = 0.25;
    painter.setPen(QPen(Qt::black, std::max(1.0, dpiX / 150.0)));
    painter.setBrush(Qt::NoBrush);
    auto line = [&](QPointF p, QPointF q) { painter.drawLine(toDevice(p, dpiX, dpiY), toDevice(q, dpiX, dpiY)); };
    // Crop marks at the tile's corners.
    for (const QPointF &corner : {a.topLeft(), a.topRight(), a.bottomLeft(), a.bottomRight()}) {
        const double sx = corner.x() < a.center().x() ? 1.0 : -1.0, sy = corner.y() < a.center().y() ? 1.0 : -1.0;
        line(corner, corner + QPointF(sx * crop, 0));
        line(corner, corner + QPointF(0, sy * crop));
    }
    // Each overlap with a neighbour: the neighbour's edge as a dashed line, and two targets in
    // the middle of the strip both tiles show.
    QPen dashed = painter.pen();
    dashed.setStyle(Qt::DashLine);
    auto overlap = [&](QPointF from, QPointF to, QPointF inward) {
        painter.setPen(dashed);
        line(from + inward * ov, to + inward * ov);
        painter.setPen(QPen(Qt::black, dashed.widthF()));
        for (double t : {1.0 / 3.0, 2.0 / 3.0})
            paintTarget(painter, from + (to - from) * t + inward * (ov / 2), dpiX, dpiY);
    };
    if (sheet.column > 0)
        overlap(a.topLeft(), a.bottomLeft(), QPointF(1, 0));
    if (sheet.column + 1 < sheet.columns)
        overlap(a.topRight(), a.bottomRight(), QPointF(-1, 0));
    if (sheet.row > 0)
        overlap(a.topLeft(), a.topRight(), QPointF(0, 1));
    if (sheet.row + 1 < sheet.rows)
        overlap(a.bottomLeft(), a.bottomRight(), QPointF(0, -1));
    setPointSize(painter, 12);
    const QPoint label = toDevice(QPointF(sheet.checkIn.right() + 0.3, sheet.checkIn.top()), dpiX, dpiY);
    painter.drawText(QPoint(label.x(), label.y() + painter.fontMetrics().ascent()), TileText(sheet.tile, sheet.tiles));
}

} // namespace

void PaintSheetMarks(QPainter &painter, const PrintedSheet &sheet, double dpiX, double dpiY)
{
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    paintCheckBlock(painter, sheet.checkIn, dpiX, dpiY);
    if (sheet.tiles > 1)
        paintTileMarks(painter, sheet, dpiX, dpiY);
    painter.restore();
}

int PrintOnSheets(const std::function<QPainter *()> &beginSheet, const std::function<bool()> &endSheet,
                  const SheetPaint &probeItem, const SheetPaint &paintItem)
{
    QPainter *painter = beginSheet();
    if (!painter)
        return -1;
    const QPaintDevice *device = painter->device();
    const double dpiX = device->logicalDpiX() > 0 ? device->logicalDpiX() : 600.0;
    const double dpiY = device->logicalDpiY() > 0 ? device->logicalDpiY() : 600.0;
    const QSizeF paperIn(device->width() / dpiX, device->height() / dpiY);

    const QSizeF check = CheckBlockSize(*painter, dpiX, dpiY);
    const QSizeF room(paperIn.width() - 2 * PrinterMarginIn,
                      paperIn.height() - 2 * PrinterMarginIn - check.height() - FooterGapIn);
    // The probe is larger than the paper: what falls off it is what the tiles must carry.
    const double probeIn = std::max({24.0, 2 * paperIn.width(), 2 * paperIn.height()});
    QImage probe(static_cast<int>(probeIn * ProbeDpi), static_cast<int>(probeIn * ProbeDpi), QImage::Format_RGB32);
    probe.fill(Qt::white);
    probe.setDotsPerMeterX(static_cast<int>(std::lround(ProbeDpi / 0.0254)));
    probe.setDotsPerMeterY(static_cast<int>(std::lround(ProbeDpi / 0.0254)));
    {
        QPainter probePainter(&probe);
        probeItem(probePainter, room);
    }
    const std::vector<PrintedSheet> sheets = PlanSheets(InkMask(probe), paperIn, check);

    int printed = 0;
    for (const PrintedSheet &sheet : sheets) {
        if (printed > 0 && !(painter = beginSheet()))
            return -1;
        painter->save();
        const QPoint from = toDevice(sheet.areaIn.topLeft(), dpiX, dpiY);
        const QPoint to = toDevice(sheet.areaIn.bottomRight(), dpiX, dpiY);
        painter->setClipRect(QRect(from, to - QPoint(1, 1)));
        painter->translate(toDevice(sheet.offsetIn, dpiX, dpiY));
        paintItem(*painter, room);
        painter->restore();
        PaintSheetMarks(*painter, sheet, dpiX, dpiY);
        if (!endSheet())
            return -1;
        ++printed;
    }
    return printed;
}

} // namespace zindle
