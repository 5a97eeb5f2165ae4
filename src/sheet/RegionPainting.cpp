// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegionPainting.h"

namespace zindle {

QRegion erodeRegion(const QRegion &region, int w, int h)
{
    QRegion eroded = region;
    for (int dx = 1; dx <= w; ++dx)
        eroded &= region.translated(dx, 0) & region.translated(-dx, 0);
    for (int dy = 1; dy <= h; ++dy)
        eroded &= region.translated(0, dy) & region.translated(0, -dy);
    return eroded;
}

QRegion frameRegion(const QRegion &region, int w, int h) { return region - erodeRegion(region, w, h); }

void fillRegion(QPainter &painter, const QRegion &region, const QBrush &brush)
{
    // A printed tile clips a layer larger than its paper: without the cut, every tile's page
    // would carry (and compress) every rectangle of the whole layer.
    const QRegion visible =
        painter.hasClipping() ? region.intersected(painter.clipBoundingRect().toAlignedRect()) : region;
    if (visible.isEmpty())
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    for (const QRect &rect : visible)
        painter.drawRect(rect);
    painter.restore();
}

void paintFrame(QPainter &painter, const QRegion &region, const QColor &color, int w, int h)
{
    fillRegion(painter, frameRegion(region, w, h), QBrush(color));
}

} // namespace zindle
