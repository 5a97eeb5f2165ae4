// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutSheets.h"

#include "Templates.h"
#include "geometry/ShapeNesting.h"
#include "PrintJobs.h"
#include "model/DesignNumbers.h"
#include "model/PartMaterials.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CutSheets)
};

constexpr double MillimetresPerInch = 25.4;
// A side longer than this (25 m) is no board; it also keeps every coordinate of the files in
// the range their writers handle.
constexpr double MaxBoardSideIn = 1000.0;

int countOf(const QString &text) { return std::max(truncToInt(floatOr(text, 0.0f)), 0); }

enum class PartKind { Outer, Inner, DriveWheel, OtherWheel };

QString kindText(PartKind kind)
{
    switch (kind) {
    case PartKind::Outer: return QStringLiteral("Outer Layer");
    case PartKind::Inner: return QStringLiteral("Inner Layer");
    case PartKind::DriveWheel: return QStringLiteral("Drive Wheel");
    case PartKind::OtherWheel: return QStringLiteral("Other Wheel");
    }
    return {};
}

// The rectangle a label takes: from its baseline up by its height, and a quarter of it below
// for descenders.
QRectF labelBox(QPointF baseline, double width, double height)
{
    return QRectF(baseline.x(), baseline.y() - height, width, 1.25 * height);
}

// Whether a part of these bounds fits the board upright or turned a quarter, with the margins.
bool fitsOn(const QRectF &bounds, const BoardSize &board)
{
    const double room = 2.0 * BoardMarginIn;
    const auto fits = [&](double w, double h) { return w + room <= board.widthIn + 1e-9 && h + room <= board.heightIn + 1e-9; };
    return fits(bounds.width(), bounds.height()) || fits(bounds.height(), bounds.width());
}

QString sizeText(double widthIn, double heightIn, bool metric)
{
    const double f = metric ? MillimetresPerInch : 1.0;
    const int decimals = metric ? 1 : 2;
    return QString::number(widthIn * f, 'f', decimals) + QStringLiteral(" x ")
           + QString::number(heightIn * f, 'f', decimals) + (metric ? QStringLiteral(" mm") : QStringLiteral(" in"));
}

} // namespace

double LabelWidth(const QString &label, double height)
{
    return height * (0.62 * static_cast<double>(label.size()) + 0.2);
}

void PlaceLabel(CutPart &part)
{
    const QRectF bounds = part.shape.bounds();
    part.labelAngle = 0.0;
    if (bounds.isEmpty()) {
        part.labelAt = bounds.topLeft();
        part.labelHeight = MinLabelHeightIn;
        return;
    }
    const QPainterPath material = part.shape.path();
    const QPointF middle = bounds.center();
    for (double height = MaxLabelHeightIn; height >= MinLabelHeightIn - 1e-9; height *= 0.8) {
        const double width = LabelWidth(part.label, height);
        if (width > bounds.width() || 1.25 * height > bounds.height())
            continue;
        // Candidate places on a grid over the part, nearest the middle first.
        const double step = std::max({0.05, height / 2.0, bounds.width() / MaxLabelPlacesPerSide,
                                      bounds.height() / MaxLabelPlacesPerSide});
        std::vector<QPointF> places;
        for (double y = bounds.top() + height; y + 0.25 * height <= bounds.bottom(); y += step)
            for (double x = bounds.left(); x + width <= bounds.right(); x += step)
                places.emplace_back(x, y);
        const auto distance = [&](QPointF p) {
            const QPointF c = labelBox(p, width, height).center() - middle;
            return c.x() * c.x() + c.y() * c.y();
        };
        std::stable_sort(places.begin(), places.end(),
                         [&](QPointF a, QPointF b) { return distance(a) < distance(b); });
        for (const QPointF &p : places) {
            if (material.contains(labelBox(p, width, height))) {
                part.labelAt = p;
                part.labelHeight = height;
                return;
            }
        }
    }
    // No room anywhere on the material (a tiny wheel): the smallest label over the middle,
    // which only marks the part.
    part.labelHeight = MinLabelHeightIn;
    part.labelAt = QPointF(middle.x() - LabelWidth(part.label, MinLabelHeightIn) / 2.0,
                           middle.y() + MinLabelHeightIn / 2.0);
}

