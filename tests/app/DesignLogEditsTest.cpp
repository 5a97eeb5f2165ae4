// SPDX-License-Identifier: GPL-3.0-or-later
// The window's edits of a design's runs in the class logbook: each written at once, each taken
// back to the very bytes it started from, and none applied to a run the logbook no longer holds.

#include "app/DesignLogEdits.h"

#include "support/FolderFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::contentOf;
using zindle::test::put;

namespace {

struct LoggedFolder {
    QTemporaryDir dir;
    DesignLogSubject racer{QStringLiteral("Racer"), QStringLiteral("racer.zndl"), dir.path(),
                           dir.filePath(QStringLiteral("zindle-log.json"))};
    QByteArray original = contentOf(ZINDLE_TEST_DATA "/logbook-unknown-fields.json");
    LoggedFolder() { put(racer.logbookPath, original); }

    LogEditOutcome apply(LogEdit &edit, bool undo = false) { return ApplyLogEdit(racer, edit, undo); }
    const std::vector<LoggedRun> &runs(const LogEditOutcome &outcome) { return outcome.logbook.designs[0].runs; }
};

MeasuredRun gymRun()
{
    MeasuredRun run;
    run.date = QDate(2026, 5, 11);
    run.track = QStringLiteral("Gym");
    run.restFt = 9.25;
    return run;
}

LogEdit runEdit(LogEdit::Kind kind, int index, std::optional<MeasuredRun> before, std::optional<MeasuredRun> after)
{
    LogEdit edit;
    edit.kind = kind;
    edit.index = index;
    edit.before = std::move(before);
    edit.after = std::move(after);
    return edit;
}

} // namespace

TEST(DesignLogEdits, EveryEditIsWrittenAndTakenBackToTheBytesItStartedFrom)
{
    LoggedFolder folder;
    const MeasuredRun first = DecodeLogbook(folder.original, {}).logbook.designs[0].runs[0].run;

    LogEdit add = runEdit(LogEdit::Add, -1, std::nullopt, gymRun());
    ASSERT_TRUE(folder.apply(add).ok);
    EXPECT_EQ(add.index, 1);

    MeasuredRun renoted = first;
    renoted.note = QStringLiteral("wheel rubbed");
    LogEdit change = runEdit(LogEdit::Change, 0, first, renoted);
    const LogEditOutcome changed = folder.apply(change);
    ASSERT_TRUE(changed.ok);
    EXPECT_EQ(folder.runs(changed)[0].run.note, "wheel rubbed");
    // What a later release wrote on the run stays with it.
    EXPECT_EQ(folder.runs(changed)[0].unknown.value(QStringLiteral("timer")).toString(), "phone video");

    LogEdit predict = runEdit(LogEdit::Predict, -1, std::nullopt, std::nullopt);
    predict.predictionBefore = 1.5;
    predict.predictionAfter = 1.4;
    ASSERT_TRUE(folder.apply(predict).ok);
    // The first run goes, with the fields this release does not know.
    LogEdit remove = runEdit(LogEdit::Delete, 0, renoted, std::nullopt);
    const LogEditOutcome removed = folder.apply(remove);
    ASSERT_TRUE(removed.ok);
    EXPECT_EQ(removed.logbook.designs[0].predictionS, 1.4);
    EXPECT_EQ(folder.runs(removed).size(), 1u);

    for (LogEdit *edit : {&remove, &predict, &change, &add})
        ASSERT_TRUE(folder.apply(*edit, true).ok);
    EXPECT_EQ(contentOf(folder.racer.logbookPath), folder.original);
}

TEST(DesignLogEdits, ARunChangedElsewhereIsNotTakenForTheOneTheWindowShowed)
{
    LoggedFolder folder;
    LogEdit add = runEdit(LogEdit::Add, -1, std::nullopt, gymRun());
    ASSERT_TRUE(folder.apply(add).ok);
    // The command line removes the run meanwhile and adds another one in its place.
    MeasuredRun other = gymRun();
    other.restFt = 12.0;
    Logbook elsewhere = DecodeLogbook(folder.original, {}).logbook;
    elsewhere.designs[0].runs.push_back({other, {}});
    ASSERT_TRUE(WriteLogbook(folder.racer.logbookPath, elsewhere).ok);
    const QByteArray before = contentOf(folder.racer.logbookPath);

    const LogEditOutcome undone = folder.apply(add, true);
    EXPECT_FALSE(undone.ok);
    EXPECT_EQ(undone.error, folder.racer.logbookPath +
                                " was changed by another program since it was shown here, so nothing was changed; "
                                "close and open the Test runs window to see it as it is now");
    EXPECT_EQ(contentOf(folder.racer.logbookPath), before);
}

TEST(DesignLogEdits, ADesignRenamedAndMovedTakesOverItsRunsOnlyWhenTheStudentSaysSo)
{
    LoggedFolder folder; // racer.zndl is not in the folder: Racer's file went
    const DesignLogSubject speedy{QStringLiteral("Speedy"), QStringLiteral("speedy.zndl"), folder.dir.path(),
                                  folder.racer.logbookPath};
    const LogbookRead read = ReadLogbook(speedy.logbookPath);
    const std::vector<const LoggedDesign *> unmatched = UnmatchedEntries(read.logbook, speedy);
    ASSERT_EQ(unmatched.size(), 1u);
    EXPECT_EQ(unmatched[0]->name, "Racer");
    EXPECT_TRUE(UnmatchedEntries(read.logbook, folder.racer).empty());

    LogEdit adopt;
    adopt.kind = LogEdit::Adopt;
    adopt.formerName = QStringLiteral("Racer");
    adopt.formerFile = QStringLiteral("racer.zndl");
    const LogEditOutcome adopted = ApplyLogEdit(speedy, adopt, false);
    ASSERT_TRUE(adopted.ok);
    EXPECT_EQ(adopted.logbook.designs[0].name, "Speedy");
    EXPECT_EQ(adopted.logbook.designs[0].runs.size(), 1u);
    ASSERT_TRUE(ApplyLogEdit(speedy, adopt, true).ok);
    EXPECT_EQ(contentOf(speedy.logbookPath), folder.original);
}
