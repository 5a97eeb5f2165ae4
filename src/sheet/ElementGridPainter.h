// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the counted elements of the mass analysis over the car, in the order the grid walk
// found them, so that a window can show the grid growing: each element is the top and right
// edge of its square, white for the full layers and grey for the cored ones.

#include "physics/MassBalance.h"

#include <QPainter>
#include <vector>

namespace zindle {

struct SheetScale;

// Elements drawn between two repaints of the sheet picture while the grid grows.
inline constexpr int ElementsPerRepaint = 250;

// Draws one element (twice when it counts in both layers). Returns the number of strokes drawn.
int PaintGridElement(QPainter &painter, const SheetScale &scale, int elementSize, const GridElement &element);

// Draws elements [from, end) but stops once more than ElementsPerRepaint strokes were drawn;
// returns the index of the first element not drawn (elements.size() when all are done).
size_t PaintGridBatch(QPainter &painter, const SheetScale &scale, int elementSize,
                      const std::vector<GridElement> &elements, size_t from);

} // namespace zindle
