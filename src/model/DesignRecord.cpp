// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignRecord.h"

namespace zindle {

const std::array<const char *, 8> ParameterNames = {
    "SpringWidth", "SpringLength", "DriveWhlDia", "DriveAxleDia",
    "DriveAxleLength", "OtherWhlDia", "OtherAxleDia", "OtherAxleLength"};

int DesignRecord::firstFreeWeightSlot() const
{
    for (int i = 0; i < WeightSlotCount; ++i)
        if (Weights[static_cast<size_t>(i)].isFree())
            return i;
    return -1;
}

int DesignRecord::usedWeightCount() const
{
    int used = 0;
    for (const WeightSlot &slot : Weights)
        used += slot.isFree() ? 0 : 1;
    return used;
}

void DesignRecord::setFrontAxlePt(float xPt, float yPt)
{
    FrontAxleXPt = xPt;
    FrontAxleYPt = yPt;
    FrontAxleXIn = xPt / 72.0f;
    FrontAxleYIn = yPt / 72.0f;
}

void ResetParameters(DesignRecord &design)
{
    design.SpringWidth = ParameterDefaults::SpringWidth;
    design.SpringLength = ParameterDefaults::SpringLength;
    design.DriveWhlDia = ParameterDefaults::DriveWhlDia;
    design.DriveAxleDia = ParameterDefaults::DriveAxleDia;
    design.DriveAxleLength = ParameterDefaults::DriveAxleLength;
    design.OtherWhlDia = ParameterDefaults::OtherWhlDia;
    design.OtherAxleDia = ParameterDefaults::OtherAxleDia;
    design.OtherAxleLength = ParameterDefaults::OtherAxleLength;
    design.RSpringWidth = QStringLiteral("1.5");
    design.RSpringLength = QStringLiteral("36");
    design.RArborDia = QStringLiteral("0.5");
    // A fresh design must not inherit the other-wheel diameter that an earlier design put aside
    // for all-wheel drive: rear drive restores it right after the reset.
    design.SavedOtherWhlDia = ParameterDefaults::OtherWhlDia;
    design.Drive = DriveKind::RearWD;
    design.MatIndex.fill(0);
    design.CustomMaterialsInFile = 1;
    design.setFrontAxlePt(DefaultFrontAxleXPt, DefaultFrontAxleYPt);
}

void ClearOuterShape(DesignRecord &design) { design.OuterPts.clear(); }

void ClearInnerShape(DesignRecord &design) { design.InnerPts.clear(); }

void ClearWeights(DesignRecord &design) { design.Weights.fill(WeightSlot{}); }

void ApplyDrive(DesignRecord &design, DriveKind drive)
{
    design.Drive = drive;
    if (drive == DriveKind::AllWD) {
        design.RSpringWidth = design.SpringWidth;
        design.RSpringLength = design.SpringLength;
        design.RArborDia = design.DriveAxleDia;
        design.SavedOtherWhlDia = design.OtherWhlDia;
    } else {
        design.OtherWhlDia = design.SavedOtherWhlDia;
    }
}

std::array<QString *, 8> parameterFields(DesignRecord &d)
{
    return {&d.SpringWidth, &d.SpringLength, &d.DriveWhlDia, &d.DriveAxleDia,
            &d.DriveAxleLength, &d.OtherWhlDia, &d.OtherAxleDia, &d.OtherAxleLength};
}

std::array<const QString *, 8> parameterFields(const DesignRecord &d)
{
    return {&d.SpringWidth, &d.SpringLength, &d.DriveWhlDia, &d.DriveAxleDia,
            &d.DriveAxleLength, &d.OtherWhlDia, &d.OtherAxleDia, &d.OtherAxleLength};
}

} // namespace zindle
