// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scale state of the drawing sheet: how many screen pixels and printer dots one point covers,
// and the conversions between stored sheet points and their screen, preview and printer copies.
//
// Refresh order: the sheet is prepared first in every mode refresh. The window (or the command
// line, with HeadlessSheetScale()) computes the scale with ComputeSheetScale() and stores it in
// Workspace::scale; RescaleDesign() (physics/SheetPreparation.h) then refreshes the outline
// copies and the part regions from it. Everything else only reads the scale.
//
// Reads: window geometry and printer resolution (parameters). Writes: nothing but the returned value.

#include <QPoint>
#include <QRect>
#include <QRegion>

namespace zindle {

inline constexpr float SheetWidthIn = 10.0f;
inline constexpr float SheetHeightIn = 7.5f;
inline constexpr int SheetRightPt = 720;  // 72 x 10
inline constexpr int SheetBottomPt = 540; // 72 x 7.5
// The 4:3 aspect ratio of the sheet and of the drawing area, as the single the program holds.
inline constexpr float SheetAspect = 1.3333334f;

// The window measurements ComputeSheetScale() needs (all in pixels).
struct WindowGeometry {
    int outerWidth = 0;  // main window outer size
    int outerHeight = 0;
    int imageLeft = 0;   // position of the sheet picture in the window
    int imageTop = 0;
    int clientWidth = 0; // client area, for the race units
    int clientHeight = 0;
};

struct SheetScale {
    float PrinterScaleX = 600.0f / 72.0f; // printer dots per point
    float PrinterScaleY = 600.0f / 72.0f;
    float ScreenScale = 1.0f;             // screen pixels per point
    int SheetPxWidth = 864, SheetPxHeight = 648;
    int DrawPxWidth = 720, DrawPxHeight = 540;
    int SheetOffsetX = 0;
    float PreviewScale = 1.0f;
    float PreviewZoom = 0.4f;
    int PreviewOffsetX = 0;
    int ScreenOriginX = 0, ScreenOriginY = 0, PrinterOriginX = 0, PrinterOriginY = 0;
    float RaceUnitX = 0.0f, RaceUnitY = 0.0f;
    // Trunc(32 x PreviewScale x PreviewZoom) and Trunc(8 x PreviewScale x PreviewZoom).
    int PreviewLength32 = 12, PreviewLength8 = 3;

    QRect SheetRect{0, 0, 864, 648};
    QRect DrawRect{0, 0, 720, 540};
    QRect PrinterDrawRect{0, 0, 6000, 4500};
    // Ground band (everything below the sheet's bottom edge) in points, screen, printer, preview.
    QRect GroundBandPt, GroundBandScreen, GroundBandPrinter, GroundBandPreview;
    QRegion GroundBandRegionPt, GroundBandRegion, GroundBandRegionPrinter, GroundBandRegionPreview;
    // The drawing area on screen (shifted by SheetOffsetX) and on paper.
    QRegion DrawAreaRegion, PrinterDrawAreaRegion;

    // Pixel (relative to the sheet picture) to sheet frame and to axle frame, in whole points.
    QPoint pixelToSheet(int X, int Y) const;
    QPoint pixelToAxle(int X, int Y) const;
    // Stored sheet point to its copies. The screen copy does not include SheetOffsetX.
    QPoint toScreen(QPoint stored) const;
    QPoint toPreview(QPoint stored) const;
    QPoint toPrinter(QPoint stored) const;
    // Printer copy of a point that was just clicked at pixel (X, Y).
    QPoint pixelToPrinter(int X, int Y) const;
    // A length in points to screen pixels.
    int lengthToPixels(double lengthPt) const;
    // A position in the axle frame (points) to screen pixels (without SheetOffsetX).
    QPoint axleToPixels(double xPt, double yPt) const;
};

// The whole scale state for a window and a printer resolution (dots per inch).
SheetScale ComputeSheetScale(const WindowGeometry &window, float printerDpiX, float printerDpiY,
                             float previewZoom = 0.4f, int previewOffsetX = 0);
// The same for an available area given directly (AvailW x AvailH); the race units use it too.
SheetScale ComputeSheetScaleForArea(int availWidth, int availHeight, float printerDpiX,
                                    float printerDpiY);
// The scale without a window: available area 1152 x 864 (ScreenScale 4/3), a 600 dpi printer.
SheetScale HeadlessSheetScale();

} // namespace zindle
