// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours the sheet is painted in, in one place: the background, paper, grids and ground,
// the drawn parts' outlines and every text written on the sheet. The default palette is the
// program's usual look; the high-contrast one is for projectors, bright rooms and weak eyes:
// white paper, dark outlines and dark text that keeps at least 4.5:1 against what it stands on.
// Printed pages keep their own fixed colours.

#include <QColor>

namespace zindle {

struct SheetPalette {
    // Whether the palette brings its own background; otherwise the chosen background colour is
    // used for the sheet and for the paper of Design mode.
    bool ownBackground = false;
    QColor background{0, 170, 255};
    QColor designPaper{0, 170, 255};

    QColor paperEdge{192, 192, 192};
    QColor halfInchGrid{204, 187, 238};
    QColor drawingGrid{238, 221, 255};
    QColor ground{238, 187, 153};

    // The race course's foot marks and their "N ft" labels; the 0 ft and 15 ft marks apart.
    QColor footLine{204, 187, 238};
    QColor footText{204, 187, 238};
    QColor startFinishLine{255, 0, 0};
    QColor startFinishText{255, 0, 0};
    // Lane names and race results.
    QColor raceText{0, 0, 0};

    // Drawn parts: body layers (outline and hatch), wheels, tread, axles, marks.
    QColor innerLayer{192, 192, 192};
    QColor outerLayer{255, 255, 255};
    QColor wheelFrame{255, 255, 255};
    QColor treadFrame{255, 153, 153};
    QColor axleFrame{238, 187, 153};
    QColor marks{0, 0, 0};
    QColor weightText{0, 0, 0};

    QColor driveArrow{255, 0, 0};
    QColor driveCaption{255, 0, 0};
    // Force picture labels: the loads and traction, the propulsion (blue, or skidding).
    QColor forceText{0, 0, 0};
    QColor propulsionText{0, 0, 255};
    QColor skidText{255, 0, 255};

    // The sheet's background for a chosen background colour.
    QColor sheetBackground(const QColor &chosen) const { return ownBackground ? background : chosen; }
    QColor paperFill(const QColor &chosen) const { return ownBackground ? designPaper : chosen; }
};

const SheetPalette &DefaultSheetPalette();
const SheetPalette &HighContrastSheetPalette();
inline const SheetPalette &sheetPalette(bool highContrast)
{
    return highContrast ? HighContrastSheetPalette() : DefaultSheetPalette();
}

} // namespace zindle
