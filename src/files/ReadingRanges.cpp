// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingRanges.h"

#include "FileErrors.h"
#include "PathText.h"
#include "model/NumberText.h"

#include <cmath>

namespace zindle {

namespace {

[[noreturn]] void refuse(const QString &what, const QString &value, const QString &limit)
{
    throw DesignFileError(QStringLiteral("%1 %2 is beyond what a design can hold (%3)")
                              .arg(what, printableText(value.left(40)), limit));
}

void checkText(const QString &text, const QString &what, long double bound, const QString &limit)
{
    const auto value = parseNumber(text);
    if (value && std::fabs(*value) > bound)
        refuse(what, text.trimmed(), limit);
}

} // namespace

void CheckCoordinate(int value, const QString &what)
{
    if (value < -MaxSheetCoordinate || value > MaxSheetCoordinate)
        refuse(what, QString::number(value), QStringLiteral("at most %1 points from the sheet's corner").arg(MaxSheetCoordinate));
}

void CheckPositionPoints(float value, const QString &what)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<float>(MaxSheetCoordinate))
        refuse(what, floatText(value), QStringLiteral("at most %1 points from the sheet's corner").arg(MaxSheetCoordinate));
}

void CheckPositionInches(float value, const QString &what)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<float>(MaxSheetCoordinate) / 72.0f)
        refuse(what, floatText(value), QStringLiteral("at most %1 points from the sheet's corner").arg(MaxSheetCoordinate));
}

void CheckLengthText(const QString &text, const QString &what)
{
    checkText(text, what, MaxLengthInches, QStringLiteral("at most %1 in").arg(MaxLengthInches));
}

void CheckNumberText(const QString &text, const QString &what)
{
    checkText(text, what, MaxOtherNumber, QStringLiteral("at most 1000000"));
}

void CheckWeightMass(float mass, int weight)
{
    // Compared in single precision, as the weight dialog compares what is typed.
    if (!std::isfinite(mass) || mass < -MaxWeightMass || mass > MaxWeightMass)
        refuse(QStringLiteral("the mass of weight %1").arg(weight), floatText(mass),
               QStringLiteral("at most %1 lb either way").arg(MaxWeightMass));
}

} // namespace zindle
