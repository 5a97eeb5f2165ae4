// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints the car from the part regions in a fixed order and with fixed colours: on the screen
// sheet, and with the printer flag on paper at full size. The regions must have been rebuilt for
// the current design and scale (RebuildPartRegions) before painting.

#include "SheetPalette.h"

#include <QColor>
#include <QPainter>
#include <functional>

namespace zindle {

struct DesignRecord;
struct PartRegions;
struct PhysicsState;
struct SheetScale;

enum class PaintTarget { Screen = 0, Printer = 1, Nothing = 2 };

inline const QColor SilverColor(192, 192, 192);
inline const QColor MagentaColor(255, 0, 255);

void PaintInnerLayer(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const QColor &color);
void PaintOuterLayer(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const QColor &color);
void PaintGroundBand(QPainter &painter, const SheetScale &scale, PaintTarget target);
void PaintDriveWheels(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette = DefaultSheetPalette());
void PaintOtherWheels(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette = DefaultSheetPalette());
void PaintSpring(QPainter &painter, const PhysicsState &workspace, PaintTarget target);
void PaintSpringStrap(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette = DefaultSheetPalette());
void PaintDriveAxle(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette = DefaultSheetPalette());
void PaintTread(QPainter &painter, const PartRegions &regions, const SheetPalette &palette = DefaultSheetPalette());
void PaintOtherAxle(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette = DefaultSheetPalette());
void PaintMarks(QPainter &painter, const PhysicsState &workspace, PaintTarget target, const SheetPalette &palette = DefaultSheetPalette());
// Draws the weights' arrows and labels and writes each weight's hit rectangle into its slot,
// which is why the workspace is not const here.
void PaintWeights(QPainter &painter, DesignRecord &design, const SheetScale &scale, const SheetPalette &palette = DefaultSheetPalette());

// The Design redraw after the empty sheet: rebuilds the part regions, then paints every part.
// On paper only one layer is drawn: the outer one when `outerOnPaper`, else the inner one.
// `templateLabels` paints the template labels between the drive axle and the tread (templates
// supply it; the screen passes nothing).
void RedrawDesign(QPainter &painter, PhysicsState &workspace, PaintTarget target, bool outerOnPaper,
                  const std::function<void(QPainter &)> &templateLabels = {}, const SheetPalette &palette = DefaultSheetPalette());
// RedrawDesign over regions the caller has just rebuilt.
void PaintDesignParts(QPainter &painter, PhysicsState &workspace, PaintTarget target, bool outerOnPaper,
                      const std::function<void(QPainter &)> &templateLabels = {}, const SheetPalette &palette = DefaultSheetPalette());

} // namespace zindle
