// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli league and report beside the class's measured runs: the Measured and Error columns
// in every form, a track's calibration applied and named, a damaged logbook, and the report's
// test runs pages.

#include "support/CliRunner.h"
#include "support/FolderFiles.h"
#include "support/LoggedClass.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

namespace {

// The cells of the table's line of the design in `file`, the file itself left out.
std::string rowOf(const CliResult &result, const QString &file)
{
    for (const QString &line : result.lines())
        if (line.contains(file)) {
            QStringList cells;
            for (const QString &cell : line.split(QStringLiteral("  "), Qt::SkipEmptyParts))
                if (cell.trimmed() != file)
                    cells << cell.trimmed();
            return cells.join(QLatin1Char('|')).toStdString();
        }
    return "<missing>";
}

} // namespace

TEST(CliLeagueRuns, MeasuredAndErrorColumnsOverAllRunsOrOneCalibratedTrack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeLoggedClass(dir.path()));
    const QString racer = dir.filePath("racer.zndl"), truck = dir.filePath("truck.zndl"), plain = dir.filePath("plain.zndl");

    const CliResult all = runCli({"league", dir.path()});
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.lines()[0].simplified().startsWith("Place Design File Time to 15 ft (sec) Measured (sec) Error "
                                                       "Peak speed"))
        << all.out.toStdString();
    // The mean of 1.62, 1.66 and 2.0 at 15 ft, on both tracks, against the design's own model;
    // the truck was timed short of 15 ft, the plain car not at all.
    EXPECT_EQ(rowOf(all, racer), "3|Racer|[1.37]|1.76|+0.38 s (+21 %)|16.0|14.70|0.231|Skid advisory.");
    EXPECT_EQ(rowOf(all, truck), "1|Truck|1.67|-|-|13.3|17.04|0.325");
    EXPECT_EQ(rowOf(all, plain), "2|Plain|[1.35]|-|-|16.0|14.87|0.246");

    const CliResult tile = runCli({"league", dir.path(), "--track", "Room 12 tile"});
    ASSERT_EQ(tile.status, 0) << tile.err.toStdString();
    EXPECT_EQ(tile.lines()[0],
              "Predictions calibrated for Room 12 tile: friction 0.05 lb, springs at 90 % of their rated torque");
    // The tile's runs alone, and every design predicted with the tile's calibration.
    EXPECT_EQ(rowOf(tile, racer), "2|Racer|[1.42]|1.64|+0.22 s (+13 %)|15.0|14.87|0.231");
    EXPECT_EQ(rowOf(tile, plain), "3|Plain|[1.46]|-|-|14.6|14.87|0.246");

    const CliResult csv = runCli({"league", dir.path(), "--track", "Room 12 tile", "--csv", "-"});
    ASSERT_EQ(csv.status, 0);
    const QStringList csvLines = csv.out.split("\r\n", Qt::SkipEmptyParts);
    EXPECT_TRUE(csvLines[0].endsWith(",Advisories,Error,MeasuredTime,TimeError,TimeErrorPercent,Calibrated"));
    EXPECT_TRUE(csvLines.filter(racer).value(0).endsWith(
        ",1.42,[1.42],14.1,15.0,14.8724050521851,0.231295809149742,,,1.64,0.217614646117336,13.269185738862,"
        "\"calibrated for Room 12 tile: friction 0.05 lb, springs at 90 % of their rated torque\""))
        << csvLines.filter(racer).value(0).toStdString();

    const CliResult page = runCli({"league", dir.path(), "--track", "Room 12 tile", "--html", "-"});
    ASSERT_EQ(page.status, 0);
    EXPECT_TRUE(page.out.contains("<th>Time to 15 ft (sec)</th><th>Measured (sec)</th><th>Error</th>"));
    EXPECT_TRUE(page.out.contains("<p class=\"summary\">Predictions calibrated for Room 12 tile: friction 0.05 lb"));

    // A track without a calibration is predicted by the designs' own model, and said so.
    const CliResult gym = runCli({"league", dir.path(), "--track", "Gym"});
    ASSERT_EQ(gym.status, 0);
    EXPECT_TRUE(gym.lines()[0].startsWith("Place  Design"));
    EXPECT_TRUE(gym.err.contains("zindle-log.json holds no calibration for \"Gym\""));
    EXPECT_EQ(rowOf(gym, racer), "3|Racer|[1.37]|2.00|+0.62 s (+31 %)|16.0|14.70|0.231|Skid advisory.");
}

TEST(CliLeagueRuns, ADamagedLogbookIsNamedAndLeftAsItIsAndTheStandingsComeWithoutItsRuns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeLoggedClass(dir.path()));
    const QString logbook = dir.filePath("zindle-log.json");
    const QByteArray cut = test::contentOf(logbook).left(200);
    test::put(logbook, cut);
    const CliResult league = runCli({"league", dir.path()});
    ASSERT_EQ(league.status, 0);
    EXPECT_EQ(league.lines()[0].simplified(), "Place Design File Time to 15 ft (sec) Peak speed (ft/sec) "
                                              "Powered distance (ft) Total Car Mass (lbm) Advisories");
    EXPECT_EQ(league.lines().size(), 4);
    EXPECT_TRUE(league.err.contains("Cannot read \"" + logbook + "\""));
    EXPECT_TRUE(league.err.contains("the logbook is left as it is"));
    EXPECT_EQ(test::contentOf(logbook), cut);
}

TEST(CliLeagueRuns, TheReportAddsTestRunsPagesOnlyForADesignWithRuns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeLoggedClass(dir.path()));
    const CliResult racer = runCli({"report", dir.filePath("racer.zndl"), dir.filePath("racer.pdf"), "--track", "Gym"});
    ASSERT_EQ(racer.status, 0) << racer.err.toStdString();
    EXPECT_EQ(racer.value("Pages"), "3");
    EXPECT_TRUE(racer.err.contains("holds no calibration for \"Gym\""));
    const CliResult plain = runCli({"report", dir.filePath("plain.zndl"), dir.filePath("plain.pdf")});
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(plain.value("Pages"), "2");
}
