// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between numbers and the text that the program shows, stores and reads back.
// Every result field and every design parameter travels as this text, so the rules here decide
// what the user sees and what a later computation step parses.

#include <QString>
#include <optional>

namespace zindle {

// The single-precision value of pi that every geometric formula uses.
inline constexpr float Pi = 3.1415927f;

// A single widened to extended precision and written with up to 15 significant digits,
// trailing zeros dropped: 0.57f -> "0.569999992847443", 0.75f -> "0.75", 36.0f -> "36".
// Very large or very small magnitudes switch to the scientific form "1.5E20" / "1E-7".
QString floatText(float value);
// The same conversion for a value that is already double (or extended) precision.
QString doubleText(double value);

// The "0.00" and "0.0" display patterns: fixed decimals, halves rounded away from zero.
QString fixedText(double value, int decimals);
inline QString text00(double value) { return fixedText(value, 2); }
inline QString text0(double value) { return fixedText(value, 1); }

// Decimal text to a number. A period is the only decimal point; surrounding blanks are allowed,
// an optional sign and exponent too. "", "1,5", "nan" and "inf" are not numbers.
std::optional<long double> parseNumber(const QString &text);
// The same text read straight into double precision (measured values that are stored as typed).
std::optional<double> parseDouble(const QString &text);
// The parsed value held in single precision (extended rounded once to single), as the
// program compares typed values with their bounds.
std::optional<float> parseFloat(const QString &text);
// Like parseFloat, but text that is not a number gives the fallback.
float floatOr(const QString &text, float fallback);

// What a refusal says first when the typed text is no number at all (a comma for the decimal
// point, a letter, nothing): a range message alone leaves the student looking at a value that
// seems to be within it. Empty when the text is a number.
QString notANumberNote(const QString &text);

// Decimal integer text ("13", " -2 "); anything else, or a value outside 32 bits, is not one.
std::optional<int> parseInteger(const QString &text);

// The application object sets the user's locale for the whole C library, and a decimal comma
// would then reach every number that a library writes or reads with it (the DXF writer's among
// them). Called once in each program right after the application object: texts people read
// still follow their language, numbers never do.
void keepNumbersFreeOfLocale();

// Truncation toward zero into a pixel or point coordinate; values outside the int range
// (and NaN) are clamped so that a broken number can never become undefined behaviour.
int truncToInt(double value);

} // namespace zindle
