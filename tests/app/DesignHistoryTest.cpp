// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the current design: steps only for real changes, exact restores, the saved
// state, and what a new design or an action in progress does to the history.

#include "app/DesignHistory.h"
#include "app/Workspace.h"
#include "files/DesignFile.h"
#include "model/BuiltInDesigns.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

struct HistoryFixture : ::testing::Test {
    Workspace workspace;
    DesignHistory history{workspace};
    int restores = 0;

    HistoryFixture()
    {
        BuildBuiltInDesign(workspace, 1); // Racer, saved
        workspace.list.CurrentDesign = 1;
        history.clear(true);
        history.restored = [this] { ++restores; };
    }
    DesignRecord &design() { return workspace.design; }
    QByteArray bytes() { return EncodeDesign(workspace.design, workspace.catalogue, QStringLiteral("Racer")); }
    bool saved() { return workspace.list.current().DesignSaved; }
    void change(const QString &name, const std::function<void()> &action)
    {
        history.record(name, [&] {
            action();
            workspace.MarkDesignChanged();
        });
    }
};

} // namespace

TEST_F(HistoryFixture, EachChangeIsOneNamedStepAndUndoRedoGiveBackTheExactBytes)
{
    const QByteArray original = bytes();
    change(QStringLiteral("Move front axle"), [&] { design().setFrontAxlePt(200.0f, 30.0f); });
    const QByteArray afterAxle = bytes();
    change(QStringLiteral("Add weight"), [&] { design().Weights[0] = {300, 400, 0.5f, {}}; });
    const QByteArray afterWeight = bytes();
    change(QStringLiteral("Choose four wheel drive"), [&] { ApplyDrive(design(), DriveKind::AllWD); });
    const QByteArray afterDrive = bytes();
    ASSERT_EQ(history.count(), 3);
    EXPECT_EQ(history.undoText(), QStringLiteral("Choose four wheel drive"));

    ASSERT_TRUE(history.undo());
    EXPECT_EQ(bytes(), afterWeight);
    EXPECT_EQ(history.undoText(), QStringLiteral("Add weight"));
    EXPECT_EQ(history.redoText(), QStringLiteral("Choose four wheel drive"));
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(bytes(), afterAxle);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(bytes(), original);
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(restores, 3);

    ASSERT_TRUE(history.redo());
    ASSERT_TRUE(history.redo());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(bytes(), afterDrive);
    EXPECT_EQ(design().Drive, DriveKind::AllWD);
    EXPECT_FALSE(history.redo());
}

TEST_F(HistoryFixture, AnActionThatChangesNothingAddsNoStep)
{
    // A tool left without a change, or a size typed back to what it was.
    change(QStringLiteral("Move front axle"), [] {});
    change(QStringLiteral("Change spring width"), [&] { design().SpringWidth = design().SpringWidth; });
    // The hit rectangles are the renderer's, not the user's.
    change(QStringLiteral("Redraw"), [&] { design().Weights[5].Rect = {1, 2, 3, 4}; });
    EXPECT_EQ(history.count(), 0);
    EXPECT_FALSE(history.canUndo());
}

TEST_F(HistoryFixture, BackAtTheSavedStepTheDesignIsUnchangedAgain)
{
    change(QStringLiteral("Change spring width"), [&] { design().SpringWidth = QStringLiteral("2"); });
    change(QStringLiteral("Change spring length"), [&] { design().SpringLength = QStringLiteral("40"); });
    EXPECT_FALSE(saved());
    history.undo();
    EXPECT_FALSE(saved());
    history.undo();
    EXPECT_TRUE(saved());
    history.redo();
    EXPECT_FALSE(saved());

    // Saved after the first step: that step is the clean one from now on.
    workspace.list.current().DesignSaved = true;
    history.markSaved();
    history.undo();
    EXPECT_FALSE(saved());
    history.redo();
    EXPECT_TRUE(saved());

    // A rename is in no step: no undo reaches what the file holds any more.
    workspace.MarkDesignChanged();
    history.forgetSavedState();
    history.undo();
    history.redo();
    EXPECT_FALSE(saved());
}

