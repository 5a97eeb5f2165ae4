// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestSupport.h"
#include "support/FolderFiles.h"

#include "files/DesignFile.h"
#include "app/DesignListOps.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QWheelEvent>
#include "shell/SheetImage.h"
#include <QFile>
#include <QTemporaryDir>

namespace zindle::test {
namespace {

QStringList comboItems(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The combo always shows the list's items and its current slot.
void expectComboInStep(StartedWindow &s)
{
    EXPECT_EQ(comboItems(s.w().designList()), s.workspace.list.items);
    EXPECT_EQ(s.w().designList()->currentIndex(), s.workspace.list.CurrentDesign);
}

TEST(DesignListWindow, NewDesignIsAddedSelectedUnsavedAndShownInDesignMode)
{
    StartedWindow s;
    s.w().VPBuild();
    s.w().NewBtnClick(); // the default design is saved: no prompt
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    EXPECT_TRUE(s.workspace.list.items[5].startsWith(QStringLiteral("Untitled design ")));
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
    expectComboInStep(s);

    // A second New asks first; Cancel stays on the unsaved design.
    s.prompter.confirmAnswers = {Answer::Cancel};
    s.w().NewBtnClick();
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.prompter.shown.back().text, ListMessages::NotSaved(s.workspace.list.current().DesignName));
    // No removes the unsaved new design, then the next one is made.
    s.prompter.confirmAnswers = {Answer::No};
    s.w().NewBtnClick();
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    expectComboInStep(s);
}

TEST(DesignListWindow, OnlyAPickFromTheOpenListSwitchesDesigns)
{
    StartedWindow s;
    QComboBox *list = s.w().designList();
    const auto wheel = [list](int delta) {
        const QPointF at(list->rect().center());
        QWheelEvent event(at, list->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &event);
    };
    wheel(-120);
    QTest::keyClicks(list, QStringLiteral("R")); // would jump to "Racer"
    EXPECT_EQ(s.workspace.list.CurrentDesign, 0);
    EXPECT_EQ(list->currentIndex(), 0);
    // An arrow key opens the list; Down and Enter there pick the next design.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 0);
    ASSERT_TRUE(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 1);
    expectComboInStep(s);
}

TEST(DesignListWindow, SwitchingAwayWithNoRemovesTheUnsavedDesignAndGoesToTheDefault)
{
    StartedWindow s;
    s.w().NewBtnClick();
    s.prompter.confirmAnswers = {Answer::No};
    s.w().DesignListClick(3);
    EXPECT_EQ(s.workspace.list.DesignCount(), 5);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 0);
    expectComboInStep(s);
}

TEST(DesignListWindow, CancelledPromptPutsTheSelectionBack)
{
    StartedWindow s;
    s.w().NewBtnClick();
    s.prompter.confirmAnswers = {Answer::Cancel};
    s.w().designList()->setCurrentIndex(2);
    s.w().DesignListClick(2);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    EXPECT_EQ(s.w().designList()->currentIndex(), 5);

    // Yes, then a cancelled save dialog, stays as well.
    s.prompter.confirmAnswers = {Answer::Yes};
    s.prompter.savePaths = {QString()};
    s.w().DesignListClick(2);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    expectComboInStep(s);
}

TEST(DesignListWindow, SaveRacerUnderAnotherNameAddsAnEntryAndKeepsTheBuiltIn)
{
    QTemporaryDir dir;
    StartedWindow s;
    s.w().DesignListClick(1);
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Fast one.txt"))};
    s.w().SaveBtnClick();
    EXPECT_EQ(s.prompter.lastSaveInitialName, QStringLiteral("My Racer.zndl"));
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.items[5], QStringLiteral("Fast one"));
    EXPECT_EQ(s.workspace.list.CurrentDesign, 1);
    const QByteArray bytes = test::contentOf(dir.filePath(QStringLiteral("Fast one.zndl")));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.contains("Racer"));
    expectComboInStep(s);
}

TEST(DesignListWindow, SavingThroughThePromptThenSelectingTheSavedEntryReadsItBack)
{
    QTemporaryDir dir;
    StartedWindow s;
    s.w().NewBtnClick();
    s.workspace.design.SpringLength = QStringLiteral("48");
    s.prompter.confirmAnswers = {Answer::Yes};
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Mine"))};
    s.w().DesignListClick(1); // saved as "Mine", a new entry; then Racer
    EXPECT_EQ(s.workspace.list.CurrentDesign, 1);
    ASSERT_EQ(s.workspace.list.DesignCount(), 7);
    EXPECT_EQ(s.workspace.list.items[6], QStringLiteral("Mine"));
    s.w().DesignListClick(6);
    EXPECT_EQ(s.workspace.design.SpringLength, QStringLiteral("48"));
    EXPECT_EQ(s.w().findChild<QLineEdit *>(QStringLiteral("SpringLengthEF"))->text(), QStringLiteral("48"));
    // The never-saved new design (entry 5) leaves the design in memory as it is.
    s.w().DesignListClick(5);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    EXPECT_EQ(s.workspace.design.SpringLength, QStringLiteral("48"));
    expectComboInStep(s);
}