std::vector<CutPart> CutPartsFrom(const CutPartInputs &in, CutSet set)
{
    struct Entry {
        PartKind kind;
        int number; // layer number, 0 for wheels
    };
    std::vector<Entry> entries;
    if (set == CutSet::All || set == CutSet::Outer || set == CutSet::Inner) {
        for (const LayerTemplate &t : TemplateSet(in.coredLayers, in.fullLayers)) {
            const bool outer = t.kind == LayerKind::Outer;
            if (set == CutSet::All || (outer ? set == CutSet::Outer : set == CutSet::Inner))
                entries.push_back({outer ? PartKind::Outer : PartKind::Inner, t.TemplateLayerNumber});
        }
    }
    if (set == CutSet::All || set == CutSet::Wheels) {
        entries.push_back({PartKind::DriveWheel, 0});
        entries.push_back({PartKind::DriveWheel, 0});
        entries.push_back({PartKind::OtherWheel, 0});
        entries.push_back({PartKind::OtherWheel, 0});
    }
    auto shapeOf = [&](PartKind kind) -> const CutShape & {
        switch (kind) {
        case PartKind::Outer: return in.outer;
        case PartKind::Inner: return in.inner;
        case PartKind::DriveWheel: return in.driveWheel;
        case PartKind::OtherWheel: return in.otherWheel;
        }
        return in.outer;
    };
    auto materialOf = [&](PartKind kind) -> const QString & {
        switch (kind) {
        case PartKind::Outer: return in.outerMaterial;
        case PartKind::Inner: return in.innerMaterial;
        case PartKind::DriveWheel: return in.driveWheelMaterial;
        case PartKind::OtherWheel: return in.otherWheelMaterial;
        }
        return in.outerMaterial;
    };
    auto labelOf = [&](const Entry &e) {
        QString label = in.designName + QStringLiteral(": ") + kindText(e.kind);
        if (e.number > 0)
            label += QLatin1Char(' ') + QString::number(e.number);
        return label;
    };

    // Copies of one shape share the label's place, found for the longest of their labels.
    std::array<std::optional<CutPart>, 4> placed;
    for (const Entry &e : entries) {
        auto &slot = placed[static_cast<size_t>(e.kind)];
        if (slot || shapeOf(e.kind).isEmpty())
            continue;
        CutPart probe;
        probe.shape = shapeOf(e.kind);
        probe.material = materialOf(e.kind);
        for (const Entry &other : entries)
            if (other.kind == e.kind && labelOf(other).size() > probe.label.size())
                probe.label = labelOf(other);
        if (!in.board || fitsOn(probe.shape.bounds(), *in.board))
            PlaceLabel(probe);
        slot = probe;
    }

    std::vector<CutPart> parts;
    for (const Entry &e : entries) {
        const auto &slot = placed[static_cast<size_t>(e.kind)];
        if (!slot)
            continue;
        CutPart part = *slot;
        part.label = labelOf(e);
        parts.push_back(part);
    }
    return parts;
}

CutPartsOutcome CutPartsOf(PhysicsState &ws, CutSet set, const BoardSize &board)
{
    PrepareTemplates(ws);
    CutPartsOutcome outcome;
    const int cored = countOf(ws.results.LayersCoredEF), full = countOf(ws.results.LayersFullEF);
    if (set != CutSet::Wheels && cored + full > MaxLayerTemplates) {
        outcome.error = Texts::tr("The design has %1 layers; at most %2 layers can be cut.")
                            .arg(cored + full)
                            .arg(MaxLayerTemplates);
        return outcome;
    }
    CutPartInputs in;
    in.designName = TemplateDesignName(ws.list);
    in.coredLayers = cored;
    in.fullLayers = full;
    in.board = board;
    const PartGeometry &geometry = ws.regions.geometry;
    in.outer = OuterLayerShape(ws.design, geometry);
    in.inner = InnerLayerShape(ws.design, geometry);
    // The wheels as the wheel pages draw them; with all-wheel drive the other pair are drive
    // wheels too.
    const DesignRecord &d = ws.design;
    in.allWheel = d.Drive == DriveKind::AllWD;
    const DesignNumbers n = ParseDesignNumbers(d, ws.catalogue);
    in.driveWheel = WheelShape(n.DriveWhlDia, n.DriveAxleDia);
    in.otherWheel = in.allWheel ? in.driveWheel : WheelShape(n.OtherWhlDia, n.OtherAxleDia);
    // The other pair keep their own board even when all-wheel drive gives them the drive
    // wheels' size, as the wheel page and the mass balance take it.
    in.outerMaterial = boardOf(d, ws.catalogue, OuterBodyPart).BoardName;
    in.innerMaterial = boardOf(d, ws.catalogue, InnerBodyPart).BoardName;
    in.driveWheelMaterial = boardOf(d, ws.catalogue, DriveWheelPart).BoardName;
    in.otherWheelMaterial = boardOf(d, ws.catalogue, OtherWheelPart).BoardName;
    outcome.parts = CutPartsFrom(in, set);
    return outcome;
}

