// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementGridPainter.h"

#include "model/NumberText.h"
#include "geometry/SheetScale.h"

namespace zindle {

namespace {

void paintEdges(QPainter &painter, const SheetScale &scale, int g, QPoint sample, const QColor &color)
{
    const int h = g / 2;
    const float s = scale.ScreenScale;
    const int left = sample.x() - h, top = sample.y() - h;
    const int L = truncToInt(left * s) + scale.SheetOffsetX;
    const int T = truncToInt(top * s);
    const int R = truncToInt((left + g + 1) * s) + scale.SheetOffsetX;
    const int B = truncToInt((top + g + 1) * s);
    painter.setPen(QPen(color, 1));
    painter.drawLine(L, T, R, T);
    painter.drawLine(R, T, R, B);
}

} // namespace

int PaintGridElement(QPainter &painter, const SheetScale &scale, int elementSize, const GridElement &element)
{
    int strokes = 0;
    if (element.outer) {
        paintEdges(painter, scale, elementSize, element.sample, Qt::white);
        ++strokes;
    }
    if (element.inner) {
        paintEdges(painter, scale, elementSize, element.sample, QColor(128, 128, 128));
        ++strokes;
    }
    return strokes;
}

size_t PaintGridBatch(QPainter &painter, const SheetScale &scale, int elementSize,
                      const std::vector<GridElement> &elements, size_t from)
{
    int drawn = 0;
    size_t i = from;
    while (i < elements.size() && drawn <= ElementsPerRepaint)
        drawn += PaintGridElement(painter, scale, elementSize, elements[i++]);
    return i;
}

} // namespace zindle
