// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NumberText.h"

#include "support/QtPrinters.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <cmath>
#include <clocale>
#include <cstdlib>
#include <random>

using namespace zindle;

TEST(NumberText, SinglesAreWidenedAndWrittenWithFifteenDigits)
{
    EXPECT_EQ(floatText(0.57f), "0.569999992847443");
    EXPECT_EQ(floatText(1.5972222f), "1.59722220897675");
    EXPECT_EQ(floatText(115.0f / 72.0f), "1.59722220897675");
    EXPECT_EQ(floatText(25.0f / 72.0f), "0.347222208976746");
    EXPECT_EQ(floatText(0.75f), "0.75");
    EXPECT_EQ(floatText(36.0f), "36");
    EXPECT_EQ(floatText(0.0f), "0");
    EXPECT_EQ(floatText(-0.25f), "-0.25");
    EXPECT_EQ(floatText(3.8175835609436f), "3.8175835609436");
}

TEST(NumberText, ExtremeMagnitudesUseTheScientificForm)
{
    EXPECT_EQ(doubleText(1e20), "1E20");
    EXPECT_EQ(doubleText(1e-7), "1E-7");
    EXPECT_EQ(doubleText(123456789012345.0), "123456789012345");
    EXPECT_EQ(doubleText(0.0001), "0.0001");
}

TEST(NumberText, FixedPatternsRoundHalvesAwayFromZero)
{
    EXPECT_EQ(text00(4.8f), "4.80");
    EXPECT_EQ(text00(0.125), "0.13");
    EXPECT_EQ(text00(-0.125), "-0.13");
    EXPECT_EQ(text00(2.0), "2.00");
    EXPECT_EQ(text0(9.96), "10.0");
    EXPECT_EQ(text0(0.04), "0.0");
    EXPECT_EQ(text00(-0.001), "0.00");
    // The single nearest 4.805 lies below it, so it rounds down.
    EXPECT_EQ(text00(4.805f), "4.80");
}

TEST(NumberText, OnlyAPeriodMakesADecimalPoint)
{
    EXPECT_EQ(parseFloat("1.5"), 1.5f);
    EXPECT_EQ(parseFloat(" 36 "), 36.0f);
    EXPECT_EQ(parseFloat("-.5"), -0.5f);
    EXPECT_EQ(parseFloat("2."), 2.0f);
    EXPECT_EQ(parseFloat("1e2"), 100.0f);
    for (const char *bad : {"", " ", "1,5", "abc", "1.5x", "nan", "inf", "1e", ".", "--1", "1e99"})
        EXPECT_FALSE(parseFloat(bad).has_value()) << bad;
}

TEST(NumberText, TypedValuesAreHeldInSinglePrecision)
{
    // The typed text 0.0001 becomes a single just below the decimal value.
    EXPECT_EQ(*parseFloat("0.0001"), 0.0001f);
    EXPECT_LT(static_cast<double>(*parseFloat("0.0001")), 0.0001);
    EXPECT_EQ(floatOr("junk", 7.0f), 7.0f);
}

TEST(NumberText, IntegersAndTruncation)
{
    EXPECT_EQ(parseInteger("13"), 13);
    EXPECT_EQ(parseInteger(" -2 "), -2);
    EXPECT_FALSE(parseInteger("1.5").has_value());
    EXPECT_FALSE(parseInteger("99999999999").has_value());
    EXPECT_EQ(truncToInt(2.9), 2);
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(truncToInt(1e30), INT_MAX);
    EXPECT_EQ(truncToInt(std::nan("")), 0);
}

// The hand-written number check must accept exactly what the patterns accept; the reference
// here is the regular expression the parser used to run.
TEST(NumberText, ParsersAcceptExactlyTheNumberPatterns)
{
    const QRegularExpression decimal(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    const QRegularExpression integer(QStringLiteral("^\\s*[+-]?\\d{1,11}\\s*$"));
    const QString alphabet = QStringLiteral(" \t\n\r\v+-.eE0123459x,") + QChar(0x00A0) + QChar(0x0663);
    std::mt19937 random(14);
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    // The C library's reading in the C locale, whatever locale the tests run under.
    const locale_t cNumbers = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    int numbers = 0, integers = 0;
    for (int n = 0; n < 200000; ++n) {
        QString text;
        for (int i = length(random); i > 0; --i)
            text += alphabet[pick(random)];
        const bool isDecimal = decimal.match(text).hasMatch();
        const long double reference =
            isDecimal ? strtold_l(text.trimmed().toLatin1().constData(), nullptr, cNumbers) : 0.0L;
        const auto parsed = parseNumber(text);
        ASSERT_EQ(isDecimal && std::isfinite(reference), parsed.has_value())
            << text.toUtf8().toPercentEncoding().constData();
        if (parsed) {
            ++numbers;
            ASSERT_EQ(*parsed, reference) << qPrintable(text);
        }
        const bool isInteger = integer.match(text).hasMatch();
        const auto whole = parseInteger(text);
        if (!isInteger)
            ASSERT_FALSE(whole.has_value()) << qPrintable(text);
        else if (whole) {
            ++integers;
            ASSERT_EQ(*whole, text.trimmed().toLongLong()) << qPrintable(text);
        }
    }
    // The alphabet makes both kinds often enough to mean something.
    EXPECT_GT(numbers, 1000);
    EXPECT_GT(integers, 1000);
    EXPECT_FALSE(parseNumber(QStringLiteral("1e")));
    EXPECT_FALSE(parseNumber(QStringLiteral(".")));
    EXPECT_EQ(*parseNumber(QStringLiteral(" 5.e1\n")), 50.0L);
    EXPECT_EQ(*parseNumber(QStringLiteral("+2.5")), 2.5L);
    // Beyond extended precision: too small is zero, as the C library reads it; too large is none.
    EXPECT_EQ(*parseNumber(QStringLiteral("-0.001e-99999")), 0.0L);
    EXPECT_FALSE(parseNumber(QStringLiteral("12e99999")));
    freelocale(cNumbers);
    EXPECT_FALSE(parseInteger(QStringLiteral("123456789012")));
    // Reading a text never writes into it, not even a literal's: threads read one shared copy.
    const QString literal = QStringLiteral("1.5");
    const QChar *before = literal.constData();
    EXPECT_EQ(floatOr(literal, 0.0f), 1.5f);
    EXPECT_EQ(literal.constData(), before);
}

TEST(NumberText, MeasuredValuesAreReadStraightIntoDoublePrecision)
{
    EXPECT_EQ(parseDouble("0.71"), 0.71);
    EXPECT_EQ(parseDouble(" +23.5 "), 23.5);
    for (const char *bad : {"", "1,5", "1e999", "nan"})
        EXPECT_FALSE(parseDouble(bad).has_value()) << bad;
}
