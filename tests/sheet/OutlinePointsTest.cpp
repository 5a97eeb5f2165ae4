// SPDX-License-Identifier: GPL-3.0-or-later
// Outlines typed as inches: the texts shown for stored points, the way back to sheet points, and
// the checks a typed outline meets before it can replace a drawn one.

#include "sheet/OutlinePoints.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace zindle {
namespace {

std::vector<InchTexts> square(const QString &lastAcross = QStringLiteral("1"))
{
    return {{"1", "1"}, {"3", "1"}, {"3", "2.5"}, {"1", "2.5"}, {lastAcross, "1"}};
}

TEST(OutlinePoints, InchesShowTheFewestDecimalsThatBringThePointBack)
{
    const std::vector<QPoint> stored{{0, 0}, {36, 540}, {1, 7}, {720, 71}, {389, 250}};
    const std::vector<InchTexts> rows = PointsInInches(stored);
    std::vector<QString> texts;
    for (const InchTexts &row : rows)
        texts.insert(texts.end(), {row.across, row.down});
    EXPECT_EQ(texts, (std::vector<QString>{"0", "0", "0.5", "7.5", "0.014", "0.097", "10", "0.986", "5.403", "3.472"}));
    EXPECT_EQ(OutlineFromInches(rows).points, stored);
}

TEST(OutlinePoints, TypedPlacesGoToTheNearestSheetPoint)
{
    const TypedOutline outline = OutlineFromInches({{"1.006", "0.007"}, {"1.007", "7.5"}, {"0", "0"}, {"10", "7.4999"}, {" 2 ", "2"}});
    EXPECT_EQ(outline.error, QString());
    EXPECT_EQ(outline.points, (std::vector<QPoint>{{72, 1}, {73, 540}, {0, 0}, {720, 540}, {144, 144}}));
}

TEST(OutlinePoints, RefusalsSayWhatIsWrongAndWithWhichPoint)
{
    EXPECT_EQ(OutlineFromInches({{"1", "1"}, {"2", "1"}, {"2", "2"}, {"1", "2"}}).error,
              QStringLiteral("An outline needs at least 5 points; this one has 4."));
    EXPECT_EQ(OutlineFromInches(std::vector<InchTexts>(257, {"1", "1"})).error,
              QStringLiteral("An outline holds at most 256 points; this one has 257."));
    EXPECT_EQ(OutlineFromInches(square("10.01")).error,
              QStringLiteral("Point 5 is off the sheet: it must lie 0 to 10 in across and 0 to 7.5 in down."));
    EXPECT_EQ(OutlineFromInches(square("-0.01")).error,
              QStringLiteral("Point 5 is off the sheet: it must lie 0 to 10 in across and 0 to 7.5 in down."));
    EXPECT_EQ(OutlineFromInches(square("1,5")).error,
              QStringLiteral("Point 5: \"1,5\" is not a number (a period is the decimal point). Its place is two numbers of inches, across and down."));
    std::vector<InchTexts> noDown = square();
    noDown[1].down.clear();
    EXPECT_EQ(OutlineFromInches(noDown).error,
              QStringLiteral("Point 2: No number was typed (a period is the decimal point). Its place is two numbers of inches, across and down."));
    EXPECT_TRUE(OutlineFromInches(noDown).points.empty());
}

} // namespace
} // namespace zindle
