// SPDX-License-Identifier: GPL-3.0-or-later
// The chart options of simulate, race and sweep: the files they write, the names they refuse,
// and that the usual result lines are still printed.

#include "support/CliRunner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include "support/FolderFiles.h"

#include <gtest/gtest.h>

using namespace zindle::test;

TEST(CliCharts, SimulateAndRaceWriteTheirChartsBesideTheUsualLines)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("run.png");
    const CliResult simulate = runCli({"simulate", "Racer", "--chart", png});
    ASSERT_EQ(simulate.status, 0) << qPrintable(simulate.err);
    EXPECT_NE(simulate.value("TimeEF"), "<missing>");
    QImage image;
    ASSERT_TRUE(image.loadFromData(test::contentOf(png), "PNG"));
    EXPECT_EQ(image.size(), QSize(900, 1050));

    const QString svg = dir.filePath("race.SVG");
    const CliResult race = runCli({"race", "Default Design", "Tow Truck", "--chart", svg});
    ASSERT_EQ(race.status, 0) << qPrintable(race.err);
    EXPECT_TRUE(race.out.contains("3 Tow Truck: 15 ft in")) << qPrintable(race.out);
    const QByteArray drawn = test::contentOf(svg);
    EXPECT_TRUE(drawn.contains("<svg"));
    EXPECT_TRUE(drawn.contains("Tow Truck (1st)"));

    const QString pdf = dir.filePath("run.pdf");
    ASSERT_EQ(runCli({"simulate", "Pickup", "--json", "--chart", pdf}).status, 0);
    EXPECT_TRUE(test::contentOf(pdf).startsWith("%PDF"));
}

TEST(CliCharts, NamesWithoutAChartExtensionAreRefusedBeforeAnythingRuns)
{
    QTemporaryDir dir;
    for (const QStringList &args : {QStringList{"simulate", "Racer", "--chart", dir.filePath("run.txt")},
                                    QStringList{"simulate", "Racer", "--chart", "-"},
                                    QStringList{"race", "Racer", "--chart", dir.filePath("race")},
                                    QStringList{"sweep", "Racer", "--map", dir.filePath("map.jpg")},
                                    QStringList{"simulate", "Racer", "--chart"}}) {
        SCOPED_TRACE(qPrintable(args.join(' ')));
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.isEmpty()) << qPrintable(result.out);
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // A folder that does not exist: the results are printed, the file is not, and the status says so.
    const CliResult missing = runCli({"simulate", "Racer", "--chart", dir.filePath("no/such/run.png")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.value("TimeEF"), "<missing>");
}

TEST(CliCharts, SweepDrawsItsMapAndWritesItsGrid)
{
    QTemporaryDir dir;
    const QString map = dir.filePath("map.svg");
    const QString csv = dir.filePath("map.csv");
    const CliResult sweep = runCli({"sweep", "Default Design", "--wheel", "4:7.5:0.5", "--length", "24:48:6", "--map",
                                    map, "--csv", csv});
    ASSERT_EQ(sweep.status, 0) << qPrintable(sweep.err);
    EXPECT_EQ(sweep.value("Combinations"), "40");
    EXPECT_NE(sweep.value("BestYet"), "-");
    EXPECT_TRUE(test::contentOf(map).contains("<svg"));
    const QStringList rows = QString::fromUtf8(test::contentOf(csv)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 6); // header and five lengths
    EXPECT_EQ(rows[0], "\"Spring Length (in) \\ Drive wheel dia (in)\",4,4.5,5,5.5,6,6.5,7,7.5");
    EXPECT_TRUE(rows[1].startsWith("24,"));
    for (const QString &row : rows.mid(1))
        EXPECT_EQ(row.count(','), 8) << qPrintable(row);
    // The best time is one of the grid's cells.
    const QString best = QString::number(sweep.value("BestYet").toDouble(), 'f', 2);
    EXPECT_TRUE(QString::fromUtf8(test::contentOf(csv)).contains(',' + best)) << qPrintable(best);

    // The grid on standard output: the result lines make way to standard error.
    const CliResult piped = runCli({"sweep", "Default Design", "--length", "30:36:6", "--csv", "-"});
    ASSERT_EQ(piped.status, 0) << qPrintable(piped.err);
    EXPECT_TRUE(piped.out.startsWith("\"Spring Length (in) \\ Drive wheel dia (in)\"")) << qPrintable(piped.out);
    EXPECT_TRUE(piped.err.contains("Combinations=16"));
}

TEST(CliCharts, SweepMapsNeedTheThirdRangeFixed)
{
    QTemporaryDir dir;
    const CliResult three = runCli({"sweep", "Default Design", "--width", "1:2:0.5", "--length", "30:36:6", "--map",
                                    dir.filePath("map.png")});
    EXPECT_EQ(three.status, 2);
    EXPECT_TRUE(three.err.contains("fix the third")) << qPrintable(three.err);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    const CliResult csv = runCli({"sweep", "Default Design", "--width", "1:2:0.5", "--length", "30:36:6", "--csv", "-"});
    EXPECT_EQ(csv.status, 2);
    EXPECT_EQ(runCli({"sweep", "Default Design", "--threads", "0"}).status, 2);
    // The same results on one thread and on several.
    const CliResult one = runCli({"sweep", "Racer", "--length", "24:48:8", "--threads", "1"});
    const CliResult several = runCli({"sweep", "Racer", "--length", "24:48:8", "--threads", "3"});
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(one.out, several.out);
}
