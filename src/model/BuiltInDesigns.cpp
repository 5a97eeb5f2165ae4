// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltInDesigns.h"

#include <iterator>

namespace zindle {

namespace {

#include "BuiltInPoints.inc"

template <size_t N> std::vector<QPoint> toPoints(const int (&points)[N][2])
{
    std::vector<QPoint> result;
    result.reserve(N);
    for (const auto &p : points)
        result.emplace_back(p[0], p[1]);
    return result;
}

// The default wedge: the sheet's bottom-right corner, 3 inches up the left edge, the
// bottom-left corner twice.
std::vector<QPoint> defaultWedge()
{
    const int sheetRight = 720, sheetBottom = 540, threeInches = 216;
    return {{sheetRight, sheetBottom}, {0, threeInches}, {0, sheetBottom}, {0, sheetBottom}};
}

} // namespace

QString builtInDesignName(int slot)
{
    switch (slot) {
    case 0: return QStringLiteral("Default Design");
    case 1: return QStringLiteral("Racer");
    case 2: return QStringLiteral("Pickup");
    case 3: return QStringLiteral("Tow Truck");
    case 4: return QStringLiteral("Wheelie");
    default: return {};
    }
}

QString builtInDesignItemText(int slot)
{
    return slot == 0 ? QStringLiteral("Default design") : builtInDesignName(slot);
}

int builtInDesignSlot(const QString &name)
{
    for (int slot = 0; slot < BuiltInDesignCount; ++slot)
        if (builtInDesignName(slot) == name)
            return slot;
    return -1;
}

void GenerateBuiltInDesign(DesignRecord &design, int slot)
{
    design.Drive = DriveKind::RearWD;
    switch (slot) {
    case 1:
        design.OuterPts = toPoints(kRacerOuter);
        design.InnerPts = toPoints(kRacerInner);
        break;
    case 2:
        design.OuterPts = toPoints(kPickupOuter);
        design.InnerPts = toPoints(kPickupInner);
        design.Drive = DriveKind::FrontWD;
        break;
    case 3:
        design.OuterPts = toPoints(kTowOuter);
        design.InnerPts = toPoints(kTowInner);
        break;
    case 4:
        design.OuterPts = toPoints(kWheelieOuter);
        design.InnerPts = toPoints(kWheelieInner);
        break;
    default:
        design.OuterPts = defaultWedge();
        design.InnerPts = defaultWedge();
        break;
    }
}

QString newDesignName(std::mt19937 &random)
{
    std::uniform_int_distribution<int> letter(0, 24); // "A" to "Y": "Z" never occurs
    std::uniform_int_distribution<int> number(0, 999);
    QString name = QStringLiteral("Untitled design ");
    name += QChar('A' + letter(random));
    name += QChar('A' + letter(random));
    name += QString::number(number(random));
    return name;
}

} // namespace zindle
