// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling, framing and hatching planar regions with a QPainter, as the car and the templates are
// drawn: a frame of width w x h lies inside the region's edge, like a framed region on paper.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QRegion>

namespace zindle {

// The region shrunk by w pixels left and right and h pixels top and bottom.
QRegion erodeRegion(const QRegion &region, int w, int h);
// The band of width w x h just inside the region's edge.
QRegion frameRegion(const QRegion &region, int w, int h);

void fillRegion(QPainter &painter, const QRegion &region, const QBrush &brush);
void paintFrame(QPainter &painter, const QRegion &region, const QColor &color, int w, int h);

} // namespace zindle
