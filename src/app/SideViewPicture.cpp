// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideViewPicture.h"

#include "sheet/CarRenderer.h"
#include "sheet/EmptySheet.h"

#include <QPainter>

namespace zindle {

QImage SideViewPicture(Workspace &workspace, int width)
{
    const SheetScale &scale = workspace.scale;
    const QSize sheet(scale.SheetOffsetX * 2 + scale.DrawPxWidth, scale.SheetPxHeight);
    if (width <= 0 || width >= sheet.width())
        width = sheet.width();
    const double factor = double(width) / sheet.width();
    QImage picture(width, qRound(sheet.height() * factor), QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(factor, factor);
    PaintEmptySheet(painter, sheet, SheetMode::Design, scale, DefaultBackgroundColor, sheet.width());
    RedrawDesign(painter, workspace, PaintTarget::Screen, false);
    painter.end();
    return picture;
}

} // namespace zindle
