#include "DesignNumbers.h"

#include "model/PartMaterials.h"
#include "model/NumberText.h"

namespace zindle {

DesignNumbers ParseDesignNumbers(const DesignRecord &design, const MaterialCatalogue &catalogue)
{
    DesignNumbers n;
    n.SpringWidth = floatOr(design.SpringWidth, 0.0f);
    n.SpringLength = floatOr(design.SpringLength, 0.0f);
    n.DriveWhlDia = floatOr(design.DriveWhlDia, 0.0f);
    n.DriveAxleDia = floatOr(design.DriveAxleDia, 0.0f);
    n.DriveAxleLength = floatOr(design.DriveAxleLength, 0.0f);
    n.OtherWhlDia = floatOr(design.OtherWhlDia, 0.0f);
    n.OtherAxleDia = floatOr(design.OtherAxleDia, 0.0f);
    n.OtherAxleLength = floatOr(design.OtherAxleLength, 0.0f);
    n.Friction = floatOr(design.Friction, 0.0f);
    const SpringMaterial &spring = springOf(design, catalogue);
    n.SpringThickness = floatOr(spring.SpringThickness, 0.0f);
    n.SpringDensity = floatOr(spring.SpringDensity, 0.0f);
    n.SpringSampleWidth = floatOr(spring.SpringSampleWidth, 0.0f);
    n.SpringMaxTorque = floatOr(spring.SpringTorqueCurve[0], 0.0f);
    n.TreadFriction = floatOr(treadOf(design, catalogue).TreadFriction, 0.0f);
    return n;
}

} // namespace zindle
