// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <QCoreApplication>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <string>
#include <system_error>

namespace zindle {

namespace {

// Exact decimal digits of a finite double: returns the digit string of |value| rounded to
// `significant` digits (half away from zero on the exact binary value) and the decimal exponent
// of its first digit.
struct Digits {
    std::string digits; // no leading zeros unless the value is zero
    int exponent = 0;   // value = 0.d1d2d3... x 10^(exponent + 1)
};

Digits roundedDigits(double value, int significant)
{
    // 40 exact digits of any single widened to double decide the rounding without a second
    // rounding step. The conversion is the C library's own but never follows the locale, whose
    // decimal comma would otherwise end up in files and in every text the next step parses.
    char buffer[80];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 40);
    std::string text(buffer, written.ptr);
    const auto ePos = text.find('e');
    std::string mantissa = text.substr(0, ePos);
    int exponent = 0;
    const char *exponentText = text.c_str() + ePos + 1;
    if (*exponentText == '+')
        ++exponentText;
    std::from_chars(exponentText, text.c_str() + text.size(), exponent);
    std::string all;
    for (char c : mantissa)
        if (c != '.')
            all.push_back(c);
    std::string kept = all.substr(0, static_cast<size_t>(significant));
    const bool roundUp = all.size() > kept.size() && all[kept.size()] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            kept[static_cast<size_t>(i)]++;
        } else {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        }
    }
    return {kept, exponent};
}

QString generalText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0)
        return QStringLiteral("0");
    Digits d = roundedDigits(value, 15);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    const int exp = d.exponent;
    if (exp >= 15 || std::fabs(value) < 1e-5) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out += d.digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exp);
        return QString::fromLatin1(out.c_str());
    }
    if (exp < 0) {
        out += "0.";
        out += std::string(static_cast<size_t>(-exp - 1), '0');
        out += d.digits;
    } else {
        const size_t intDigits = static_cast<size_t>(exp) + 1;
        if (d.digits.size() <= intDigits) {
            out += d.digits + std::string(intDigits - d.digits.size(), '0');
        } else {
            out += d.digits.substr(0, intDigits) + "." + d.digits.substr(intDigits);
        }
    }
    return QString::fromLatin1(out.c_str());
}

} // namespace

QString floatText(float value) { return generalText(static_cast<double>(value)); }

QString doubleText(double value) { return generalText(value); }

QString fixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return generalText(value);
    // Exact digits first, then round half away from zero at the wanted place, so that
    // 0.125 becomes "0.13" as the display pattern does, not the "0.12" of round-half-even.
    char buffer[512]; // the largest double has 309 integer digits
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed, 60);
    std::string text(buffer, written.ptr);
    const auto dot = text.find('.');
    std::string intPart = text.substr(0, dot);
    std::string frac = text.substr(dot + 1);
    std::string kept = intPart + frac.substr(0, static_cast<size_t>(decimals));
    if (frac[static_cast<size_t>(decimals)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0)
            kept[static_cast<size_t>(i)]++;
        else
            kept.insert(kept.begin(), '1');
    }
    const size_t intLen = kept.size() - static_cast<size_t>(decimals);
    std::string out = kept.substr(0, intLen);
    if (decimals > 0)
        out += "." + kept.substr(intLen);
    const bool allZero = out.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !allZero)
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.c_str());
}