TEST(DesignListWindow, OpenReadsTheFileAndAFileWithoutTheMarkerChangesNothing)
{
    QTemporaryDir dir;
    StartedWindow s;
    const QString good = dir.filePath(QStringLiteral("pickup.zndl"));
    s.w().DesignListClick(2);
    ASSERT_TRUE(SaveDesign(s.workspace, good, 2).ok);
    s.w().DesignListClick(0);

    s.prompter.openPaths = {good};
    s.w().OpenBtnClick();
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.items[5], QStringLiteral("Pickup"));
    EXPECT_TRUE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(s.workspace.design.Drive, DriveKind::FrontWD);
    expectComboInStep(s);

    const QString foreign = dir.filePath(QStringLiteral("notes.zndl"));
    QFile file(foreign);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x05\x00\x00\x00hello", 9));
    file.close();
    s.prompter.openPaths = {foreign};
    s.prompter.shown.clear();
    s.w().OpenBtnClick();
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5); // the entry stays selected ...
    EXPECT_EQ(s.workspace.design.OuterCount(), 12); // ... with the Pickup it holds
    ASSERT_EQ(s.prompter.messages().size(), 1);
    EXPECT_TRUE(s.prompter.messages()[0].contains(QStringLiteral("notes.zndl")));
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);

    // Cancelling the open dialog changes nothing.
    s.prompter.openPaths = {QString()};
    s.w().OpenBtnClick();
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
}

TEST(DesignListWindow, RenameRevisesRefusesAndRenames)
{
    StartedWindow s;
    s.w().RenameBtnClick();
    ASSERT_EQ(s.prompter.messages().size(), 1);
    EXPECT_EQ(s.prompter.shown.back().caption, QStringLiteral("Sorry"));

    s.w().NewBtnClick();
    s.prompter.inputAnswers = {QString(33, QLatin1Char('x')), QStringLiteral("a/b:c")};
    s.w().RenameBtnClick();
    EXPECT_EQ(s.workspace.list.current().DesignName, QStringLiteral("abc"));
    EXPECT_EQ(s.w().designList()->currentText(), QStringLiteral("abc"));
    const QStringList messages = s.prompter.messages();
    EXPECT_EQ(messages.value(1), ListMessages::NameTooLong());
    EXPECT_EQ(messages.value(2), ListMessages::NameRevised());
}

TEST(DesignListWindow, RemoveAsksAndRemoves)
{
    QTemporaryDir dir;
    StartedWindow s;
    s.w().RemoveBtnClick();
    EXPECT_EQ(s.prompter.messages().value(0), ListMessages::CannotRemove());

    s.w().NewBtnClick();
    s.prompter.confirmAnswers = {Answer::Yes, Answer::No};
    s.prompter.savePaths = {dir.filePath(QStringLiteral("keep.zndl"))};
    s.w().RemoveBtnClick(); // saved as "keep" (a new entry), then not removed
    EXPECT_EQ(s.workspace.list.DesignCount(), 7);

    // The new design itself is still unsaved: leaving it asks again (saved in place this time).
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    s.prompter.confirmAnswers = {Answer::Yes};
    s.prompter.savePaths = {dir.filePath(s.workspace.list.current().DesignName)};
    s.w().DesignListClick(6);
    ASSERT_EQ(s.workspace.list.CurrentDesign, 6);
    EXPECT_EQ(s.workspace.list.DesignCount(), 7);
    // The saved entry asks only the removal question.
    s.prompter.confirmAnswers = {Answer::Yes};
    s.w().RemoveBtnClick();
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_TRUE(s.workspace.list.items.value(5).startsWith(QStringLiteral("Untitled")));
    EXPECT_EQ(s.workspace.list.CurrentDesign, 0);
    expectComboInStep(s);
}

TEST(DesignListWindow, QuitAndCloseRunThePromptAndStayOnCancel)
{
    StartedWindow s;
    s.w().NewBtnClick();
    s.prompter.confirmAnswers = {Answer::Cancel};
    s.w().Quit();
    EXPECT_FALSE(s.w().closing());
    EXPECT_TRUE(s.w().isVisible());

    s.prompter.confirmAnswers = {Answer::Cancel};
    EXPECT_FALSE(s.w().close());
    EXPECT_TRUE(s.w().isVisible());

    s.prompter.confirmAnswers = {Answer::No};
    EXPECT_TRUE(s.w().close());
    EXPECT_TRUE(s.w().closing());
}

