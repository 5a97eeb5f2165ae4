// SPDX-License-Identifier: GPL-3.0-or-later
// The design journals: a version only when the simulated design changed, with the numbers
// Simulate showed for it; written beside a saved design at once and beside a new one at its
// first save; a journal that cannot be read is never written over.

#include "app/DesignJournals.h"
#include "app/RefreshChain.h"
#include "files/DesignFile.h"
#include "files/JournalFile.h"
#include "support/BuiltInWorkspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::builtInWorkspace;

namespace {

const QDateTime At = QDateTime(QDate(2026, 12, 11), QTime(10, 2, 31, 400), QTimeZone::utc());

void simulate(Workspace &workspace)
{
    EnterSimulateMode(workspace);
    RefreshMode(workspace, SheetMode::Simulate);
}

bool record(DesignJournals &journals, const Workspace &workspace)
{
    WriteOutcome written;
    const bool kept = journals.recordRun(workspace, At, written);
    EXPECT_TRUE(written.ok) << written.error.toStdString();
    return kept;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DesignJournals, AVersionIsKeptOnlyWhenTheSimulatedDesignChanged)
{
    Workspace ws = builtInWorkspace(1); // Racer
    DesignJournals journals;
    journals.follow(ws.list);
    EXPECT_EQ(journals.journal().designName, "Racer");
    EXPECT_TRUE(journals.path().isEmpty());

    RefreshMode(ws, SheetMode::Analyze);
    EXPECT_FALSE(record(journals, ws)) << "analysed, not run";
    simulate(ws);
    ASSERT_TRUE(record(journals, ws));
    const JournalVersion first = journals.journal().versions.at(0);
    EXPECT_EQ(first.when, QDateTime(QDate(2026, 12, 11), QTime(10, 2, 31), QTimeZone::utc()));
    EXPECT_EQ(first.design, EncodeDesign(ws.design, ws.catalogue, QString()));
    // The Racer stops short of 15 ft: Simulate shows "[1.37]".
    EXPECT_FALSE(first.reaches15ft);
    EXPECT_EQ(first.timeS, 1.37);
    EXPECT_EQ(first.topSpeedFtS, 15.3);
    EXPECT_EQ(first.massLb, 0.231295809149742);

    simulate(ws);
    EXPECT_FALSE(record(journals, ws)) << "the same design again";
    ws.design.SpringLength = QStringLiteral("44");
    EXPECT_FALSE(record(journals, ws)) << "changed, but the results are of the design before";
    simulate(ws);
    EXPECT_TRUE(record(journals, ws));
    ws.list.items[1] = QStringLiteral("Racer renamed");
    EXPECT_FALSE(journals.follow(ws.list)) << "renamed, the design is still the one followed";
    EXPECT_EQ(journals.journal().designName, "Racer renamed");
    EXPECT_FALSE(record(journals, ws)) << "the name is not the design";
    ASSERT_EQ(journals.journal().versions.size(), 2u);
    EXPECT_NE(journals.journal().versions[1].timeS, first.timeS);

    // Another design has a journal of its own; coming back finds this one as it was.
    Workspace other = builtInWorkspace(2);
    EXPECT_TRUE(journals.follow(other.list));
    EXPECT_TRUE(journals.journal().versions.empty());
    journals.follow(ws.list);
    EXPECT_EQ(journals.journal().versions.size(), 2u);
}

TEST(DesignJournals, ANewDesignsJournalIsWrittenAtItsFirstSaveAndThenAtEveryVersion)
{
    QTemporaryDir dir;
    Workspace ws = builtInWorkspace(1);
    DesignJournals journals;
    journals.follow(ws.list);
    simulate(ws);
    ASSERT_TRUE(record(journals, ws));
    ASSERT_TRUE(journals.setNote(0, QStringLiteral("first try")).ok);

    const QString car = dir.filePath(QStringLiteral("Car.zndl")), journalPath = car + QStringLiteral(".journal.json");
    ASSERT_FALSE(QFile::exists(journalPath));
    ASSERT_TRUE(journals.designSaved(car).ok);
    ws.list.current().DesignPath = car;
    EXPECT_FALSE(journals.follow(ws.list)) << "the saved design is the one followed";
    EXPECT_EQ(journals.path(), journalPath);
    JournalRead read = ReadJournal(journalPath);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    ASSERT_EQ(read.journal.versions.size(), 1u);
    EXPECT_EQ(read.journal.versions[0].note, "first try");

    ws.design.SpringLength = QStringLiteral("44");
    simulate(ws);
    ASSERT_TRUE(record(journals, ws));
    EXPECT_EQ(ReadJournal(journalPath).journal.versions.size(), 2u);

    // A later run of the program reads it back from beside the design.
    DesignJournals reopened;
    reopened.follow(ws.list);
    EXPECT_EQ(reopened.journal().versions.size(), 2u);
}

TEST(DesignJournals, AJournalThatCannotBeReadIsNeverWrittenOver)
{
    QTemporaryDir dir;
    const QString car = dir.filePath(QStringLiteral("Car.zndl")), journalPath = car + QStringLiteral(".journal.json");
    const QByteArray broken = "{\"format\": \"zindle-journal\", \"version\": 9}";
    {
        QFile file(journalPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(broken);
    }
    Workspace ws = builtInWorkspace(1);
    ws.list.current().DesignPath = car;
    DesignJournals journals;
    journals.follow(ws.list);
    EXPECT_TRUE(journals.readError().english().contains(QStringLiteral("Car.zndl.journal.json")))
        << journals.readError().english().toStdString();

    simulate(ws);
    EXPECT_TRUE(record(journals, ws));
    EXPECT_TRUE(journals.setNote(0, QStringLiteral("kept in memory")).ok);
    EXPECT_TRUE(journals.designSaved(car).ok);
    EXPECT_EQ(journals.journal().versions.size(), 1u);
    EXPECT_EQ(fileBytes(journalPath), broken);

    // Saved under another name, the versions go along to a file of their own.
    const QString copy = dir.filePath(QStringLiteral("Copy.zndl"));
    ASSERT_TRUE(journals.designSaved(copy).ok);
    EXPECT_TRUE(journals.readError().isEmpty());
    EXPECT_EQ(ReadJournal(copy + QStringLiteral(".journal.json")).journal.versions.at(0).note, "kept in memory");
    EXPECT_EQ(fileBytes(journalPath), broken);
}
