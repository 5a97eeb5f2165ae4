// SPDX-License-Identifier: GPL-3.0-or-later
// CSV cells that a spreadsheet opens: formulas defused, numbers left as numbers.

#include "model/CsvCell.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(CsvCell, TextThatASpreadsheetWouldRunGetsAnApostrophe)
{
    EXPECT_EQ(csvTextCell("=HYPERLINK(\"http://x\",\"y\")"), "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
    EXPECT_EQ(csvTextCell("+1"), "'+1");
    EXPECT_EQ(csvTextCell("-2"), "'-2");
    EXPECT_EQ(csvTextCell("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(csvTextCell("\tcmd"), "'\tcmd");
    EXPECT_EQ(csvTextCell("\rcmd"), "\"'\rcmd\"");
    // Only the first character counts; an ordinary text stays as it is.
    EXPECT_EQ(csvTextCell("Racer = fast"), "Racer = fast");
    EXPECT_EQ(csvTextCell("[1.37]"), "[1.37]");
    EXPECT_EQ(csvTextCell("a, b"), "\"a, b\"");
    EXPECT_EQ(csvTextCell("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvTextCell(""), "");
}

TEST(CsvCell, NumbersStayNumbersAndAnythingElseInANumberColumnIsText)
{
    EXPECT_EQ(csvNumberCell("-0.5"), "-0.5");
    EXPECT_EQ(csvNumberCell("1.37"), "1.37");
    EXPECT_EQ(csvNumberCell("12"), "12");
    EXPECT_EQ(csvNumberCell("1.5e-05"), "1.5e-05");
    EXPECT_EQ(csvNumberCell(""), "");
    EXPECT_EQ(csvNumberCell("-1+2"), "'-1+2");
    EXPECT_EQ(csvNumberCell("=1"), "'=1");
    EXPECT_EQ(csvNumberCell("[1.37]"), "[1.37]");
}
