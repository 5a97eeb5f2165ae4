// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignNumbers.h"

#include "model/PartMaterials.h"
#include "model/NumberText.h"

namespace zindle {

DesignNumbers ParseDesignNumbers(const DesignRecord &design, const MaterialCatalogue &catalogue)
{
    DesignNumbers n;
    // Texts a file may hold: the part parameters and the two preferences the physics reads.
    // (The element size is corrected by the mass analysis, so it is not among them.)
    const auto read = [&n](const QString &text, const char *name) {
        const std::optional<float> value = parseFloat(text);
        if (!value)
            n.notNumbers << QLatin1String(name);
        return value.value_or(0.0f);
    };
    n.SpringWidth = read(design.SpringWidth, "Spring width");
    n.SpringLength = read(design.SpringLength, "Spring length");
    n.DriveWhlDia = read(design.DriveWhlDia, "Drive wheel dia");
    n.DriveAxleDia = read(design.DriveAxleDia, "Drive axle dia");
    n.DriveAxleLength = read(design.DriveAxleLength, "Drive axle length");
    n.OtherWhlDia = read(design.OtherWhlDia, "Other wheel dia");
    n.OtherAxleDia = read(design.OtherAxleDia, "Other axle dia");
    n.OtherAxleLength = read(design.OtherAxleLength, "Other axle length");
    read(design.CaseRatio, "Case ratio");
    n.Friction = read(design.Friction, "Friction force");
    const SpringMaterial &spring = springOf(design, catalogue);
    n.SpringThickness = floatOr(spring.SpringThickness, 0.0f);
    n.SpringDensity = floatOr(spring.SpringDensity, 0.0f);
    n.SpringSampleWidth = floatOr(spring.SpringSampleWidth, 0.0f);
    n.SpringMaxTorque = floatOr(spring.SpringTorqueCurve[0], 0.0f);
    n.TreadFriction = floatOr(treadOf(design, catalogue).TreadFriction, 0.0f);
    return n;
}

} // namespace zindle
