// SPDX-License-Identifier: GPL-3.0-or-later
// A race day from the command line: the chart as JSON, times recorded into the event and the
// class's logbook, standings as CSV, and an event that survives the program being killed while
// it writes.

#include "files/EventFile.h"
#include "files/Logbook.h"
#include "support/ClassFolder.h"
#include "support/CliRunner.h"
#include "support/FolderFiles.h"

#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace zindle;
using namespace zindle::test;

namespace {

QString lapTimes(int heat, int lanes)
{
    QStringList times;
    for (int lane = 0; lane < lanes; ++lane)
        times << QString::number(1.0 + 0.01 * (heat * lanes + lane), 'f', 2);
    return times.join(QLatin1Char(','));
}

int eventRuns(const QString &folder)
{
    int runs = 0;
    for (const LoggedDesign &design : ReadLogbook(QDir(folder).filePath(LogbookFileName)).logbook.designs)
        for (const LoggedRun &logged : design.runs)
            runs += logged.run.note.startsWith(QLatin1String("Race day")) ? 1 : 0;
    return runs;
}

} // namespace

TEST(CliEvent, TheChartAsJsonTimesIntoTheLogbookAndStandingsAsCsv)
{
    QTemporaryDir dir;
    writeClassFolder(dir.path(), 5);
    writeClassDesign(dir.path(), QStringLiteral("=cmd.zndl"), QStringLiteral("Formula"), 5);
    const QString event = dir.filePath(QStringLiteral("day.zevent"));
    const CliResult made = runCli({"event", "new", event, "--roster", dir.path(), "--lanes", "3", "--blocked", "2",
                                   "--code", "77", "--track", "Gym"});
    ASSERT_EQ(made.status, 0) << qPrintable(made.err);
    EXPECT_EQ(made.out, QStringLiteral("Event %1: 6 cars, 3 lanes (lane 2 blocked), 6 heats, balanced chart; "
                                       "join code 77\n").arg(event));
    const QByteArray first = contentOf(event);
    EXPECT_EQ(runCli({"event", "new", event, "--roster", dir.path(), "--lanes", "2"}).status, 2);
    EXPECT_EQ(contentOf(event), first) << "an event file is never made over another";

    const QJsonArray heats = runCli({"event", "schedule", event, "--json"}).json().value("heats").toArray();
    ASSERT_EQ(heats.size(), 6);
    const QJsonArray lanes = heats[0].toObject().value("lanes").toArray();
    ASSERT_EQ(lanes.size(), 3);
    EXPECT_TRUE(lanes[1].isNull());
    EXPECT_TRUE(lanes[0].toString().endsWith(QLatin1String(".zndl")));

    ASSERT_EQ(runCli({"event", "record", event, "--heat", "1", "--times", "1.5,-,DNF"}).status, 0);
    ASSERT_EQ(runCli({"event", "record", event, "--heat", "1", "--times", "1.4,-,1.6"}).status, 0);
    EXPECT_EQ(eventRuns(dir.path()), 2) << "a re-run replaces the heat's runs";
    const CliResult comma = runCli({"event", "record", event, "--heat", "2", "--times", "1,5,-,1"});
    EXPECT_EQ(comma.status, 2);
    EXPECT_EQ(eventRuns(dir.path()), 2);
    EXPECT_EQ(runCli({"calibrate", dir.path(), "--track", "Gym"}).status, 0) << "the race's runs calibrate";

    const QString csv = dir.filePath(QStringLiteral("standings.csv"));
    ASSERT_EQ(runCli({"event", "standings", event, "--csv", csv}).status, 0);
    const QStringList rows = QString::fromUtf8(contentOf(csv)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0], QStringLiteral("place,car,runs,finished,average_s,best_s,points,withdrawn"));
    EXPECT_TRUE(rows[1].endsWith(QLatin1String(",1,1,1.400,1.400,2,no"))) << qPrintable(rows[1]);
    EXPECT_TRUE(QString::fromUtf8(contentOf(csv)).contains(QLatin1String(",'=cmd.zndl,")));
}

TEST(CliEvent, KillingTheProgramWhileItRecordsLosesNoTimeEntered)
{
    QTemporaryDir dir;
    writeClassFolder(dir.path(), 24);
    const QString event = dir.filePath(QStringLiteral("day.zevent"));
    ASSERT_EQ(runCli({"event", "new", event, "--roster", dir.path(), "--lanes", "4"}).status, 0);
    for (int heat = 0; heat < 24; ++heat) {
        const QString times = lapTimes(heat, 4);
        QProcess process;
        process.start(QStringLiteral(ZINDLE_CLI_PATH), {"event", "record", event, "--heat", QString::number(heat + 1),
                                                         "--times", times});
        ASSERT_TRUE(process.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(heat % 6) * 15);
        process.kill();
        process.waitForFinished();

        const EventRead read = ReadEvent(event);
        ASSERT_TRUE(read.ok) << "killed in heat " << heat + 1 << ": " << qPrintable(read.error);
        for (int earlier = 0; earlier < heat; ++earlier)
            ASSERT_TRUE(read.event.heats[static_cast<size_t>(earlier)].recorded) << earlier + 1;
        if (!read.event.heats[static_cast<size_t>(heat)].recorded) {
            ASSERT_EQ(runCli({"event", "record", event, "--heat", QString::number(heat + 1), "--times", times}).status, 0);
        }
    }
    const EventRead read = ReadEvent(event);
    ASSERT_TRUE(read.ok);
    for (int heat = 0; heat < 24; ++heat)
        for (int lane = 0; lane < 4; ++lane)
            ASSERT_EQ(read.event.heats[static_cast<size_t>(heat)].times[static_cast<size_t>(lane)],
                      lapTimes(heat, 4).split(',')[lane].toDouble());
    EXPECT_EQ(eventRuns(dir.path()), 96);
}
