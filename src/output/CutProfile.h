// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a workshop's machine cuts: a laser burns a kerf away and is told cut from engrave by
// colour; a knife plotter removes next to nothing; a printed template is cut by hand. School
// labs disagree on the colours, so they are the profile's to set.

#include "output/CutSheets.h"

#include <QColor>
#include <QString>
#include <map>
#include <optional>

namespace zindle {

enum class CutMachine { Laser, Plotter, Print };

struct CutProfile {
    CutMachine machine = CutMachine::Plotter;
    double kerfIn = 0.0; // the width the tool removes, for any material not in kerfByMaterial
    // A laser burns a wider kerf through soft foam than through card or balsa; by the board
    // material's name as the catalogue spells it.
    std::map<QString, double> kerfByMaterial;
    QColor cutColour = QColor(255, 0, 0), engraveColour = QColor(0, 0, 255);
    double gapIn = PartGapIn;

    double kerfFor(const QString &material) const
    {
        const auto found = kerfByMaterial.find(material);
        return found == kerfByMaterial.end() ? kerfIn : found->second;
    }
};

// laser: a 0.008 in kerf; plotter and print: none. All red cuts, blue engraves.
CutProfile DefaultCutProfile(CutMachine machine);
// "laser", "plotter", "print"; nothing for anything else.
std::optional<CutMachine> CutMachineNamed(const QString &name);
// A colour name of SVG (red, green, blue, black, magenta, ...) or #rrggbb; nothing for others.
std::optional<QColor> CutColourNamed(const QString &name);
// The DXF colour index (1 red ... 7 black/white) nearest `colour`.
int DxfColourIndex(const QColor &colour);

// Said when a laser would cut a board the design makes of foam board: its fumes are why many
// school labs forbid it. Empty otherwise.
QString LaserOnFoamWarning(CutMachine machine, const QString &boardMaterialName);

} // namespace zindle
