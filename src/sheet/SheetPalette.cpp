// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetPalette.h"

namespace zindle {

const SheetPalette &DefaultSheetPalette()
{
    static const SheetPalette palette;
    return palette;
}

const SheetPalette &HighContrastSheetPalette()
{
    static const SheetPalette palette = [] {
        SheetPalette p;
        p.ownBackground = true;
        p.background = QColor(255, 255, 255);
        p.designPaper = QColor(255, 255, 255);
        p.paperEdge = QColor(64, 64, 64);
        p.halfInchGrid = QColor(190, 190, 190);
        p.drawingGrid = QColor(214, 214, 214);
        p.ground = QColor(222, 200, 170);
        p.footLine = QColor(150, 150, 150);
        p.footText = QColor(0, 0, 0);
        // The marks themselves stay red; red text on white is too faint to read from afar.
        p.startFinishText = QColor(176, 0, 0);
        p.innerLayer = QColor(120, 120, 120);
        p.outerLayer = QColor(0, 0, 0);
        p.wheelFrame = QColor(0, 0, 0);
        p.treadFrame = QColor(190, 40, 40);
        p.axleFrame = QColor(140, 90, 50);
        p.driveCaption = QColor(176, 0, 0);
        p.skidText = QColor(150, 0, 150);
        return p;
    }();
    return palette;
}

} // namespace zindle
