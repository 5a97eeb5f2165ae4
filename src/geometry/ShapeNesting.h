// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Nesting by true shape: each part is placed by its material, not its bounding box, turned in
// steps, so that parts sit into each other's bays and a small part (a wheel) into a larger
// part's cut-out. The board is a grid of small square cells; a part covers every cell its
// material, grown by half the gap, could touch, so two parts whose cells differ always keep the
// whole gap between them, whatever the grid. Parts are placed largest first on the first board
// that takes them, each where its bottom edge ends highest (then leftmost, then with the least
// turn); the layout is tried on the whole board's width and on narrower strips of it, and the
// one needing fewest boards, then least area, is kept. The same parts give the same layout.

#include "geometry/CutParts.h"

#include <QTransform>
#include <atomic>
#include <vector>

namespace zindle {

struct NestingSheet {
    double widthIn = 20.0, heightIn = 30.0;
    double marginIn = 0.25; // kept free along each edge
    double gapIn = 0.25;    // kept free between parts
    int turnStepDeg = 90;   // turns tried: 0, step, 2 step, ... below 360
    double cellIn = 0.05;   // the grid; finer packs closer and costs more
    // Once set, the layouts not begun are skipped and the result is for nothing: a student
    // who stops a large export should not wait for every layout to finish.
    const std::atomic<bool> *stop = nullptr;
};

struct ShapePlacement {
    int board = -1;       // from 0; -1 for a part that fits no board
    double turnDeg = 0.0; // clockwise on the board (y down)
    QTransform toBoard;   // from the part's frame to the board's, inches from its top left
};

struct ShapeNesting {
    std::vector<ShapePlacement> placements; // one per shape, in the shapes' order
    int boards = 0;
    int unplaced = -1; // the first shape that fits no empty board; then no boards
    // The boards' area the parts take: on each, the rectangle from its top left corner to the
    // furthest part (grown by half the gap); what is left beside it stays whole for the next car.
    double usedAreaIn2 = 0.0;
};

ShapeNesting NestShapes(const std::vector<CutShape> &shapes, const NestingSheet &sheet);

} // namespace zindle
