// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a printed item lands on paper. Printers cannot ink the paper's outer edge, so every
// item keeps a margin clear all round; an item larger than the paper inside the margins is
// tiled onto several sheets that overlap a little and carry alignment marks, the way printed
// sewing patterns are. The item keeps its true size either way. Every sheet also carries a
// one-inch check square and a request to print at actual size, so a student sees at once when
// the printer scaled the page to fit.
//
// An item is painted in device pixels from its own origin, as if the paper started there; what
// it inks is measured first (at one dot per point) to place it.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

namespace zindle {

inline constexpr double PrinterMarginIn = 0.25;
// How far neighbouring tiles show the same strip of the item.
inline constexpr double TileOverlapIn = 0.5;
inline constexpr double CheckSquareIn = 1.0;

QString PrintAtActualSizeText();
QString TileText(int tile, int tiles);

// What an item inks, at 72 dots per inch from the item's origin.
class InkMask {
public:
    explicit InkMask(const QImage &probe);
    QRectF boundsIn() const { return m_bounds; }
    // Whether anything is inked within `rectIn` (item inches).
    bool inked(const QRectF &rectIn) const;

private:
    int sum(int x0, int y0, int x1, int y1) const;
    int m_w = 0, m_h = 0;
    std::vector<int> m_integral; // (w + 1) x (h + 1) summed-area table of inked dots
    QRectF m_bounds;
};

// One sheet of paper of an item, in inches from the paper's corner.
struct PrintedSheet {
    QPointF offsetIn; // where the item's origin lands
    QRectF areaIn;    // the part of the paper that shows the item
    QRectF checkIn;   // the check block: square, with the print request below it
    int tile = 1, tiles = 1;
    int column = 0, row = 0, columns = 1, rows = 1;
};

// The sheets of an item inking `ink` on paper of `paperIn`, with a check block of `checkIn`:
// one sheet when the item fits inside the margins and leaves room for the check block,
// otherwise tiles row by row with a footer holding the check block and the tile's label.
std::vector<PrintedSheet> PlanSheets(const InkMask &ink, const QSizeF &paperIn, const QSizeF &checkIn);

// Size of the check block as `painter` would print it.
QSizeF CheckBlockSize(QPainter &painter, double dpiX, double dpiY);

// Paints everything of a sheet but the item: check block, and for tiles their frame,
// registration marks on the overlaps and the tile's label.
void PaintSheetMarks(QPainter &painter, const PrintedSheet &sheet, double dpiX, double dpiY);

// Paints an item onto as many sheets as it needs: `beginSheet` hands out the painter of the next
// sheet (nullptr when it cannot), `endSheet` finishes it (false on failure); `paintItem` paints
// the item at the device's resolution, `probeItem` the same at 72 dots per inch on the probe.
// Both are told the room, inches, that an item laying itself out to the paper may fill from its
// origin: the paper inside the margins above the check block. Returns the number of sheets
// finished, or -1 when one failed.
using SheetPaint = std::function<void(QPainter &, const QSizeF &roomIn)>;
int PrintOnSheets(const std::function<QPainter *()> &beginSheet, const std::function<bool()> &endSheet,
                  const SheetPaint &probeItem, const SheetPaint &paintItem);

} // namespace zindle
