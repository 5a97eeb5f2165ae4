// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race on the track: the bars each tick fills, the design names at the lanes' starts and
// the result texts at the end. The track itself is the Race mode's empty sheet.

#include "physics/Race.h"
#include "SheetPalette.h"

#include <QColor>
#include <QPainter>
#include <vector>

namespace zindle {

inline const QColor RaceSelectedColor(0xBB, 0xAA, 0xEE); // 15641275 in the platform's BGR order
inline const QColor RaceOtherColor(192, 192, 192);
inline const QColor RaceSkidColor(255, 0, 255);

QColor raceBrushColor(RaceBrush brush);
// A skid is hatched in black over its colour as well, so that it reads without telling the
// colours apart (and in grey print). The hatch keeps to the picture's origin, so the segments
// of consecutive ticks join into one pattern.
inline const QColor RaceSkidHatchColor(0, 0, 0);
// Fills `rect` as a lane's bar of that brush is filled; the legend's swatches use it too.
void PaintRaceBrush(QPainter &painter, const QRect &rect, RaceBrush brush);
// Text size of the names and results: min(14, Trunc(H / 3)), at least 1.
int raceTextSize(const RaceGeometry &geometry);

void PaintRaceBars(QPainter &painter, const std::vector<RaceBar> &bars);
// The names of the lanes that were drawn in this tick, as the design list shows them. After the
// first tick a name is drawn only where this tick's bars covered it: smoothed text drawn again
// over itself grows darker and blurred at every tick.
void PaintLaneNames(QPainter &painter, const std::vector<RaceBar> &bars, const DesignList &list,
                    const RaceGeometry &geometry, bool firstTick, const SheetPalette &palette = DefaultSheetPalette());
void PaintRaceResults(QPainter &painter, const RaceState &race, const DesignList &list,
                      const RaceGeometry &geometry, const SheetPalette &palette = DefaultSheetPalette());

} // namespace zindle