std::optional<BoardSize> ParseBoardSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d+(?:\.\d*)?|\.\d+)\s*[xX]\s*(\d+(?:\.\d*)?|\.\d+)\s*(in|mm)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    BoardSize board;
    board.metric = match.captured(3) == QLatin1String("mm");
    const double f = board.metric ? 1.0 / MillimetresPerInch : 1.0;
    board.widthIn = match.captured(1).toDouble() * f;
    board.heightIn = match.captured(2).toDouble() * f;
    if (!(board.widthIn > 0.0) || !(board.heightIn > 0.0) || board.widthIn > MaxBoardSideIn
        || board.heightIn > MaxBoardSideIn)
        return std::nullopt;
    return board;
}

QString BoardSizeText(const BoardSize &board)
{
    const double f = board.metric ? MillimetresPerInch : 1.0;
    return QString::number(board.widthIn * f, 'g', 6) + QStringLiteral(" x ")
           + QString::number(board.heightIn * f, 'g', 6) + (board.metric ? QStringLiteral(" mm") : QStringLiteral(" in"));
}

namespace {

// One nesting; `preferTurned` turns every part that fits either way.
NestOutcome nestOnce(const std::vector<CutPart> &parts, const BoardSize &board, bool preferTurned, double gapIn)
{
    struct Item {
        size_t index;
        QRectF bounds;
        bool turned;
        double width() const { return turned ? bounds.height() : bounds.width(); }
        double height() const { return turned ? bounds.width() : bounds.height(); }
    };
    const double room = 2.0 * BoardMarginIn;
    const auto fits = [&](double w, double h) { return w + room <= board.widthIn + 1e-9 && h + room <= board.heightIn + 1e-9; };

    NestOutcome outcome;
    std::vector<Item> items;
    for (size_t i = 0; i < parts.size(); ++i) {
        const QRectF b = parts[i].shape.bounds();
        const bool upright = fits(b.width(), b.height()), turned = fits(b.height(), b.width());
        // A round part (a wheel) gains nothing by turning; its label stays level.
        const bool round = std::abs(b.width() - b.height()) < 1e-9;
        if (upright || turned)
            items.push_back({i, b, turned && ((preferTurned && !round) || !upright)});
        else {
            const double f = board.metric ? MillimetresPerInch : 1.0;
            outcome.error = Texts::tr("The part \"%1\" (%2) does not fit on the board (%3, with %4 kept free along each edge).")
                                .arg(parts[i].label, sizeText(b.width(), b.height(), board.metric),
                                     BoardSizeText(board),
                                     QString::number(BoardMarginIn * f, 'g', 3)
                                         + (board.metric ? QStringLiteral(" mm") : QStringLiteral(" in")));
            return outcome;
        }
    }
    std::stable_sort(items.begin(), items.end(), [](const Item &a, const Item &b) { return a.height() > b.height(); });

    struct Shelf {
        double top, height, usedRight;
    };
    struct Open {
        std::vector<Shelf> shelves;
        double nextTop = BoardMarginIn;
    };
    std::vector<Open> open;
    for (const Item &item : items) {
        const double w = item.width(), h = item.height();
        const double right = board.widthIn - BoardMarginIn, bottom = board.heightIn - BoardMarginIn;
        size_t b = 0;
        QPointF place;
        bool found = false;
        for (b = 0; b < open.size() && !found; ++b) {
            for (Shelf &shelf : open[b].shelves) {
                if (h <= shelf.height + 1e-9 && shelf.usedRight + gapIn + w <= right + 1e-9) {
                    place = QPointF(shelf.usedRight + gapIn, shelf.top);
                    shelf.usedRight = place.x() + w;
                    found = true;
                    break;
                }
            }
            if (!found && open[b].nextTop + h <= bottom + 1e-9) {
                place = QPointF(BoardMarginIn, open[b].nextTop);
                open[b].shelves.push_back({open[b].nextTop, h, BoardMarginIn + w});
                open[b].nextTop += h + gapIn;
                found = true;
            }
            if (found)
                break;
        }
        if (!found) {
            open.emplace_back();
            outcome.boards.emplace_back();
            b = open.size() - 1;
            place = QPointF(BoardMarginIn, BoardMarginIn);
            open[b].shelves.push_back({BoardMarginIn, h, BoardMarginIn + w});
            open[b].nextTop = BoardMarginIn + h + gapIn;
        }
        const QRectF &r = item.bounds;
        // A quarter turn clockwise (y down) about the box's corner: (x, y) -> (bottom - y, x - left).
        const QTransform move = item.turned
                                    ? QTransform(0, 1, -1, 0, r.bottom() + place.x(), -r.left() + place.y())
                                    : QTransform::fromTranslate(place.x() - r.left(), place.y() - r.top());
        CutPart part = parts[item.index];
        part.shape = part.shape.mapped(move);
        part.labelAt = move.map(part.labelAt);
        if (item.turned)
            part.labelAngle += 90.0;
        outcome.boards[b].parts.push_back(part);
    }
    return outcome;
}

} // namespace

