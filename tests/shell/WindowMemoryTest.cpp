// SPDX-License-Identifier: GPL-3.0-or-later
// What the window keeps between runs and how files reach it: the recent files, the window's
// place and the sheet's colours, files dropped on it or named to it, and the title with the
// design's name.

#include "GuiTestSupport.h"

#include "files/DesignFile.h"
#include "model/BuiltInDesigns.h"
#include "shell/SheetImage.h"

#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QUrl>

namespace zindle::test {
namespace {

// Writes built-in design `slot` to `path` under `name`.
void writeDesign(const QString &path, int slot, const QString &name)
{
    Workspace source;
    BuildBuiltInDesign(source, slot);
    source.list.entries[0].DesignName = name;
    ASSERT_TRUE(SaveDesign(source, path, 0).ok);
}

TEST(WindowMemory, TenRecentFilesNewestFirstEachOnce)
{
    forgetWindowMemory();
    QTemporaryDir dir;
    WindowMemory memory;
    for (int i = 0; i < 12; ++i)
        memory.addRecentFile(dir.filePath(QStringLiteral("car%1.zndl").arg(i)));
    QStringList recent = memory.recentFiles();
    ASSERT_EQ(recent.size(), 10);
    EXPECT_EQ(recent.front(), dir.filePath(QStringLiteral("car11.zndl")));
    EXPECT_EQ(recent.back(), dir.filePath(QStringLiteral("car2.zndl")));
    // Used again, a file moves to the front instead of appearing twice, however it is named.
    memory.addRecentFile(dir.filePath(QStringLiteral("sub/../car5.zndl")));
    recent = memory.recentFiles();
    EXPECT_EQ(recent.size(), 10);
    EXPECT_EQ(recent.front(), dir.filePath(QStringLiteral("car5.zndl")));
    EXPECT_EQ(recent.count(dir.filePath(QStringLiteral("car5.zndl"))), 1);
    // A second store object sees the same list: it is kept, not held.
    EXPECT_EQ(WindowMemory().recentFiles(), recent);
    memory.removeRecentFile(dir.filePath(QStringLiteral("car5.zndl")));
    EXPECT_EQ(memory.recentFiles().size(), 9);
    memory.clearRecentFiles();
    EXPECT_TRUE(WindowMemory().recentFiles().isEmpty());
}

TEST(WindowMemory, TheCutExportChoicesAreKeptAsLocaleFreeTextAndABadValueFallsBackAlone)
{
    forgetWindowMemory();
    WindowMemory().setCutExportChoices({CutMachine::Laser, 0.012, CutColours::RedCutsBlueEngraves, QStringLiteral("500x750mm"), 0.5,
                                        {{QStringLiteral("Balsa 1/8"), 0.006}, {QStringLiteral("Card=Grey"), 0.25}}});
    QSettings store(QStringLiteral("Zindle"), QStringLiteral("zindle"));
    EXPECT_EQ(store.value(QStringLiteral("CutExport/Kerf")).toString(), QStringLiteral("0.012"));
    EXPECT_EQ(store.value(QStringLiteral("CutExport/KerfByMaterial")).toStringList(),
              (QStringList{QStringLiteral("Balsa 1/8=0.006"), QStringLiteral("Card=Grey=0.25")}));
    store.setValue(QStringLiteral("CutExport/Gap"), QStringLiteral("0,5"));
    store.sync();
    const CutExportChoices back = WindowMemory().cutExportChoices();
    EXPECT_EQ(back.machine, CutMachine::Laser);
    EXPECT_EQ(back.kerfIn, 0.012);
    EXPECT_EQ(back.board, QStringLiteral("500x750mm"));
    EXPECT_EQ(back.gapIn, PartGapIn);
    const std::map<QString, double> kerfs{{QStringLiteral("Balsa 1/8"), 0.006}, {QStringLiteral("Card=Grey"), 0.25}};
    EXPECT_EQ(back.kerfByMaterial, kerfs);
    forgetWindowMemory();
}

TEST(WindowMemory, FilesOpenedAndSavedAreOfferedInOpenRecentAndReopenFromThere)
{
    StartedWindow s;
    QTemporaryDir dir;
    const QString pickup = dir.filePath(QStringLiteral("Pickup Two.zndl"));
    writeDesign(pickup, 2, QStringLiteral("Pickup Two"));
    auto *menu = s.w().findChild<QMenu *>(QStringLiteral("OpenRecentMenu"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("No recent files"));
    EXPECT_FALSE(menu->actions().front()->isEnabled());

    s.prompter.openPaths.push_back(pickup);
    s.w().OpenBtnClick();
    // Saving the Racer under a name of its own is a file used too.
    s.w().DesignListClick(1);
    const QString racer = dir.filePath(QStringLiteral("My Racer.zndl"));
    s.prompter.savePaths.push_back(racer);
    s.w().SaveBtnClick();
    EXPECT_EQ(s.w().memory().recentFiles(), QStringList({racer, pickup}));

    emit menu->aboutToShow();
    QAction *first = menu->findChild<QAction *>(QStringLiteral("RecentFile1"));
    QAction *second = menu->findChild<QAction *>(QStringLiteral("RecentFile2"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), QStringLiteral("&1  ") + QDir::toNativeSeparators(racer));
    EXPECT_TRUE(menu->findChild<QAction *>(QStringLiteral("ClearRecentPos")));

    const int before = s.workspace.list.DesignCount();
    second->trigger();
    EXPECT_EQ(s.workspace.list.DesignCount(), before + 1);
    EXPECT_EQ(s.workspace.list.current().DesignName, QStringLiteral("Pickup Two"));
    EXPECT_EQ(s.workspace.design.Drive, DriveKind::FrontWD);
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Pickup Two - Zindle 4.1"));
    EXPECT_EQ(s.w().memory().recentFiles().front(), pickup);

    // A file gone since is said so and leaves the list; the design in memory stays.
    emit menu->aboutToShow();
    ASSERT_TRUE(QFile::remove(racer));
    menu->findChild<QAction *>(QStringLiteral("RecentFile2"))->trigger();
    ASSERT_EQ(s.prompter.messages().size(), 1);
    EXPECT_TRUE(s.prompter.messages().front().contains(QStringLiteral("is no longer there")));
    EXPECT_EQ(s.prompter.shown.back().caption, QStringLiteral("File not found"));
    EXPECT_EQ(s.w().memory().recentFiles(), QStringList({pickup}));
    EXPECT_EQ(s.workspace.list.current().DesignName, QStringLiteral("Pickup Two"));
}

TEST(WindowMemory, DroppedDesignFilesOpenAndOtherFilesAreRefused)
{
    StartedWindow s;
    QTemporaryDir dir;
    const QString wheelie = dir.filePath(QStringLiteral("Wheelie Two.zndl"));
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    writeDesign(wheelie, 4, QStringLiteral("Wheelie Two"));
    QFile(notes).open(QIODevice::WriteOnly);
    EXPECT_TRUE(s.w().acceptDrops());

    auto drop = [&s](const QStringList &files, QEvent::Type type) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        if (type == QEvent::DragEnter) {
            QDragEnterEvent event(QPoint(100, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&s.w(), &event);
            return event.isAccepted();
        }
        QDropEvent event(QPointF(100, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s.w(), &event);
        return event.isAccepted();
    };
    // Only a drag that brings a design file is taken; the drop follows an accepted enter.
    EXPECT_FALSE(drop({notes}, QEvent::DragEnter));
    const int before = s.workspace.list.DesignCount();
    EXPECT_TRUE(drop({notes, wheelie}, QEvent::DragEnter));
    EXPECT_TRUE(drop({notes, wheelie}, QEvent::Drop));
    EXPECT_EQ(s.workspace.list.DesignCount(), before + 1);
    EXPECT_EQ(s.workspace.list.current().DesignName, QStringLiteral("Wheelie Two"));
    EXPECT_TRUE(s.workspace.list.current().DesignSaved);

    // Dropped on a changed design, the file waits for the unsaved-changes prompt; Cancel keeps all.
    s.w().NewBtnClick();
    const int afterNew = s.workspace.list.DesignCount();
    s.prompter.confirmAnswers.push_back(Answer::Cancel);
    EXPECT_FALSE(s.w().OpenDesignFile(wheelie));
    EXPECT_EQ(s.workspace.list.DesignCount(), afterNew);
    EXPECT_TRUE(s.workspace.list.current().DesignName.startsWith(QStringLiteral("Untitled design ")));
}

TEST(WindowMemory, FilesNamedToTheProgramOpenInOrderFromItsFolder)
{
    StartedWindow s;
    QTemporaryDir dir;
    writeDesign(dir.filePath(QStringLiteral("One.zndl")), 1, QStringLiteral("One"));
    writeDesign(dir.filePath(QStringLiteral("Two.zndl")), 3, QStringLiteral("Two"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    // Relative names are the working folder's; options are not files.
    s.w().OpenNamedFiles({QStringLiteral("-style=fusion"), QStringLiteral("One.zndl"), QStringLiteral("Two.zndl")});
    QDir::setCurrent(before);
    EXPECT_EQ(s.workspace.list.items.mid(5), QStringList({QStringLiteral("One"), QStringLiteral("Two")}));
    EXPECT_EQ(s.workspace.list.current().DesignName, QStringLiteral("Two"));
    EXPECT_EQ(s.workspace.list.current().DesignPath, dir.filePath(QStringLiteral("Two.zndl")));
    EXPECT_TRUE(s.prompter.messages().isEmpty());
    // A name that is no file says so and ends the list.
    s.w().OpenNamedFiles({dir.filePath(QStringLiteral("missing.zndl")), dir.filePath(QStringLiteral("One.zndl"))});
    EXPECT_EQ(s.prompter.messages().size(), 1);
    EXPECT_EQ(s.workspace.list.DesignCount(), 7);
}

TEST(WindowMemory, TheFirstStartFillsTheScreenAndLaterOnesComeBackWhereTheWindowWasLeft)
{
    forgetWindowMemory();
    QRect left;
    {
        StartedWindow first;
        EXPECT_TRUE(first.w().windowState() & Qt::WindowMaximized);
        first.w().setWindowState(Qt::WindowNoState);
        first.w().setGeometry(120, 90, 900, 640);
        QApplication::processEvents();
        left = first.w().geometry();
        ASSERT_TRUE(first.w().close()); // the design is saved: nothing to ask
    }
    // The next window, as the next run of the program makes it.
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    MainWindow window(workspace, workers, prompter);
    window.modalRunner = [](QDialog &dialog) {
        qobject_cast<AboutDialog *>(&dialog)->Dismiss();
        return 1;
    };
    window.ShowStartUpWindow();
    ASSERT_TRUE(window.started());
    EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.geometry().size(), left.size());
    EXPECT_EQ(window.geometry().topLeft(), left.topLeft());
    window.hide();
}

TEST(WindowMemory, TheHighContrastSheetPaintsFromTheNextRefreshAndIsKeptForTheNextRun)
{
    {
        StartedWindow s;
        QImage &sheet = s.w().image()->canvas();
        const QPoint corner(2, sheet.height() - 2); // background, beside the paper
        EXPECT_EQ(sheet.pixelColor(corner), QColor(0, 170, 255));
        QAction *item = s.w().action(QStringLiteral("HighContrastSheetPos"));
        ASSERT_TRUE(item->isCheckable());
        item->trigger();
        EXPECT_EQ(sheet.pixelColor(corner), QColor(0, 170, 255)); // nothing repainted yet
        s.w().RefreshMode(0, 0, SheetMode::Design);
        EXPECT_EQ(s.w().image()->canvas().pixelColor(corner), QColor(Qt::white));
    }
    // The next run starts with it, the item checked.
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    MainWindow window(workspace, workers, prompter);
    EXPECT_TRUE(workspace.highContrastSheet);
    EXPECT_TRUE(window.action(QStringLiteral("HighContrastSheetPos"))->isChecked());
    window.action(QStringLiteral("HighContrastSheetPos"))->trigger();
    EXPECT_FALSE(WindowMemory().highContrastSheet());
}

TEST(WindowMemory, TheTitleNamesTheDesignAndMarksItChanged)
{
    StartedWindow s;
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Default design - Zindle 4.1"));
    s.w().DriveButtonClick(DriveKind::FrontWD);
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Default design* - Zindle 4.1"));
    s.w().Undo();
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Default design - Zindle 4.1"));
    s.w().NewBtnClick();
    const QString name = s.workspace.list.current().DesignName;
    EXPECT_EQ(s.w().windowTitle(), name + QStringLiteral("* - Zindle 4.1"));
    // Answering No drops the new design; the list then shows the Default design, and from
    // there the Racer.
    s.prompter.confirmAnswers.push_back(Answer::No);
    s.w().DesignListClick(1);
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Default design - Zindle 4.1"));
    s.w().DesignListClick(1);
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Racer - Zindle 4.1"));
    // A tool that marks the design changed shows it at once.
    QTest::mouseClick(s.w().findChild<QWidget *>(QStringLiteral("AddWeightBtn")), Qt::LeftButton);
    EXPECT_EQ(s.w().windowTitle(), QStringLiteral("Racer* - Zindle 4.1"));
}

// The language chosen in Setup is kept for the next start, which is when it takes over.
TEST(WindowMemory, TheLanguageChosenInSetupIsKeptForTheNextStart)
{
    StartedWindow s;
    EXPECT_TRUE(s.w().action(QStringLiteral("Language_desktop"))->isChecked());
    s.w().action(QStringLiteral("Language_es"))->trigger();
    EXPECT_EQ(WindowMemory().language(), QStringLiteral("es"));
    EXPECT_EQ(s.prompter.messages(), QStringList{QString::fromUtf8("Zindle speaks Espa\u00f1ol from its next start.")});
    s.w().action(QStringLiteral("Language_desktop"))->trigger();
    EXPECT_EQ(WindowMemory().language(), QString());
}

} // namespace
} // namespace zindle::test
