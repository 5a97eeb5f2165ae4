// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design map: the time to 15 ft over two swept parameters as a heat map, cars that do not
// reach 15 ft shown apart (grey, hatched), cells not run (a stopped sweep) left blank, the
// best cell marked, and a colour scale beside it. A cell whose car was built with another size
// than its place on the axes says (the build enlarges a drive wheel too small for the spring's
// case) is marked, with the size it really had where the cell has room for it.

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace zindle {

struct DesignMapCell {
    enum Kind { NotRun, NotFinished, Finished };
    DesignMapCell() = default;
    DesignMapCell(Kind k, float t, QString built = {}) : kind(k), time(t), asBuilt(std::move(built)) {}
    Kind kind = NotRun;
    float time = 0.0f; // s, for Finished
    // The size the car really had where the build changed the one swept ("4.9"); empty when
    // it ran with the sizes of its place.
    QString asBuilt;
};

struct DesignMapGrid {
    QString title;
    QString xTitle, yTitle;             // "Drive wheel dia (in)", English: the map translates it
    std::vector<float> xValues, yValues; // the values swept, in order
    std::vector<DesignMapCell> cells;    // x fastest: cell (x, y) is cells[y * xValues.size() + x]
    int best = -1;                       // index into cells, -1 for none
    QString asBuiltKey;                  // the key of the marked cells ("wheel enlarged ..."), English too

    const DesignMapCell &at(size_t x, size_t y) const { return cells[y * xValues.size() + x]; }
};

// Where the cells lie in `area`.
QRectF designMapPlot(const QRectF &area, const DesignMapGrid &grid);
// The cell under `point` (a click), as an index into cells.
std::optional<int> designMapCellAt(const QRectF &area, const DesignMapGrid &grid, const QPointF &point);
// The colour of a finishing time between the fastest and slowest finishing times.
QColor designMapColour(float time, float fastest, float slowest);

void paintDesignMap(QPainter &painter, const QRectF &area, const DesignMapGrid &grid);

// The grid as CSV: a header line with the y title and the x values, then one line per y value
// with its times (seconds, two decimals); an empty field for a car that did not reach 15 ft,
// "-" for a combination not run.
QByteArray designMapCsv(const DesignMapGrid &grid);

} // namespace zindle