namespace {

// The number patterns, checked by hand: the physics parses its texts thousands of times per
// second in a sweep, from several threads at once. White space and digits are the ASCII ones.
bool isAsciiSpace(char16_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isAsciiDigit(char16_t c) { return c >= '0' && c <= '9'; }

struct Span {
    qsizetype begin = 0, end = 0;
};

// Walks one text: the leading blanks and sign both patterns allow, the digits, and the check
// that only blanks follow the number.
struct NumberScanner {
    const char16_t *t;
    qsizetype n;
    qsizetype i = 0;

    // Through a view: QString::utf16() reallocates a literal's text to end it with a null,
    // writing into a string other threads may be reading (a sweep's shared snapshot).
    explicit NumberScanner(const QString &text) : t(QStringView(text).utf16()), n(text.size())
    {
    }
    bool at(char16_t c) const { return i < n && t[i] == c; }
    bool atSign() const { return at('+') || at('-'); }
    // Skips blanks and an optional sign; returns where the number begins (its sign included).
    qsizetype skipBlanksAndSign()
    {
        while (i < n && isAsciiSpace(t[i]))
            ++i;
        const qsizetype begin = i;
        if (atSign())
            ++i;
        return begin;
    }
    qsizetype skipDigits()
    {
        qsizetype digits = 0;
        while (i < n && isAsciiDigit(t[i]))
            ++i, ++digits;
        return digits;
    }
    // The span from `begin` to here, when nothing but blanks follows it.
    std::optional<Span> endsHere(qsizetype begin)
    {
        const qsizetype end = i;
        while (i < n && isAsciiSpace(t[i]))
            ++i;
        if (i != n)
            return std::nullopt;
        return Span{begin, end};
    }
};

// Blanks, an optional sign, digits with an optional point (or a point and digits), an
// optional exponent, blanks. Returns the span without the blanks.
std::optional<Span> decimalSpan(const QString &text)
{
    NumberScanner scan(text);
    const qsizetype begin = scan.skipBlanksAndSign();
    const qsizetype intDigits = scan.skipDigits();
    qsizetype fracDigits = 0;
    if (scan.at('.')) {
        ++scan.i;
        fracDigits = scan.skipDigits();
    }
    if (intDigits == 0 && fracDigits == 0)
        return std::nullopt;
    if (scan.at('e') || scan.at('E')) {
        ++scan.i;
        if (scan.atSign())
            ++scan.i;
        if (scan.skipDigits() == 0)
            return std::nullopt;
    }
    return scan.endsHere(begin);
}

// Blanks, an optional sign, 1 to 11 digits, blanks.
std::optional<Span> integerSpan(const QString &text)
{
    NumberScanner scan(text);
    const qsizetype begin = scan.skipBlanksAndSign();
    const qsizetype digits = scan.skipDigits();
    if (digits < 1 || digits > 11)
        return std::nullopt;
    return scan.endsHere(begin);
}

// Whether a decimal text that extended precision cannot hold is tiny rather than huge. Only the
// sign of its decimal magnitude matters: out-of-range texts are thousands of places from zero.
bool belowExtendedRange(const char *first, const char *last)
{
    const char *p = first;
    long long magnitude = 0;
    while (p != last && *p == '0')
        ++p;
    while (p != last && *p >= '0' && *p <= '9')
        ++p, ++magnitude;
    if (magnitude == 0 && p != last && *p == '.') {
        ++p;
        while (p != last && *p == '0')
            ++p, --magnitude;
    }
    while (p != last && *p != 'e' && *p != 'E')
        ++p;
    if (p != last) {
        const char *e = p + 1;
        if (e != last && *e == '+')
            ++e;
        long long exponent = 0;
        if (std::from_chars(e, last, exponent).ec == std::errc::result_out_of_range)
            exponent = *e == '-' ? -100000 : 100000;
        magnitude += exponent;
    }
    return magnitude < 0;
}

} // namespace

namespace {

// The reading behind parseNumber and parseDouble, in the precision asked for, so that a double
// comes straight from the decimal text rather than rounded twice through extended precision.
template <typename Number>
std::optional<Number> parseDecimal(const QString &text)
{
    if (text.size() > 400)
        return std::nullopt;
    const auto span = decimalSpan(text);
    if (!span)
        return std::nullopt;
    // The span is ASCII only. The sign is taken here because from_chars, unlike the locale's
    // strtold, refuses a leading plus.
    char ascii[402];
    qsizetype length = 0;
    for (qsizetype i = span->begin; i < span->end; ++i)
        ascii[length++] = static_cast<char>(text.at(i).unicode());
    const bool negative = ascii[0] == '-';
    const char *first = ascii + ((ascii[0] == '-' || ascii[0] == '+') ? 1 : 0);
    Number value = 0;
    const auto parsed = std::from_chars(first, ascii + length, value, std::chars_format::general);
    if (parsed.ptr != ascii + length)
        return std::nullopt;
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too small for extended precision is zero, as the C library reads it; too large is no
        // usable number.
        if (!belowExtendedRange(first, ascii + length))
            return std::nullopt;
        value = 0;
    } else if (parsed.ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<long double> parseNumber(const QString &text) { return parseDecimal<long double>(text); }

std::optional<double> parseDouble(const QString &text)
{
    // Numbers that extended precision reads but double cannot hold are not usable ones.
    if (!parseNumber(text))
        return std::nullopt;
    return parseDecimal<double>(text);
}

std::optional<float> parseFloat(const QString &text)
{
    const auto value = parseNumber(text);
    if (!value)
        return std::nullopt;
    // Out-of-range magnitudes would become infinity in single precision: not a usable number.
    if (std::fabs(*value) > static_cast<long double>(3.4028234663852886e38))
        return std::nullopt;
    return static_cast<float>(*value);
}

float floatOr(const QString &text, float fallback)
{
    const auto value = parseFloat(text);
    return value ? *value : fallback;
}

QString notANumberNote(const QString &text)
{
    if (parseFloat(text))
        return {};
    if (text.trimmed().isEmpty())
        return QCoreApplication::translate("NumberText", "No number was typed (a period is the decimal point). ");
    return QCoreApplication::translate("NumberText", "\"%1\" is not a number (a period is the decimal point). ").arg(text.trimmed());
}

std::optional<int> parseInteger(const QString &text)
{
    const auto span = integerSpan(text);
    if (!span)
        return std::nullopt;
    bool ok = false;
    const qlonglong value = QStringView(text).mid(span->begin, span->end - span->begin).toLongLong(&ok);
    if (!ok || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

void keepNumbersFreeOfLocale() { std::setlocale(LC_NUMERIC, "C"); }

int truncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace zindle