TEST(DesignListWindow, QuitOnASavedDesignAsksNothing)
{
    StartedWindow s;
    s.w().Quit();
    EXPECT_TRUE(s.w().closing());
    EXPECT_TRUE(s.prompter.shown.empty());
}

TEST(DesignListWindow, ConvertReadsAnOlderTextFileAndSavesItAgain)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("old car.zndl"));
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        QStringList lines = {QStringLiteral(":::::VersionInformation:::::"), QStringLiteral("3"), QStringLiteral("Old Car"),
                             QStringLiteral("1.5"), QStringLiteral("30"), QStringLiteral("4.80"), QStringLiteral("0.5"),
                             QStringLiteral("7"), QStringLiteral("1.75"), QStringLiteral("0.25"), QStringLiteral("7"),
                             QStringLiteral("1")};
        for (int i = 0; i < 8; ++i)
            lines << QStringLiteral("0");
        lines << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0");
        lines << QStringLiteral("9") << QStringLiteral("4.0") << QStringLiteral("0.05") << QStringLiteral("14")
              << QStringLiteral("10");
        lines << QStringLiteral("4") << QStringLiteral("720") << QStringLiteral("540") << QStringLiteral("0")
              << QStringLiteral("216") << QStringLiteral("0") << QStringLiteral("540") << QStringLiteral("0")
              << QStringLiteral("540");
        lines << QStringLiteral("0");                                       // inner count: a copy of the outer
        lines << QStringLiteral("1") << QStringLiteral("300") << QStringLiteral("400") << QStringLiteral("0.25");
        lines << QStringLiteral("1.59722220897675") << QStringLiteral("0.347222208976746") << QStringLiteral("115")
              << QStringLiteral("25");
        file.write(lines.join(QLatin1Char('\n')).toUtf8() + "\n");
    }
    StartedWindow s;
    s.other = [](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Convert to 4.1 file format"));
        return int(QDialog::Accepted);
    };
    const QString saved = dir.filePath(QStringLiteral("Old Car.zndl"));
    s.prompter.openPaths = {text};
    s.prompter.savePaths = {saved};
    s.w().ConvertFile();
    ASSERT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.items[5], QStringLiteral("Old Car"));
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    EXPECT_EQ(s.workspace.design.SpringLength, QStringLiteral("30"));
    EXPECT_EQ(s.workspace.design.InnerCount(), 4);
    EXPECT_EQ(s.workspace.list.current().DesignPath, saved);
    const QByteArray bytes = test::contentOf(saved);
    EXPECT_TRUE(bytes.startsWith(QByteArray("\x1c\x00\x00\x00:::::VersionInformation:::::\x03\x00\x00\x00", 36)));
    expectComboInStep(s);

    // Cancel in the dialog does nothing at all.
    s.other = [](QDialog &) { return int(QDialog::Rejected); };
    s.prompter.shown.clear();
    s.w().ConvertFile();
    EXPECT_TRUE(s.prompter.shown.empty());
}

TEST(DesignListWindow, AfterRemoveTheSheetFieldsAndListShowTheSelectedDesign)
{
    QTemporaryDir dir;
    StartedWindow s;
    MainWindow &w = s.w();
    const QImage defaultSheet = w.image()->canvas().copy();
    QLineEdit *springWidth = w.findChild<QLineEdit *>(QStringLiteral("SpringWidthEF"));
    ASSERT_NE(springWidth, nullptr);
    const QString defaultWidth = springWidth->text();

    // The Racer saved as a design of its own, opened, then removed.
    w.DesignListClick(1);
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Mine.zndl"))};
    w.SaveBtnClick();
    w.DesignListClick(5);
    ASSERT_EQ(s.workspace.list.CurrentDesign, 5);
    w.SelectPart(5); // the spring
    springWidth->setText(QStringLiteral("2"));
    emit springWidth->textEdited(springWidth->text());
    w.ApplyBtnClick();
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Mine.zndl"))};
    s.prompter.confirmAnswers = {Answer::Yes}; // replace its own file
    w.SaveBtnClick();
    ASSERT_EQ(s.workspace.design.SpringWidth, QStringLiteral("2"));
    s.prompter.confirmAnswers = {Answer::Yes};
    w.RemoveBtnClick();

    expectComboInStep(s);
    EXPECT_EQ(w.designList()->currentText(), QStringLiteral("Default design"));
    EXPECT_EQ(springWidth->text(), defaultWidth);
    EXPECT_EQ(s.workspace.design.SpringWidth, defaultWidth);
    EXPECT_EQ(w.image()->canvas(), defaultSheet);
    EXPECT_EQ(w.CurrentMode(), SheetMode::Design);
}

} // namespace
} // namespace zindle::test
