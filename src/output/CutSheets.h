// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cut parts of a car laid out on boards of foam board, for a laser cutter or a cutting
// plotter: every part of the chosen set with its engraved label (design name, part, layer
// number), nested without overlaps onto as many boards as they need.
//
// Reads (through PrepareTemplates, which it runs): the design, its materials and the build
// step's results (layer counts, case size, drive axle height), as the printed templates do.

#include "geometry/CutParts.h"

#include <QString>
#include <atomic>
#include <optional>
#include <vector>

namespace zindle {

struct PhysicsState;

// Which parts go into the files: every cut part, the outer layers, the inner (cored) layers,
// or the wheels. Each set holds every copy the car needs (two outer layers, one inner layer per
// cored layer, two wheels of each kind).
enum class CutSet { All, Outer, Inner, Wheels };

struct CutPart {
    QString label;        // engraved on the part
    CutShape shape;       // inches, in the part's own frame
    // Where the label sits on the part: its baseline starts at labelAt, labelHeight tall,
    // labelAngle degrees clockwise (a part turned on its board turns its label with it).
    QPointF labelAt;
    double labelHeight = 0.0;
    double labelAngle = 0.0;
    QString material{}; // the board material's name, as the catalogue spells it
};

// A board's size in inches, and the unit it was given in (the files are written in it).
struct BoardSize {
    double widthIn = 20.0, heightIn = 30.0;
    bool metric = false;
};

// The parts of `set` for the workspace's design, in stacking order (layers numbered 1, 2, ...
// as on the printed templates), then the drive wheels and the other wheels, for `board`. A car
// of more layers than MaxLayerTemplates is refused (error set, no parts), as its printing is.
struct CutPartsOutcome {
    std::vector<CutPart> parts;
    QString error;
};
CutPartsOutcome CutPartsOf(PhysicsState &workspace, CutSet set, const BoardSize &board);

// The parts from shapes already made (the layer templates' set and the wheels), for callers
// that hold them. `designName` starts every label.
struct CutPartInputs {
    QString designName;
    CutShape outer, inner, driveWheel, otherWheel;
    // The board material each is cut from.
    QString outerMaterial, innerMaterial, driveWheelMaterial, otherWheelMaterial;
    int coredLayers = 0, fullLayers = 2;
    bool allWheel = false;
    // The board the parts go on: a part that fits it in neither direction gets no place for
    // its label (the nesting refuses it), so that a part miles wide costs no search.
    std::optional<BoardSize> board;
};
std::vector<CutPart> CutPartsFrom(const CutPartInputs &inputs, CutSet set);

// Finds a place for the label inside the part's material and sets labelAt and labelHeight
// (the largest height up to MaxLabelHeightIn that fits, the place nearest the part's middle).
// The places tried lie on a grid of at most MaxLabelPlacesPerSide along each side of the
// part, so that a part of any size costs a bounded search.
inline constexpr double MaxLabelHeightIn = 0.25;
inline constexpr double MinLabelHeightIn = 0.06;
inline constexpr int MaxLabelPlacesPerSide = 100;
void PlaceLabel(CutPart &part);
// The width a label of `height` is given: generous for the usual sans-serif fonts, so that the
// text stays on the part in whatever font the cutter's software shows it.
double LabelWidth(const QString &label, double height);

// "WxH" in inches, or with an "mm" suffix in millimetres ("20x30", "20 x 30 in", "500x750mm");
// nothing for anything else or for sizes that are not positive.
std::optional<BoardSize> ParseBoardSize(const QString &text);
// "20 x 30 in" or "500 x 750 mm".
QString BoardSizeText(const BoardSize &board);

// Space kept free along the board's edges and between parts, inches.
inline constexpr double BoardMarginIn = 0.25;
inline constexpr double PartGapIn = 0.25;

// One board: the parts moved (and turned a quarter when they fit only so) to their places, in
// inches from the board's top left corner.
struct CutBoard {
    std::vector<CutPart> parts;
};

struct NestOutcome {
    std::vector<CutBoard> boards;
    QString error; // a part that fits no board, with the sizes; no boards then
};
// Nesting by true shape (NestShapes: parts turned in quarter turns, into each other's bays and
// cut-outs), or, should that ever need more boards, shelf nesting by bounding box, tallest first
// (parts that fit either way all upright or all turned a quarter, whichever needs fewer boards).
// Either way no two parts come closer than `gapIn`, none closer than BoardMarginIn to an edge.
// A part that fits no board is named with the sizes; the parts' order on a board is theirs.
// Once `stop` is set, what comes back is for nothing.
NestOutcome NestParts(const std::vector<CutPart> &parts, const BoardSize &board, double gapIn = PartGapIn,
                      const std::atomic<bool> *stop = nullptr);
// The shelf nesting alone.
NestOutcome NestPartsOnShelves(const std::vector<CutPart> &parts, const BoardSize &board, double gapIn = PartGapIn);
// The boards' area a nesting takes: on each board, the rectangle from its top left corner to
// the furthest part's edge, square inches. What lies beside it is whole board for the next car.
double UsedBoardArea(const NestOutcome &nested);

} // namespace zindle
