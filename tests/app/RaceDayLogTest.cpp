// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a recorded heat: the logbook follows the event, and goes back when the event file
// cannot be written, so the two never disagree about a heat.

#include "app/RaceDayLog.h"
#include "files/EventFile.h"
#include "files/Logbook.h"
#include "physics/RaceDay.h"
#include "support/ClassFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zindle;
using namespace zindle::test;

namespace {

int raceRuns(const QString &folder)
{
    int runs = 0;
    const LogbookRead read = ReadLogbook(QDir(folder).filePath(LogbookFileName));
    EXPECT_TRUE(read.ok) << qPrintable(read.error);
    for (const LoggedDesign &design : read.logbook.designs)
        runs += static_cast<int>(design.runs.size());
    return runs;
}

} // namespace

TEST(RaceDayLog, TheLogbookFollowsASavedHeatAndGoesBackWhenTheEventCannotBeWritten)
{
    QTemporaryDir dir;
    writeClassFolder(dir.path(), 4);
    const QString path = dir.filePath(QStringLiteral("day.zevent"));
    RaceEvent event;
    event.lanes = 2;
    event.blocked = {false, false};
    event.roster = QStringLiteral(".");
    event.track = QStringLiteral("Gym");
    ASSERT_TRUE(EnterRoster(event, path).isEmpty());
    ASSERT_TRUE(WriteEvent(path, event).ok);

    RaceEvent first = event;
    ASSERT_TRUE(RecordHeat(first, 0, {1.5, std::nullopt}).isEmpty());
    const EventSaved saved = SaveEventAndRuns(path, first, &event);
    EXPECT_TRUE(saved.written.ok);
    EXPECT_TRUE(saved.runs.ok);
    EXPECT_EQ(saved.runs.runs, 1) << "a DNF gives no run";
    EXPECT_EQ(raceRuns(dir.path()), 1);

    // The event's path taken by a folder: it cannot be written, so the heat is not recorded
    // and the logbook must not claim it was.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("day.zevent")));
    RaceEvent second = first;
    ASSERT_TRUE(RecordHeat(second, 1, {1.6, 1.7}).isEmpty());
    EXPECT_FALSE(SaveEventAndRuns(path, second, &first).written.ok);
    EXPECT_EQ(raceRuns(dir.path()), 1);
}
