// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShapeNesting.h"

#include "ClipperPaths.h"

#include <QRect>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <thread>

namespace zindle {

namespace {

constexpr double Pi = 3.14159265358979323846;

// The cells a part covers, row by row, as runs [begin, end) of columns.
struct Footprint {
    int width = 0, height = 0;
    std::vector<std::vector<std::pair<int, int>>> rows;
    QPointF corner; // the turned part's point at the grid's cell (0, 0) corner
    double turnDeg = 0.0;
    // The cells around each of the part's cut-outs (grown material's holes), from its corner:
    // where a smaller part may go without taking more board.
    std::vector<QRect> holes;
};

// Cells whose centres lie in the material grown by `reach`: with reach half the gap plus half a
// cell's diagonal, every cell the material grown by half the gap touches.
Footprint footprintOf(const ClipperLib::Paths &grown, double turnDeg, double cell)
{
    QTransform turn;
    turn.rotate(turnDeg);
    std::vector<QPolygonF> polygons;
    QRectF bounds;
    std::vector<bool> hole;
    for (const ClipperLib::Path &path : grown) {
        polygons.push_back(turn.map(clipper::toPolygon(path)));
        bounds = bounds.united(polygons.back().boundingRect());
        // Clipper turns holes the other way from outer boundaries.
        hole.push_back(!ClipperLib::Orientation(path));
    }
    Footprint f;
    f.turnDeg = turnDeg;
    f.corner = bounds.topLeft();
    for (size_t i = 0; i < polygons.size(); ++i)
        if (hole[i]) {
            const QRectF r = polygons[i].boundingRect().translated(-f.corner);
            f.holes.emplace_back(QPoint(int(std::floor(r.left() / cell)), int(std::floor(r.top() / cell))),
                                 QPoint(int(std::ceil(r.right() / cell)), int(std::ceil(r.bottom() / cell))));
        }
    f.width = std::max(1, int(std::ceil(bounds.width() / cell)));
    f.height = std::max(1, int(std::ceil(bounds.height() / cell)));
    f.rows.resize(static_cast<size_t>(f.height));
    std::vector<double> crossings;
    for (int row = 0; row < f.height; ++row) {
        const double y = f.corner.y() + (row + 0.5) * cell;
        crossings.clear();
        for (const QPolygonF &polygon : polygons)
            for (int i = 0, n = int(polygon.size()); i < n; ++i) {
                const QPointF a = polygon[i], b = polygon[(i + 1) % n];
                if ((a.y() <= y) != (b.y() <= y))
                    crossings.push_back(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int begin = std::max(0, int(std::ceil((crossings[i] - f.corner.x()) / cell - 0.5)));
            const int end = std::min(f.width, int(std::floor((crossings[i + 1] - f.corner.x()) / cell - 0.5)) + 1);
            if (begin < end)
                f.rows[static_cast<size_t>(row)].emplace_back(begin, end);
        }
    }
    return f;
}

class Board {
public:
    Board(int width, int height) : width_(width), height_(height), words_((width + 63) / 64),
        bits_(static_cast<size_t>(words_) * static_cast<size_t>(height), 0) {}

    // The first taken cell in [begin, end) of `row`, or -1.
    int firstTaken(int row, int begin, int end) const
    {
        const uint64_t *line = &bits_[static_cast<size_t>(row) * static_cast<size_t>(words_)];
        for (int c = begin; c < end;) {
            const int w = c / 64, offset = c % 64;
            uint64_t word = line[w] >> offset;
            const int span = std::min(64 - offset, end - c);
            if (span < 64)
                word &= (uint64_t(1) << span) - 1;
            if (word)
                return c + std::countr_zero(word);
            c += span;
        }
        return -1;
    }
    void take(int row, int begin, int end)
    {
        uint64_t *line = &bits_[static_cast<size_t>(row) * static_cast<size_t>(words_)];
        for (int c = begin; c < end; ++c)
            line[c / 64] |= uint64_t(1) << (c % 64);
    }
    // The leftmost column at which `f`, with its top in `y`, covers no taken cell, or -1.
    int leftmostIn(const Footprint &f, int y, int from = 0, int to = -1) const
    {
        int x = from;
        const int last = to < 0 ? width_ - f.width : std::min(to, width_ - f.width);
        while (x <= last) {
            int jump = 0;
            for (int r = 0; r < f.height && !jump; ++r)
                for (const auto &[begin, end] : f.rows[static_cast<size_t>(r)]) {
                    const int taken = firstTaken(y + r, x + begin, x + end);
                    // Every place up to this one would cover the same taken cell.
                    if (taken >= 0) {
                        jump = taken - (x + begin) + 1;
                        break;
                    }
                }
            if (!jump)
                return x;
            x += jump;
        }
        return -1;
    }
    int height() const { return height_; }
    void place(const Footprint &f, int column, int row)
    {
        for (int r = 0; r < f.height; ++r)
            for (const auto &[begin, end] : f.rows[static_cast<size_t>(r)])
                take(row + r, column + begin, column + end);
        for (const QRect &hole : f.holes)
            holes_.push_back(hole.translated(column, row));
    }
    // The highest, then leftmost place inside a placed part's cut-out where `f` fits.
    bool placeInCutOut(const Footprint &f, int &column, int &row) const
    {
        for (const QRect &hole : holes_)
            for (int y = std::max(0, hole.top()); y + f.height <= std::min(height_, hole.bottom() + 1); ++y) {
                const int x = leftmostIn(f, y, std::max(0, hole.left()), hole.right() + 1 - f.width);
                if (x >= 0) {
                    column = x;
                    row = y;
                    return true;
                }
            }
        return false;
    }

private:
    int width_, height_, words_;
    std::vector<uint64_t> bits_;
    std::vector<QRect> holes_;
};

double materialArea(const ClipperLib::Paths &paths)
{
    double area = 0.0;
    for (const ClipperLib::Path &path : paths)
        area += ClipperLib::Area(path);
    return std::abs(area);
}

} // namespace

namespace {

struct Prepared {
    std::vector<std::vector<Footprint>> turns; // per shape; empty for a shape with no material
    int columns = 0, rows = 0;
    double inset = 0.0, cell = 0.0;
};

// Where a part goes among the places it fits: where its bottom edge ends highest, or where the
// rectangle the board's parts take grows least.
enum class Rule { Bottom, Area };

ShapeNesting nestWith(const Prepared &in, const std::vector<size_t> &order, Rule rule, int columns)
{
    ShapeNesting nesting;
    nesting.placements.resize(in.turns.size());
    struct Used {
        int right = 0, bottom = 0;
    };
    std::vector<Board> boards;
    std::vector<Used> used;
    for (size_t index : order) {
        const std::vector<Footprint> &turns = in.turns[index];
        if (turns.empty())
            continue;
        // What a place costs under the rule, lowest best; ties go to the higher, then the
        // more left place, then the earlier turn.
        const auto cost = [rule](const Used &u, int x, int y, const Footprint &f) {
            if (rule == Rule::Bottom)
                return double(y + f.height);
            return double(std::max(u.right, x + f.width)) * double(std::max(u.bottom, y + f.height));
        };
        const auto bestOn = [&](const Board &board, const Used &u, const Footprint *&best, int &column, int &row) {
            // A part that fits in a cut-out takes no more board there.
            for (const Footprint &f : turns)
                if (board.placeInCutOut(f, column, row)) {
                    best = &f;
                    return true;
                }
            best = nullptr;
            double bestCost = 0.0;
            for (const Footprint &f : turns)
                for (int y = 0; y + f.height <= board.height(); ++y) {
                    // Lower rows only grow the rectangle: none can beat the best once its
                    // smallest cost there does not.
                    if (best && rule == Rule::Area && cost(u, 0, y, f) > bestCost)
                        break;
                    const int x = board.leftmostIn(f, y);
                    if (x < 0)
                        continue;
                    const double c = cost(u, x, y, f);
                    if (!best || c < bestCost || (c == bestCost && (y < row || (y == row && x < column)))) {
                        best = &f;
                        bestCost = c;
                        column = x;
                        row = y;
                    }
                    // Lower places cost no less by height, nor start higher.
                    if (rule != Rule::Area)
                        break;
                }
            return best != nullptr;
        };
        const Footprint *best = nullptr;
        int column = 0, row = 0;
        size_t b = 0;
        while (b < boards.size() && !bestOn(boards[b], used[b], best, column, row))
            ++b;
        if (b == boards.size()) {
            boards.emplace_back(columns, in.rows);
            used.emplace_back();
            if (columns <= 0 || in.rows <= 0 || !bestOn(boards.back(), used.back(), best, column, row)) {
                ShapeNesting refused;
                refused.placements.resize(in.turns.size());
                refused.unplaced = int(index);
                return refused;
            }
        }
        boards[b].place(*best, column, row);
        used[b].right = std::max(used[b].right, column + best->width);
        used[b].bottom = std::max(used[b].bottom, row + best->height);
        ShapePlacement &p = nesting.placements[index];
        p.board = int(b);
        p.turnDeg = best->turnDeg;
        const QPointF at(in.inset + column * in.cell, in.inset + row * in.cell);
        QTransform turn;
        turn.rotate(best->turnDeg);
        p.toBoard = turn * QTransform::fromTranslate(at.x() - best->corner.x(), at.y() - best->corner.y());
    }
    nesting.boards = int(boards.size());
    for (const Used &u : used)
        nesting.usedAreaIn2 += (in.inset + u.right * in.cell) * (in.inset + u.bottom * in.cell);
    return nesting;
}

} // namespace

ShapeNesting NestShapes(const std::vector<CutShape> &shapes, const NestingSheet &sheet)
{
    Prepared in;
    in.cell = sheet.cellIn;
    // The grid holds the parts grown by half the gap, so it reaches that far into the margin.
    in.inset = sheet.marginIn - sheet.gapIn / 2.0;
    in.columns = int(std::floor((sheet.widthIn - 2.0 * in.inset) / in.cell + 1e-9));
    in.rows = int(std::floor((sheet.heightIn - 2.0 * in.inset) / in.cell + 1e-9));
    const double reach = sheet.gapIn / 2.0 + in.cell * std::sqrt(0.5);
    const int step = std::clamp(sheet.turnStepDeg, 1, 360);

    std::vector<double> areas(shapes.size());
    in.turns.resize(shapes.size());
    for (size_t i = 0; i < shapes.size(); ++i) {
        const ClipperLib::Paths material = clipper::materialPaths(shapes[i], 0.002);
        areas[i] = materialArea(material);
        ClipperLib::ClipperOffset offset(2.0, 0.002 * clipper::UnitsPerInch);
        offset.AddPaths(material, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
        ClipperLib::Paths grown;
        offset.Execute(grown, reach * clipper::UnitsPerInch);
        if (!grown.empty())
            for (int deg = 0; deg < 360; deg += step)
                in.turns[i].push_back(footprintOf(grown, deg, in.cell));
    }
    // Largest first, by area or by height: which packs closer depends on the parts.
    std::vector<size_t> byArea(shapes.size());
    std::iota(byArea.begin(), byArea.end(), size_t(0));
    std::vector<size_t> byHeight = byArea;
    std::stable_sort(byArea.begin(), byArea.end(), [&](size_t a, size_t b) { return areas[a] > areas[b]; });
    const auto height = [&](size_t i) { return in.turns[i].empty() ? 0 : in.turns[i].front().height; };
    std::stable_sort(byHeight.begin(), byHeight.end(), [&](size_t a, size_t b) { return height(a) > height(b); });

    // Parts that need less than a whole board take less of it laid out on a narrower strip:
    // the full width first, then narrower ones while every part still finds a place.
    ShapeNesting best = nestWith(in, byArea, Rule::Bottom, in.columns);
    if (best.unplaced >= 0)
        return best;
    struct Layout {
        const std::vector<size_t> *order;
        int tenths;
        ShapeNesting result;
    };
    std::vector<Layout> layouts;
    for (const std::vector<size_t> *order : {&byArea, &byHeight})
        for (int tenths = 10; tenths >= 6; --tenths)
            layouts.push_back({order, tenths, {}});
    // Each layout reads only what is prepared, so they run side by side; the choice among them
    // is made afterwards in their fixed order, so the result is the same on any number of cores.
    std::atomic<size_t> next{0};
    const auto work = [&] {
        const auto stopped = [&] { return sheet.stop && sheet.stop->load(); };
        for (size_t i = next++; i < layouts.size() && !stopped(); i = next++)
            layouts[i].result = nestWith(in, *layouts[i].order, Rule::Area, in.columns * layouts[i].tenths / 10);
    };
    std::vector<std::thread> helpers;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 1; t < std::min<unsigned>(cores, unsigned(layouts.size())); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();
    if (sheet.stop && sheet.stop->load())
        return best;
    for (size_t i = 0; i < layouts.size(); ++i) {
        ShapeNesting &tried = layouts[i].result;
        if (tried.unplaced >= 0 || tried.boards > best.boards) {
            // Narrower strips of this order only fare worse.
            while (i + 1 < layouts.size() && layouts[i + 1].order == layouts[i].order)
                ++i;
            continue;
        }
        if (tried.boards < best.boards || tried.usedAreaIn2 < best.usedAreaIn2)
            best = std::move(tried);
    }
    return best;
}

} // namespace zindle
