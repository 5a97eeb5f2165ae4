// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingRanges.h"

#include "FileErrors.h"
#include "PathText.h"
#include "model/NumberText.h"

#include <QLocale>
#include <cmath>

namespace zindle {

namespace {

[[noreturn]] void refuse(const FileText &what, const QString &value, const FileText &limit)
{
    throw DesignFileError(FileText(QT_TRANSLATE_NOOP("FileErrors", "%1 %2 is beyond what a design can hold (%3)"))
                              .arg(what)
                              .arg(printableText(value.left(40)))
                              .arg(limit));
}

QString limitText(float limit)
{
    return QString::number(static_cast<double>(limit), 'g', QLocale::FloatingPointShortest);
}

FileText sheetLimit()
{
    return
        FileText(QT_TRANSLATE_NOOP("FileErrors", "at most %1 points from the sheet's corner")).arg(MaxSheetCoordinate);
}

void checkText(const QString &text, const FileText &what, long double bound, const FileText &limit)
{
    const auto value = parseNumber(text);
    if (value && std::fabs(*value) > bound)
        refuse(what, text.trimmed(), limit);
}

} // namespace

void CheckCoordinate(int value, const FileText &what)
{
    if (value < -MaxSheetCoordinate || value > MaxSheetCoordinate)
        refuse(what, QString::number(value), sheetLimit());
}

void CheckPositionPoints(float value, const FileText &what)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<float>(MaxSheetCoordinate))
        refuse(what, floatText(value), sheetLimit());
}

void CheckPositionInches(float value, const FileText &what)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<float>(MaxSheetCoordinate) / 72.0f)
        refuse(what, floatText(value), sheetLimit());
}

void CheckLengthText(const QString &text, const FileText &what)
{
    checkText(text, what, MaxLengthInches,
        FileText(QT_TRANSLATE_NOOP("FileErrors", "at most %1 in")).arg(limitText(MaxLengthInches)));
}

void CheckNumberText(const QString &text, const FileText &what)
{
    checkText(text, what, MaxOtherNumber, FileText(QT_TRANSLATE_NOOP("FileErrors", "at most 1000000")));
}

void CheckWeightMass(float mass, int weight)
{
    // Compared in single precision, as the weight dialog compares what is typed.
    if (!std::isfinite(mass) || mass < -MaxWeightMass || mass > MaxWeightMass)
        refuse(FileText(QT_TRANSLATE_NOOP("FileErrors", "the mass of weight %1")).arg(weight), floatText(mass),
               FileText(QT_TRANSLATE_NOOP("FileErrors", "at most %1 lb either way")).arg(limitText(MaxWeightMass)));
}

} // namespace zindle
