// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PaperSize.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(PaperSize, NamesOnTheCommandLine)
{
    EXPECT_EQ(PaperSizeFromName("a4"), QPageSize::A4);
    EXPECT_EQ(PaperSizeFromName("A4"), QPageSize::A4);
    EXPECT_EQ(PaperSizeFromName("letter"), QPageSize::Letter);
    EXPECT_EQ(PaperSizeFromName("Letter"), QPageSize::Letter);
    EXPECT_FALSE(PaperSizeFromName("a5"));
    EXPECT_FALSE(PaperSizeFromName("legal"));
    EXPECT_FALSE(PaperSizeFromName(""));
}

TEST(PaperSize, TheLocalesPaperDecidesAndSilenceMeansLetter)
{
    // Locales that say nothing about measurement.
    for (const char *silent : {"", "C", "POSIX", "C.UTF-8", "C.utf8"})
        EXPECT_EQ(PaperSizeForLocale(QString::fromLatin1(silent)), QPageSize::Letter) << silent;
    // The United States and the countries of the Americas whose locales print on Letter,
    // though they measure in metric units.
    for (const char *letter : {"en_US.UTF-8", "en_US", "en_CA.UTF-8", "fr_CA.UTF-8", "es_MX.UTF-8", "es_CO", "en_PH"})
        EXPECT_EQ(PaperSizeForLocale(QString::fromLatin1(letter)), QPageSize::Letter) << letter;
    // Metric, and the British imperial system, which prints on A4.
    for (const char *metric : {"de_DE.UTF-8", "fr_FR@euro", "en_GB.UTF-8", "ja_JP.eucJP", "pt_BR", "es_ES.UTF-8", "es_AR"})
        EXPECT_EQ(PaperSizeForLocale(QString::fromLatin1(metric)), QPageSize::A4) << metric;
}