NestOutcome NestPartsOnShelves(const std::vector<CutPart> &parts, const BoardSize &board, double gapIn)
{
    // Long layers lie across a board or along it; whichever needs fewer boards wins.
    NestOutcome upright = nestOnce(parts, board, false, gapIn);
    if (!upright.error.isEmpty())
        return upright;
    NestOutcome turned = nestOnce(parts, board, true, gapIn);
    return turned.boards.size() < upright.boards.size() ? turned : upright;
}

double UsedBoardArea(const NestOutcome &nested)
{
    double area = 0.0;
    for (const CutBoard &board : nested.boards) {
        double right = 0.0, bottom = 0.0;
        for (const CutPart &part : board.parts) {
            const QRectF bounds = part.shape.bounds();
            right = std::max(right, bounds.right());
            bottom = std::max(bottom, bounds.bottom());
        }
        area += right * bottom;
    }
    return area;
}

NestOutcome NestParts(const std::vector<CutPart> &parts, const BoardSize &board, double gapIn,
                      const std::atomic<bool> *stop)
{
    NestOutcome shelves = NestPartsOnShelves(parts, board, gapIn);
    if (!shelves.error.isEmpty())
        return shelves;

    // By true shape the parts take less of the board; the boxes' shelves stay the fallback, so
    // that no set ever needs more boards than they do.
    std::vector<CutShape> shapes;
    shapes.reserve(parts.size());
    for (const CutPart &part : parts)
        shapes.push_back(part.shape);
    NestingSheet sheet;
    sheet.widthIn = board.widthIn;
    sheet.heightIn = board.heightIn;
    sheet.marginIn = BoardMarginIn;
    sheet.gapIn = gapIn;
    sheet.stop = stop;
    const ShapeNesting nested = NestShapes(shapes, sheet);
    if (nested.unplaced >= 0 || nested.boards > int(shelves.boards.size()))
        return shelves;
    NestOutcome outcome;
    outcome.boards.resize(static_cast<size_t>(nested.boards));
    for (size_t i = 0; i < parts.size(); ++i) {
        const ShapePlacement &at = nested.placements[i];
        if (at.board < 0)
            continue; // no material: nothing to cut
        CutPart part = parts[i];
        part.shape = part.shape.mapped(at.toBoard);
        part.labelAt = at.toBoard.map(part.labelAt);
        part.labelAngle += at.turnDeg;
        outcome.boards[static_cast<size_t>(at.board)].parts.push_back(std::move(part));
    }
    return outcome;
}

} // namespace zindle