TEST_F(HistoryFixture, AnotherDesignClearsTheHistoryAndDropsTheActionsBegunBefore)
{
    change(QStringLiteral("Change spring width"), [&] { design().SpringWidth = QStringLiteral("2"); });
    DesignEdit sweep = history.begin();
    // An action in progress owns the design: neither undo nor redo may run under it.
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo());
    design().SpringLength = QStringLiteral("50");
    // The user switched designs meanwhile.
    BuildBuiltInDesign(workspace, 2);
    history.clear(true);
    EXPECT_FALSE(sweep.commit(QStringLiteral("Power Designer sweep")));
    EXPECT_EQ(history.count(), 0);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.atSavedState());

    // A new design was never saved: no step of its history is the saved one.
    history.clear(false);
    EXPECT_FALSE(history.atSavedState());
    change(QStringLiteral("Change spring width"), [&] { design().SpringWidth = QStringLiteral("3"); });
    history.undo();
    EXPECT_FALSE(saved());
}

TEST_F(HistoryFixture, AnEditLeftWithoutACommitFreesTheHistory)
{
    {
        DesignEdit abandoned = history.begin();
        design().SpringWidth = QStringLiteral("2");
        EXPECT_TRUE(history.editOpen());
    }
    EXPECT_FALSE(history.editOpen());
    change(QStringLiteral("Change spring length"), [&] { design().SpringLength = QStringLiteral("40"); });
    EXPECT_TRUE(history.canUndo());
}

TEST_F(HistoryFixture, MaterialCatalogueChangesAreUndoneWithTheChoices)
{
    const int boards = workspace.catalogue.count(MaterialKind::Board);
    change(QStringLiteral("Define materials"), [&] {
        workspace.catalogue.boards.push_back({QStringLiteral("Balsa"), QStringLiteral("0.25"), QStringLiteral("10")});
        design().MatIndex[OuterBodyPart] = boards;
    });
    history.undo();
    EXPECT_EQ(workspace.catalogue.count(MaterialKind::Board), boards);
    EXPECT_EQ(design().MatIndex[OuterBodyPart], 0);
    history.redo();
    EXPECT_EQ(workspace.catalogue.name(MaterialKind::Board, boards), QStringLiteral("Balsa"));
}

TEST(SizeChangeName, NamesTheOneSizeOrSaysSizes)
{
    DesignRecord before;
    ResetParameters(before);
    DesignRecord after = before;
    after.OtherWhlDia = QStringLiteral("2");
    EXPECT_EQ(sizeChangeName(before, after), QStringLiteral("Change other wheel diameter"));
    after.SpringLength = QStringLiteral("40");
    EXPECT_EQ(sizeChangeName(before, after), QStringLiteral("Change sizes"));
    after = before;
    after.DriveAxleLength = QStringLiteral("8");
    EXPECT_EQ(sizeChangeName(before, after), QStringLiteral("Change drive axle length"));
}

TEST_F(HistoryFixture, ASizeLeftAndThenAppliedIsOneStep)
{
    const QString drive = design().DriveWhlDia;
    history.record(QStringLiteral("Change spring length"), [&] { design().SpringLength = QStringLiteral("48"); });
    // The field was left before Apply was pressed; then Apply's refresh enlarged the wheel.
    DesignEdit typed = history.begin();
    design().SpringLength = QStringLiteral("60");
    typed.commit(QStringLiteral("Change spring length"), StepKind::SizeTyped);
    DesignEdit applied = history.begin();
    design().DriveWhlDia = QStringLiteral("5.5");
    applied.commit(QStringLiteral("Change spring length"), StepKind::SizeApplied);
    EXPECT_EQ(history.count(), 2);
    history.undo();
    EXPECT_EQ(design().SpringLength, QStringLiteral("48"));
    EXPECT_EQ(design().DriveWhlDia, drive);

    // An Apply is never extended by a size left afterwards.
    history.redo();
    DesignEdit later = history.begin();
    design().SpringWidth = QStringLiteral("2");
    later.commit(QStringLiteral("Change spring width"), StepKind::SizeTyped);
    EXPECT_EQ(history.count(), 3);
}
