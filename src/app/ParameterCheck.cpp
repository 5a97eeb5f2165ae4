// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParameterCheck.h"

#include "model/NumberText.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ParameterCheck)
};

bool inRange(const std::optional<float> &value, float low, float high)
{
    return value && *value >= low && *value <= high;
}

} // namespace

bool ValidateParameters(const ParameterTexts &t, Prompter &prompter)
{
    auto refuse = [&](const QString &text) {
        prompter.message(text, Texts::tr("Please try again."));
        return false;
    };
    // A value that is no number says so before its range message.
    auto refuseValue = [&](const QString &typed, const QString &text) {
        prompter.message(notANumberNote(typed) + text, Texts::tr("Please try again."));
        return false;
    };
    const auto driveWheel = parseFloat(t.DriveWhlDia);
    const auto otherWheel = parseFloat(t.OtherWhlDia);
    const auto driveAxle = parseFloat(t.DriveAxleDia);
    const auto otherAxle = parseFloat(t.OtherAxleDia);
    // A drive wheel may exceed 7.5 in only when the spring case itself is larger.
    const float caseOuter = parseFloat(t.CaseOuterD).value_or(0.0f);
    const float driveWheelMax = caseOuter > 7.5f ? 3.4e38f : 7.5f;

    if (!inRange(driveWheel, 0.01f, driveWheelMax))
        return refuseValue(t.DriveWhlDia, Texts::tr("The drive wheel diameter must be positive, greater than the spring chamber outer diameter, and no more than 7.5 inches."));
    if (!inRange(otherWheel, 0.25f, 7.5f))
        return refuseValue(t.OtherWhlDia, Texts::tr("The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, and greater than the axle diameter."));
    if (!inRange(driveAxle, 0.0001f, 2.0f))
        return refuseValue(t.DriveAxleDia, Texts::tr("The drive axle diameter must be positive, greater than zero, and no more than 2 inches."));
    if (!inRange(parseFloat(t.DriveAxleLength), 0.0001f, 36.0f))
        return refuseValue(t.DriveAxleLength, Texts::tr("The drive axle length must be positive, greater than zero, and no more than 36 inches."));
    if (!inRange(otherAxle, 0.0001f, 1.0f))
        return refuseValue(t.OtherAxleDia, Texts::tr("The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the wheel diameter."));
    if (!inRange(parseFloat(t.OtherAxleLength), 0.0001f, 36.0f))
        return refuseValue(t.OtherAxleLength, Texts::tr("The non-drive axle length must be positive, greater than zero, and no more than 36 inches."));
    if (!inRange(parseFloat(t.SpringWidth), 0.1f, 6.0f))
        return refuseValue(t.SpringWidth, Texts::tr("The spring width must be positive, no less than 0.1 inch, and no more than 6 inches."));
    if (!inRange(parseFloat(t.SpringLength), 3.0f, 240.0f))
        return refuseValue(t.SpringLength, Texts::tr("The spring length must be positive, no less than 3 inches, and no more than 240 inches."));
    if (!inRange(parseFloat(t.CaseRatio), 4.0f, 99.0f))
        return refuseValue(t.CaseRatio, Texts::tr("The case ratio must be positive, no less than 4 percent, and no more than 99 percent."));
    if (!inRange(parseFloat(t.Friction), 0.01f, 0.25f))
        return refuseValue(t.Friction, Texts::tr("The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb."));
    if (!(*driveWheel > *driveAxle))
        return refuse(Texts::tr("The diameter of the drive wheel must be larger than the diameter of the drive axle."));
    if (!(*otherWheel > *otherAxle))
        return refuse(Texts::tr("The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle."));
    return true;
}

} // namespace zindle
