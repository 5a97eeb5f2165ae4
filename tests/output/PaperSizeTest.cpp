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

TEST(PaperSize, TheLocaleMeasurementSystemDecidesAndSilenceMeansLetter)
{
    // Locales that say nothing about measurement.
    for (const char *silent : {"", "C", "POSIX", "C.UTF-8", "C.utf8"})
        EXPECT_EQ(PaperSizeForLocale(QString::fromLatin1(silent)), QPageSize::Letter) << silent;
    // US customary units.
    EXPECT_EQ(PaperSizeForLocale("en_US.UTF-8"), QPageSize::Letter);
    EXPECT_EQ(PaperSizeForLocale("en_US"), QPageSize::Letter);
    // Metric, and the British imperial system, which prints on A4.
    for (const char *metric : {"de_DE.UTF-8", "fr_FR@euro", "en_GB.UTF-8", "ja_JP.eucJP", "pt_BR"})
        EXPECT_EQ(PaperSizeForLocale(QString::fromLatin1(metric)), QPageSize::A4) << metric;
}
