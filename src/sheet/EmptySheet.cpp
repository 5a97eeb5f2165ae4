// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmptySheet.h"

#include "model/NumberText.h"

#include <QPolygon>

namespace zindle {

namespace {

void paintHalfInchGrid(QPainter &painter, const QSize &size, const SheetScale &scale, const QColor &colour)
{
    const int step = truncToInt(scale.ScreenScale * 72.0f / 2.0f);
    painter.setPen(QPen(colour, 1, Qt::SolidLine));
    painter.drawLine(0, 0, size.width(), 0);
    if (step <= 0)
        return; // a degenerate scale would never reach the edge
    for (int x = step; x < size.width(); x += step)
        painter.drawLine(x, 0, x, size.height());
    for (int y = step; y < size.height(); y += step)
        painter.drawLine(0, y, size.width(), y);
}

void paintRaceCourse(QPainter &painter, const QSize &size, int windowWidth, const SheetPalette &palette)
{
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    const int h = windowWidth / 17;
    if (h <= 0)
        return;
    for (int k = 1; k * h < size.width(); ++k) {
        const int x = k * h;
        const bool startOrFinish = k == 1 || k == 16;
        painter.setPen(QPen(startOrFinish ? palette.startFinishLine : palette.footLine, 1, Qt::SolidLine));
        painter.drawLine(x, 0, x, size.height());
        painter.setPen(QPen(startOrFinish ? palette.startFinishText : palette.footText, 1, Qt::SolidLine));
        painter.drawText(x, painter.fontMetrics().ascent(),
                         QString::number(k - 1) + QStringLiteral(" ft"));
    }
}

void paintPaper(QPainter &painter, const SheetScale &scale, const QColor &fill, const QColor &edge)
{
    const float s = scale.ScreenScale;
    const int left = scale.SheetOffsetX + 1;
    const int right = scale.SheetOffsetX + scale.DrawPxWidth;
    const int fold = right - truncToInt(30.0f * s);
    const int foldBottom = truncToInt(31.0f * s);
    const QPolygon paper({QPoint(left, 1), QPoint(fold, 1), QPoint(right, foldBottom),
                          QPoint(right, scale.DrawPxHeight), QPoint(left, scale.DrawPxHeight)});
    painter.setPen(QPen(edge, 2, Qt::SolidLine));
    painter.setBrush(fill);
    painter.drawPolygon(paper);
    // The turned-down corner.
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygon({QPoint(fold, 1), QPoint(right, foldBottom), QPoint(fold, foldBottom)}));
    painter.setPen(QPen(edge, 1, Qt::SolidLine));
}

void paintDrawingGrid(QPainter &painter, const SheetScale &scale, const QColor &colour)
{
    painter.setPen(QPen(colour, 1, Qt::SolidLine));
    const int w = scale.DrawPxWidth, h = scale.DrawPxHeight, offset = scale.SheetOffsetX;
    for (int i = 1; i <= 19; ++i) {
        const int x = i * w / 20 + offset;
        painter.drawLine(x, 0, x, h);
    }
    for (int j = 1; j <= 14; ++j) {
        const int y = j * h / 15;
        painter.drawLine(offset, y, offset + w, y);
    }
}

} // namespace

void PaintEmptySheet(QPainter &painter, const QSize &size, SheetMode mode, const SheetScale &scale,
                     const QColor &chosenBackground, int windowWidth, const SheetPalette &palette)
{
    const QColor background = palette.sheetBackground(chosenBackground);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRect(0, 0, size.width(), size.height());
    painter.setBrush(Qt::NoBrush);

    if (mode != SheetMode::Design && mode != SheetMode::Race && mode != SheetMode::Print)
        paintHalfInchGrid(painter, size, scale, palette.halfInchGrid);
    if (mode == SheetMode::Race)
        paintRaceCourse(painter, size, windowWidth, palette);
    if (mode == SheetMode::Design || mode == SheetMode::Preview)
        paintPaper(painter, scale, mode == SheetMode::Design ? palette.paperFill(chosenBackground) : QColor(Qt::white),
                   palette.paperEdge);
    if (mode == SheetMode::Design)
        paintDrawingGrid(painter, scale, palette.drawingGrid);
    if (mode == SheetMode::Analyze || mode == SheetMode::Simulate) {
        const int top = truncToInt(scale.ScreenScale * 72.0f * 0.5f) + scale.DrawPxHeight;
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.ground);
        painter.drawRect(QRect(QPoint(0, top), QPoint(size.width(), size.height())));
    }
    painter.restore();
}

void PaintEmptySheet(QImage &image, SheetMode mode, const SheetScale &scale, const QColor &background,
                     int windowWidth, const SheetPalette &palette)
{
    QPainter painter(&image);
    PaintEmptySheet(painter, image.size(), mode, scale, background, windowWidth, palette);
}

} // namespace zindle
