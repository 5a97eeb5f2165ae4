// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DesignFile.h"
#include "files/TextDesignFile.h"
#include "app/DesignListOps.h"
#include "support/QtPrinters.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::ScriptedPrompter;

namespace {

struct ListFixture : ::testing::Test {
    QTemporaryDir dir;
    Workspace workspace;
    ScriptedPrompter prompter;
    int rebuilds = 0;
    DesignListOps ops{workspace, prompter, [this] { ++rebuilds; }};

    ListFixture()
    {
        workspace.random.seed(1);
        BuildBuiltInDesign(workspace, 0);
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(ListFixture, NewDesignIsUnsavedWithARandomName)
{
    ASSERT_TRUE(ops.NewDesign());
    EXPECT_EQ(workspace.list.DesignCount(), 6);
    EXPECT_EQ(workspace.list.CurrentDesign, 5);
    EXPECT_TRUE(workspace.list.current().DesignName.startsWith("Untitled design "));
    EXPECT_FALSE(workspace.list.current().DesignSaved);
    EXPECT_TRUE(workspace.list.current().DesignPath.isEmpty());
    EXPECT_EQ(workspace.design.OuterCount(), 4);
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(ListFixture, AnsweringNoForAnUnsavedNewDesignRemovesItAndGoesToTheDefault)
{
    ops.NewDesign();
    workspace.list.current().DesignName = QStringLiteral("Untitled design 7");
    prompter.confirmAnswers = {Answer::No};
    ops.ChangeDesignWithPrompt(3);
    EXPECT_EQ(workspace.list.DesignCount(), 5);
    EXPECT_EQ(workspace.list.CurrentDesign, 0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Current design \"Untitled design 7\" is not saved. Save it?");
}

TEST_F(ListFixture, CancelStaysAndNoOnABuiltInSwitches)
{
    workspace.MarkDesignChanged();
    prompter.confirmAnswers = {Answer::Cancel};
    ops.ChangeDesignWithPrompt(2);
    EXPECT_EQ(workspace.list.CurrentDesign, 0);
    EXPECT_EQ(rebuilds, 0);

    prompter.confirmAnswers = {Answer::No};
    ops.ChangeDesignWithPrompt(2);
    EXPECT_EQ(workspace.list.CurrentDesign, 2);
    EXPECT_EQ(workspace.design.Drive, DriveKind::FrontWD);
    EXPECT_TRUE(workspace.list.current().DesignSaved);
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(ListFixture, SavingABuiltInUnderAnotherNameAddsAnEntryButKeepsTheBuiltInCurrent)
{
    ops.ChangeDesign(1);
    prompter.savePaths = {path("fast car.txt")};
    ASSERT_TRUE(ops.SaveCurrent());
    EXPECT_EQ(prompter.lastSaveInitialName, "My Racer.zndl");
    EXPECT_EQ(workspace.list.DesignCount(), 6);
    EXPECT_EQ(workspace.list.entries[5].DesignName, "fast car");
    EXPECT_EQ(workspace.list.entries[5].DesignPath, path("fast car.zndl"));
    EXPECT_EQ(workspace.list.CurrentDesign, 1);

    // The file holds the name "Racer".
    Workspace read;
    PrepareForFileRead(read);
    const ReadOutcome outcome = ReadBinaryDesignFile(read, path("fast car.zndl"));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.name, "Racer");
}

TEST_F(ListFixture, YesSavesANewDesignUnderTheChosenName)
{
    ops.NewDesign();
    prompter.confirmAnswers = {Answer::Yes};
    prompter.savePaths = {path("mine.zndl")};
    EXPECT_EQ(ops.PromptUnsaved(), PromptAnswer::SavedAsNew);
    EXPECT_EQ(workspace.list.DesignCount(), 7);
    EXPECT_EQ(workspace.list.entries[6].DesignName, "mine");
    EXPECT_TRUE(workspace.list.entries[6].DesignSaved);
    EXPECT_TRUE(QFile::exists(path("mine.zndl")));

    // Cancelling the save dialog stays.
    workspace.MarkDesignChanged();
    prompter.confirmAnswers = {Answer::Yes};
    prompter.savePaths = {QString()};
    EXPECT_EQ(ops.PromptUnsaved(), PromptAnswer::SaveCancelled);
}

TEST_F(ListFixture, SelectingAFileBackedDesignReadsItAgain)
{
    ops.ChangeDesign(4);
    prompter.savePaths = {path("wheelie2.zndl")};
    ops.SaveCurrent();
    ops.ChangeDesign(5);
    EXPECT_EQ(workspace.list.entries[5].DesignName, "Wheelie");
    EXPECT_EQ(workspace.design.OuterCount(), 26);

    // A new design that was never saved is not rebuilt on selection.
    ops.NewDesign();
    workspace.design.SpringWidth = "2";
    ops.ChangeDesign(6);
    EXPECT_EQ(workspace.design.SpringWidth, "2");
}

TEST_F(ListFixture, RenameRevisesRefusesAndRetries)
{
    prompter.inputAnswers = {};
    ops.RenameDesign();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.shown[0].caption, "Sorry");

    ops.NewDesign();
    prompter.shown.clear();
    prompter.inputAnswers = {QString(33, 'x'), QString("a/b:c")};
    ops.RenameDesign();
    EXPECT_EQ(prompter.messages(),
              QStringList({ListMessages::NameTooLong(), ListMessages::NameRevised()}));
    EXPECT_EQ(prompter.lastInputInitial, QString(33, 'x')); // the refused name, to be shortened
    EXPECT_EQ(workspace.list.current().DesignName, "abc");
    EXPECT_EQ(workspace.list.items[workspace.list.CurrentDesign], "abc");
    EXPECT_EQ(prompter.shown[0].caption, "Input Box");
    EXPECT_TRUE(prompter.shown[0].text.startsWith("Please type a new name for Untitled design"));
}

TEST_F(ListFixture, RemoveAsksAndRefusesBuiltIns)
{
    ops.RemoveDesign();
    EXPECT_EQ(prompter.messages(), QStringList({ListMessages::CannotRemove()}));

    ops.NewDesign();
    prompter.confirmAnswers = {Answer::No}; // the unsaved prompt: removes it already
    ops.RemoveDesign();
    EXPECT_EQ(workspace.list.DesignCount(), 5);

    ops.ChangeDesign(2);
    prompter.savePaths = {path("p.zndl")};
    ops.SaveCurrent();
    ops.ChangeDesign(5);
    prompter.confirmAnswers = {Answer::Yes};
    ops.RemoveDesign();
    EXPECT_EQ(workspace.list.DesignCount(), 5);
    EXPECT_EQ(workspace.list.CurrentDesign, 0);
}

TEST_F(ListFixture, AfterRemoveTheMemoryHoldsTheDesignTheListSelects)
{
    const DesignRecord defaults = workspace.design;
    // A design of its own, saved, then removed.
    ops.NewDesign();
    workspace.design.SpringWidth = QStringLiteral("5");
    workspace.design.OuterPts.push_back({100, 100});
    prompter.savePaths = {path("mine.zndl")};
    ASSERT_TRUE(ops.SaveCurrent());
    ASSERT_TRUE(workspace.list.current().DesignSaved);
    const int before = rebuilds;
    prompter.confirmAnswers = {Answer::Yes};
    ops.RemoveDesign();
    ASSERT_EQ(workspace.list.DesignCount(), 5);
    EXPECT_EQ(workspace.list.CurrentDesign, 0);
    EXPECT_TRUE(workspace.list.current().DesignSaved);
    EXPECT_EQ(workspace.design.SpringWidth, defaults.SpringWidth);
    EXPECT_EQ(workspace.design.OuterPts, defaults.OuterPts);
    EXPECT_EQ(rebuilds, before + 1);

    // Answering No to the save question takes the unsaved design off at once: the same.
    ops.NewDesign();
    workspace.design.SpringWidth = QStringLiteral("6");
    workspace.list.MarkDesignChanged(workspace.list.CurrentDesign);
    prompter.confirmAnswers = {Answer::No};
    ops.RemoveDesign();
    EXPECT_EQ(workspace.list.DesignCount(), 5);
    EXPECT_EQ(workspace.list.CurrentDesign, 0);
    EXPECT_EQ(workspace.design.SpringWidth, defaults.SpringWidth);

    // Answering No to the removal question changes nothing.
    ops.NewDesign();
    workspace.design.SpringWidth = QStringLiteral("7");
    prompter.savePaths = {path("seven.zndl")};
    ASSERT_TRUE(ops.SaveCurrent());
    prompter.confirmAnswers = {Answer::No};
    ops.RemoveDesign();
    EXPECT_EQ(workspace.list.DesignCount(), 6);
    EXPECT_EQ(workspace.design.SpringWidth, QStringLiteral("7"));
}

TEST_F(ListFixture, AFileThatCannotBeReadChangesNothingWhetherOpenedSelectedOrConverted)
{
    QFile foreign(path("notes.zndl"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("hello, this is not a car\n");
    foreign.close();
    workspace.catalogue.axles.push_back({"Pine", "0.02"});
    workspace.design.SpringLength = "40";
    const QByteArray before = EncodeDesign(workspace.design, workspace.catalogue, "x");
    const auto unchanged = [&] { return EncodeDesign(workspace.design, workspace.catalogue, "x") == before; };

    prompter.openPaths = {path("notes.zndl")};
    EXPECT_FALSE(ops.OpenDesign());
    EXPECT_EQ(workspace.list.DesignCount(), 5);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(rebuilds, 0);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0], "Cannot read \"" + path("notes.zndl")
                                          + "\": it is not a Zindle design file; as one of an earlier release, "
                                            "the file ends before the design does (after line 1)")
        << prompter.messages()[0].toStdString();

    // An entry whose file went bad since: the list stays on the design in memory.
    prompter.savePaths = {path("mine.zndl")};
    workspace.list.append("Mine", path("notes.zndl"), true);
    ops.ChangeDesign(5);
    EXPECT_EQ(workspace.list.CurrentDesign, 0);
    EXPECT_EQ(workspace.list.entries[5].DesignName, "Mine");
    EXPECT_TRUE(unchanged());

    // Convert: nothing read, nothing marked saved, nothing saved.
    workspace.MarkDesignChanged();
    prompter.confirmAnswers = {Answer::No};
    prompter.openPaths = {path("notes.zndl")};
    ops.ConvertDesign();
    EXPECT_TRUE(unchanged());
    EXPECT_FALSE(workspace.list.current().DesignSaved);
    EXPECT_EQ(prompter.messages().size(), 3);
}

TEST_F(ListFixture, OpenReadsADesignOfAnEarlierReleaseAndNamesAnUnnamedOneAfterItsFile)
{
    QFile::copy(ZINDLE_TEST_DATA "/wedge-older.txt", path("wedge.zndl"));
    prompter.openPaths = {QStringLiteral(ZINDLE_TEST_DATA "/wedge-v3.txt"), path("wedge.zndl")};
    ASSERT_TRUE(ops.OpenDesign());
    Workspace v3;
    PrepareForFileRead(v3);
    ASSERT_TRUE(ReadTextDesignFile(v3, ZINDLE_TEST_DATA "/wedge-v3.txt").ok());
    EXPECT_EQ(EncodeDesign(workspace.design, workspace.catalogue, ""), EncodeDesign(v3.design, v3.catalogue, ""));
    EXPECT_EQ(workspace.list.current().DesignName, "Old Wedge");
    ASSERT_TRUE(ops.OpenDesign());
    EXPECT_EQ(workspace.list.current().DesignName, "wedge");
    EXPECT_EQ(workspace.list.current().DesignPath, path("wedge.zndl"));
    EXPECT_EQ(workspace.list.DesignCount(), 7);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(ListFixture, TheSaveDialogStartsBesideTheDesignsOwnFile)
{
    prompter.savePaths = {QString()};
    ops.SaveCurrent();
    EXPECT_EQ(prompter.lastSaveInitialName, "My Default Design.zndl");
    ASSERT_TRUE(SaveDesign(workspace, path("car.zndl"), 0).ok);
    prompter.openPaths = {path("car.zndl")};
    ASSERT_TRUE(ops.OpenDesign());
    prompter.savePaths = {QString()};
    ops.SaveCurrent();
    EXPECT_EQ(prompter.lastSaveInitialName, path("Default Design.zndl"));
}

TEST_F(ListFixture, ConvertReadsATextFileAndSavesItInTheBinaryLayout)
{
    prompter.openPaths = {QStringLiteral(ZINDLE_TEST_DATA "/wedge-v3.txt")};
    prompter.savePaths = {path("wedge.zndl")};
    ops.ConvertDesign();
    EXPECT_EQ(workspace.list.DesignCount(), 6);
    EXPECT_EQ(workspace.list.current().DesignName, "wedge");
    EXPECT_EQ(workspace.list.current().DesignPath, path("wedge.zndl"));
    Workspace read;
    PrepareForFileRead(read);
    const ReadOutcome outcome = ReadBinaryDesignFile(read, path("wedge.zndl"));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.name, "wedge");
    EXPECT_EQ(read.design.InnerCount(), 4);
}

TEST_F(ListFixture, AFullListRefusesNewDesigns)
{
    while (!workspace.list.isFull())
        workspace.list.append("x", "", true);
    EXPECT_FALSE(ops.NewDesign());
    EXPECT_EQ(prompter.messages(), QStringList({ListMessages::ListFull()}));
    EXPECT_EQ(workspace.list.DesignCount(), MaxDesigns);
}

TEST_F(ListFixture, QuitAsksOnlyWhenUnsaved)
{
    EXPECT_TRUE(ops.MayQuit());
    workspace.MarkDesignChanged();
    prompter.confirmAnswers = {Answer::Cancel};
    EXPECT_FALSE(ops.MayQuit());
    prompter.confirmAnswers = {Answer::No};
    EXPECT_TRUE(ops.MayQuit());
}

TEST_F(ListFixture, ASaveThatCannotBeWrittenSaysSoAndLeavesTheDesignUnsaved)
{
    ops.NewDesign();
    // A folder stands where the file would go: it must be neither replaced nor reported saved.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.zndl"));
    prompter.savePaths = {path("taken.zndl")};
    EXPECT_FALSE(ops.SaveCurrent());
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.back().caption, "Error");
    EXPECT_TRUE(prompter.shown.back().text.startsWith("Cannot write")) << prompter.shown.back().text.toStdString();
    EXPECT_FALSE(workspace.list.current().DesignSaved);
    EXPECT_TRUE(QFileInfo(path("taken.zndl")).isDir());
}

TEST_F(ListFixture, OpeningAFileWithBytesAfterTheDesignReadsItAndSaysSo)
{
    QFile file(path("tail.zndl"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeDesign(workspace.design, workspace.catalogue, "Tail") + "xyz");
    file.close();
    prompter.openPaths = {path("tail.zndl")};
    EXPECT_TRUE(ops.OpenDesign());
    EXPECT_EQ(workspace.list.current().DesignName, "Tail");
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_TRUE(prompter.shown.back().text.contains("3 bytes after the end of the design were ignored"));
}
