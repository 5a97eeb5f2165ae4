// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetScale.h"

#include "model/NumberText.h"

#include <QPolygon>
#include <algorithm>
#include <cstdlib>

namespace zindle {

namespace {

// Windows-style rectangle (right and bottom exclusive) as a QRect.
QRect exclusiveRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// A printer that reports no resolution (none installed) is taken as a 600 dpi one, so that
// the printer copies never collapse to a point.
float usableDpi(float dpi) { return dpi > 0.0f ? dpi : 600.0f; }

// The scale is a single and so is every length derived from it: evaluated wider, 144 x 4/3
// lands a hair above 192 and a 1152-pixel window would lose a pixel column of its drawing area.
constexpr float Aspect = SheetAspect;

int truncF(float value) { return truncToInt(static_cast<double>(value)); }

void finishScale(SheetScale &s, int availW, int clientW, int clientH, int imageLeft, int imageTop)
{
    s.RaceUnitX = static_cast<float>(clientW - imageLeft) / 17.0f;
    s.RaceUnitY = static_cast<float>(clientH - imageTop) / 17.0f;

    s.PreviewScale = s.ScreenScale;
    s.PreviewLength32 = truncF(32.0f * s.PreviewScale * s.PreviewZoom);
    s.PreviewLength8 = truncF(8.0f * s.PreviewScale * s.PreviewZoom);

    const float ss = s.ScreenScale;
    const float px = s.PrinterScaleX, py = s.PrinterScaleY;
    s.GroundBandPt = exclusiveRect(s.ScreenOriginX, 540 + s.ScreenOriginY, 1000, 768);
    s.GroundBandScreen = exclusiveRect(s.ScreenOriginX, truncF(540.0f * ss) + s.ScreenOriginY,
                                       truncF(1000.0f * ss), truncF(768.0f * ss));
    s.GroundBandPrinter = exclusiveRect(0, truncF(540.0f * py), truncF(1000.0f * px),
                                        truncF(768.0f * py));
    s.GroundBandPreview = exclusiveRect(0, truncF(540.0f * s.PreviewScale * s.PreviewZoom),
                                        truncF(720.0f * s.PreviewScale * s.PreviewZoom), 768);
    s.GroundBandRegionPt = QRegion(s.GroundBandPt);
    s.GroundBandRegion = QRegion(s.GroundBandScreen);
    s.GroundBandRegionPrinter = QRegion(s.GroundBandPrinter);
    s.GroundBandRegionPreview = QRegion(s.GroundBandPreview);

    s.DrawRect = QRect(s.ScreenOriginX, s.ScreenOriginY, s.DrawPxWidth, s.DrawPxHeight);
    s.PrinterDrawRect = QRect(0, 0, truncF(static_cast<float>(s.DrawPxWidth) * px),
                              truncF(static_cast<float>(s.DrawPxHeight) * py));
    s.SheetOffsetX = truncF(static_cast<float>(availW - s.DrawPxWidth) / 2.0f);
    s.SheetRect = QRect(0, 0, s.SheetPxWidth, s.SheetPxHeight);

    QPolygon area;
    area << QPoint(0, s.DrawPxHeight) << QPoint(s.DrawPxWidth, s.DrawPxHeight)
         << QPoint(s.DrawPxWidth, 0) << QPoint(0, 0);
    area.translate(s.ScreenOriginX, s.ScreenOriginY);
    s.DrawAreaRegion = QRegion(area, Qt::WindingFill).translated(s.SheetOffsetX, 0);

    const int printerH = s.PrinterDrawRect.height();
    const int printerW = s.PrinterDrawRect.width();
    QPolygon paper;
    paper << QPoint(0, printerH) << QPoint(printerW, printerH) << QPoint(printerW, 0) << QPoint(0, 0);
    paper.translate(s.PrinterOriginX, s.PrinterOriginY);
    s.PrinterDrawAreaRegion = QRegion(paper, Qt::WindingFill);
}

SheetScale scaleFor(int availW, int availH, float dpiX, float dpiY, float previewZoom,
                    int previewOffsetX)
{
    SheetScale s;
    s.PrinterScaleX = usableDpi(dpiX) / 72.0f;
    s.PrinterScaleY = usableDpi(dpiY) / 72.0f;
    s.PreviewZoom = previewZoom;
    s.PreviewOffsetX = previewOffsetX;

    // A window with no room left (minimised, or smaller than its tool panels) would give a
    // zero scale, and every pixel-to-point conversion divides by it: keep at least one pixel.
    const int w = std::max(std::abs(availW), 1);
    const int h = std::max(std::abs(availH), 1);
    const float ratio = static_cast<float>(availW) / static_cast<float>(availH == 0 ? 1 : availH);
    if (ratio > Aspect) {
        s.SheetPxHeight = h;
        s.SheetPxWidth = truncF(static_cast<float>(h) * Aspect);
        s.ScreenScale = static_cast<float>(s.SheetPxWidth) / 864.0f;
        s.DrawPxHeight = truncF(static_cast<float>(h) - 108.0f * s.ScreenScale);
        s.DrawPxWidth = truncF(static_cast<float>(s.DrawPxHeight) * Aspect);
    } else {
        s.SheetPxWidth = w;
        s.SheetPxHeight = truncF(static_cast<float>(w) / Aspect);
        s.ScreenScale = static_cast<float>(w) / 864.0f;
        s.DrawPxWidth = truncF(static_cast<float>(w) - 144.0f * s.ScreenScale);
        s.DrawPxHeight = truncF(static_cast<float>(s.DrawPxWidth) / Aspect);
    }
    if (s.ScreenScale <= 0.0f)
        s.ScreenScale = 1.0f / 864.0f;
    return s;
}

} // namespace

SheetScale ComputeSheetScale(const WindowGeometry &window, float printerDpiX, float printerDpiY,
                             float previewZoom, int previewOffsetX)
{
    const int availW = window.outerWidth - window.imageLeft;
    const int availH = window.outerHeight - window.imageTop - 50;
    SheetScale s = scaleFor(availW, availH, printerDpiX, printerDpiY, previewZoom, previewOffsetX);
    finishScale(s, availW, window.clientWidth, window.clientHeight, window.imageLeft,
                window.imageTop);
    return s;
}

SheetScale ComputeSheetScaleForArea(int availWidth, int availHeight, float printerDpiX,
                                    float printerDpiY)
{
    WindowGeometry window;
    window.outerWidth = availWidth;
    window.outerHeight = availHeight + 50;
    window.clientWidth = availWidth;
    window.clientHeight = availHeight + 50;
    return ComputeSheetScale(window, printerDpiX, printerDpiY);
}

SheetScale HeadlessSheetScale() { return ComputeSheetScaleForArea(1152, 864, 600.0f, 600.0f); }

QPoint SheetScale::pixelToSheet(int X, int Y) const
{
    return {truncF(static_cast<float>(X - SheetOffsetX) / ScreenScale),
            truncF(static_cast<float>(Y) / ScreenScale)};
}

QPoint SheetScale::pixelToAxle(int X, int Y) const
{
    const QPoint sheet = pixelToSheet(X, Y);
    return {720 + ScreenOriginX - sheet.x(), 540 + ScreenOriginY - sheet.y()};
}

QPoint SheetScale::toScreen(QPoint stored) const
{
    return {truncF(static_cast<float>(stored.x()) * ScreenScale),
            truncF(static_cast<float>(stored.y()) * ScreenScale)};
}

QPoint SheetScale::toPreview(QPoint stored) const
{
    return {truncF(static_cast<float>(stored.x()) * PreviewScale * PreviewZoom) + PreviewOffsetX,
            truncF(static_cast<float>(stored.y()) * PreviewScale * PreviewZoom)};
}

QPoint SheetScale::toPrinter(QPoint stored) const
{
    return {truncF(static_cast<float>(stored.x()) * PrinterScaleX) + PrinterOriginX,
            truncF(static_cast<float>(stored.y()) * PrinterScaleY) + PrinterOriginY};
}

QPoint SheetScale::pixelToPrinter(int X, int Y) const
{
    return {truncF(static_cast<float>(X - SheetOffsetX) / ScreenScale * PrinterScaleX) - PrinterOriginX,
            truncF(static_cast<float>(Y) / ScreenScale * PrinterScaleY) - PrinterOriginY};
}

int SheetScale::lengthToPixels(double lengthPt) const
{
    return truncF(static_cast<float>(lengthPt) * ScreenScale);
}

QPoint SheetScale::axleToPixels(double xPt, double yPt) const
{
    const float ss = ScreenScale;
    return {truncF(720.0f * ss) + ScreenOriginX - truncF(static_cast<float>(xPt) * ss),
            truncF(540.0f * ss) + ScreenOriginY - truncF(static_cast<float>(yPt) * ss)};
}

} // namespace zindle
