// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The empty sheet every mode's redraw starts from: background, grid, paper and ground, drawn
// for the current scale. Painter code only, so the sheet can be drawn without a window.

#include "geometry/SheetScale.h"
#include "model/Modes.h"
#include "SheetPalette.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace zindle {

// The background colour the program starts with (and the colour dialog always proposes).
inline const QColor DefaultBackgroundColor = QColor(0, 170, 255);

// Paints the empty sheet of `mode` over the whole of `size` (the picture's pixel size).
// `windowWidth` is the main window's width, which spaces the race course's foot marks.
void PaintEmptySheet(QPainter &painter, const QSize &size, SheetMode mode, const SheetScale &scale,
                     const QColor &background, int windowWidth,
                     const SheetPalette &palette = DefaultSheetPalette());
void PaintEmptySheet(QImage &image, SheetMode mode, const SheetScale &scale, const QColor &background,
                     int windowWidth, const SheetPalette &palette = DefaultSheetPalette());

} // namespace zindle
