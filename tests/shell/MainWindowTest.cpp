// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestSupport.h"

#include "app/DesignListOps.h"

#include "dialogs/ConvertDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "files/DesignFile.h"
#include "shell/DesignPanel.h"
#include "shell/SheetEditing.h"
#include "shell/SheetImage.h"
#include "sheet/EmptySheet.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace zindle::test {
namespace {

bool shown(MainWindow &w, const char *name)
{
    QWidget *widget = w.findChild<QWidget *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget && widget->isVisibleTo(&w);
}

QColor panelColour(MainWindow &w, const char *name)
{
    return w.findChild<QWidget *>(QLatin1String(name))->palette().color(QPalette::Window);
}

TEST(StartUp, AboutWindowComesFirstAndItsDismissalBringsUpDesignMode)
{
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    RefreshLog refreshes;
    MainWindow window(workspace, workers, prompter);
    window.setObserver(&refreshes);
    EXPECT_FALSE(window.started());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zindle 4.1"));

    // The version label dismisses the window just like "Start designing".
    window.modalRunner = [](QDialog &dialog) {
        auto *about = qobject_cast<AboutDialog *>(&dialog);
        EXPECT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About Zindle"));
        EXPECT_FALSE(about->windowFlags() & Qt::WindowCloseButtonHint);
        emit about->findChild<ClickLabel *>(QStringLiteral("Label1"))->clicked();
        return about->result();
    };
    window.ShowStartUpWindow();
    ASSERT_TRUE(window.started());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.CurrentMode(), SheetMode::Design);
    EXPECT_EQ(window.designList()->count(), 5);
    EXPECT_EQ(window.designList()->itemText(0), QStringLiteral("Default design"));
    EXPECT_EQ(window.designList()->currentIndex(), 0);
    EXPECT_EQ(workspace.design.OuterCount(), 4);
    EXPECT_TRUE(shown(window, "SetStatePanel"));
    EXPECT_FALSE(shown(window, "BuildStatePanel"));
    EXPECT_EQ(window.findChild<QComboBox *>(QStringLiteral("PartNameBox"))->currentText(),
              QStringLiteral("Outer layer"));
    EXPECT_TRUE(window.findChild<QToolButton *>(QStringLiteral("RWDBtn"))->isChecked());
    EXPECT_TRUE(window.findChild<QToolButton *>(QStringLiteral("VPSetBtn"))->isChecked());
    EXPECT_EQ(refreshLog(window), std::vector<SheetMode>{SheetMode::Design});
    EXPECT_EQ(window.backgroundColor(), QColor(0, 170, 255));
    EXPECT_GT(workspace.scale.ScreenScale, 0.0f);
    EXPECT_FALSE(workspace.results.CaseIDEF.isEmpty()); // the build step ran
}

TEST(StartUp, TheRealModalAboutWindowStartsTheProgramOnStartDesigning)
{
    Workspace workspace;
    WorkerPool workers;
    ScriptedPrompter prompter;
    forgetWindowMemory();
    MainWindow window(workspace, workers, prompter);
    QTimer::singleShot(0, &window, [&window] {
        EXPECT_TRUE(window.aboutDialog()->isVisible());
        window.aboutDialog()->startButton()->click();
    });
    window.ShowStartUpWindow(); // runs the dialog's own event loop
    EXPECT_TRUE(window.started());
    EXPECT_FALSE(window.aboutDialog()->isVisible());
    EXPECT_EQ(window.CurrentMode(), SheetMode::Design);
}

TEST(StartUp, SecondDismissalOfTheAboutWindowKeepsTheDesignEnvironment)
{
    StartedWindow s;
    s.prompter.confirmAnswers = {};
    s.w().DesignListClick(1); // Racer; the default design is saved, so no prompt
    ASSERT_EQ(s.workspace.list.CurrentDesign, 1);
    const auto outline = s.workspace.design.OuterPts;
    const size_t refreshes = refreshLog(s.w()).size();
    s.w().ShowAbout();
    EXPECT_EQ(s.workspace.list.CurrentDesign, 1);
    EXPECT_EQ(s.workspace.design.OuterPts, outline);
    EXPECT_EQ(refreshLog(s.w()).size(), refreshes);
    EXPECT_EQ(s.w().designList()->count(), 5);
}

TEST(Modes, EachEntryShowsItsPanelPressesItsButtonAndRefreshesItsMode)
{
    StartedWindow s;
    MainWindow &w = s.w();
    struct Case {
        void (MainWindow::*enter)();
        SheetMode mode;
        const char *panel, *button;
    };
    const Case cases[] = {
        {&MainWindow::VPBuild, SheetMode::Build, "BuildStatePanel", "VPBuildBtn"},
        {&MainWindow::VPProperties, SheetMode::Analyze, "PropStatePanel", "VPPropBtn"},
        {&MainWindow::VPDynamic, SheetMode::Simulate, "DynamicStatePanel", "VPDynPerfBtn"},
        {&MainWindow::VPRace, SheetMode::Race, "RaceStatePanel", "VPRaceBtn"},
        {&MainWindow::VPPreview, SheetMode::Preview, "PreviewStatePanel", "VPPreviewBtn"},
        {&MainWindow::VPSet, SheetMode::Design, "SetStatePanel", "VPSetBtn"},
    };
    const char *panels[] = {"SetStatePanel", "BuildStatePanel", "PropStatePanel", "DynamicStatePanel",
                            "RaceStatePanel", "PreviewStatePanel"};
    for (const Case &c : cases) {
        (w.*c.enter)();
        EXPECT_EQ(w.CurrentMode(), c.mode);
        EXPECT_EQ(refreshLog(w).back(), c.mode);
        EXPECT_TRUE(w.findChild<QToolButton *>(QLatin1String(c.button))->isChecked()) << c.button;
        for (const char *panel : panels)
            EXPECT_EQ(shown(w, panel), QLatin1String(panel) == QLatin1String(c.panel)) << c.panel << " / " << panel;
        const QColor tools = panelColour(w, "SetStateToolPanel");
        EXPECT_EQ(tools, c.mode == SheetMode::Design ? QColor(0, 170, 255) : QColor(192, 192, 192)) << ModeNumber(c.mode);
        EXPECT_EQ(panelColour(w, "DriveBox"), tools);
    }
    EXPECT_TRUE(shown(w, "ElementSizeGroupBox") == false);
    w.VPProperties();
    EXPECT_TRUE(shown(w, "ElementSizeGroupBox"));
    EXPECT_FALSE(s.workspace.results.ProjectedMassEF.isEmpty());
    EXPECT_EQ(w.findChild<QLineEdit *>(QStringLiteral("ProjectedMassEF"))->text(),
              s.workspace.results.ProjectedMassEF);
}

TEST(Modes, PressingTheActiveModeRefreshesAgainAndSwitchingResetsTheCounters)
{
    StartedWindow s;
    MainWindow &w = s.w();
    // The start-up maximise arrives first (the Build drawing processes events between stages).
    QApplication::processEvents();
    std::vector<SheetMode> expected = refreshLog(w);
    expected.insert(expected.end(), {SheetMode::Build, SheetMode::Build});
    w.VPBuild();
    w.PreviewIndex = 4;
    w.HighlightedPart = 3;
    w.VPBuild(); // the switch does nothing, the refresh runs
    EXPECT_EQ(refreshLog(w), expected);
    EXPECT_EQ(w.PreviewIndex, 4);
    w.SwitchMode(SheetMode::Build, SheetMode::Analyze);
    EXPECT_EQ(w.PreviewIndex, 1);
    EXPECT_EQ(w.HighlightedPart, -1);
    EXPECT_EQ(w.SimulateStep, 0);
    EXPECT_EQ(w.Built3DStage, 0);
}

TEST(Modes, EnteringSimulateResetsTheElementSize)
{
    StartedWindow s;
    s.workspace.design.StepSize = QStringLiteral("18");
    s.w().VPDynamic();
    EXPECT_EQ(s.workspace.design.StepSize, QStringLiteral("9"));
    EXPECT_EQ(s.w().SimulateStep, 1);
    EXPECT_EQ(s.w().findChild<QLineEdit *>(QStringLiteral("StepSizeEF"))->text(), QStringLiteral("9"));
    EXPECT_FALSE(s.workspace.results.TimeEF.isEmpty());
}

TEST(Modes, PrintTemplatesShowsThePrintOptionsAndLeavesTheSheet)
{
    StartedWindow s;
    MainWindow &w = s.w();
    const QImage before = w.image()->canvas().copy();
    const size_t refreshes = refreshLog(w).size();
    w.action(QStringLiteral("PrintTemplatesPos"))->trigger();
    EXPECT_EQ(w.CurrentMode(), SheetMode::Print);
    EXPECT_TRUE(w.paperPrototype()->isVisible());
    EXPECT_EQ(w.paperPrototype()->windowTitle(), QStringLiteral("Paper Prototype"));
    EXPECT_EQ(refreshLog(w).size(), refreshes);
    EXPECT_EQ(w.image()->canvas(), before);
    EXPECT_EQ(panelColour(w, "SetStateToolPanel"), QColor(192, 192, 192));
}

TEST(Modes, ResizingInPrintTemplatesReturnsToDesign)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPPrint();
    w.WindowResized();
    EXPECT_EQ(w.CurrentMode(), SheetMode::Design);
    EXPECT_EQ(refreshLog(w).back(), SheetMode::Design);
    EXPECT_TRUE(shown(w, "SetStatePanel"));
}

TEST(Modes, SelectingAnotherDesignInBuildReturnsToDesign)
{
    StartedWindow s;
    s.w().VPBuild();
    s.w().DesignListClick(2); // Pickup
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 2);
    EXPECT_TRUE(s.w().findChild<QToolButton *>(QStringLiteral("FWDBtn"))->isChecked());
    s.w().DesignListClick(3);
    EXPECT_TRUE(s.w().findChild<QToolButton *>(QStringLiteral("RWDBtn"))->isChecked());
}

TEST(Modes, CloseInTheFileMenuClosesTheDesignAsRemoveDoes)
{
    StartedWindow s;
    s.w().action(QStringLiteral("ClosePos"))->trigger(); // a built-in design stays
    EXPECT_EQ(s.prompter.shown.back().text, ListMessages::CannotRemove());
    s.w().NewBtnClick();
    s.prompter.confirmAnswers = {Answer::No}; // not saved: it goes
    s.w().action(QStringLiteral("ClosePos"))->trigger();
    EXPECT_EQ(s.workspace.list.DesignCount(), 5);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 0);
    EXPECT_TRUE(s.w().isVisible());
}

TEST(Modes, PreviewStartsAtTheFirstTemplateAndStepsThroughThem)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.DesignListClick(1); // the Racer: 2 outer and 4 inner layers
    w.VPPreview();
    auto *label = w.findChild<QLabel *>(QStringLiteral("PreviewLabel"));
    auto *step = w.findChild<QToolButton *>(QStringLiteral("StepPVBtn"));
    auto *rewind = w.findChild<QToolButton *>(QStringLiteral("RewindPvBtn"));
    EXPECT_EQ(label->text(), QStringLiteral("1 of 6"));
    EXPECT_TRUE(step->isEnabled());
    EXPECT_FALSE(rewind->isEnabled());
    for (int i = 0; i < 7; ++i)
        w.StepPVBtnClick();
    EXPECT_EQ(label->text(), QStringLiteral("6 of 6"));
    EXPECT_FALSE(step->isEnabled());
    EXPECT_TRUE(rewind->isEnabled());
    w.RewindPvBtnClick();
    EXPECT_EQ(label->text(), QStringLiteral("1 of 6"));
    // Any mode switch starts the preview over.
    w.StepPVBtnClick();
    w.VPSet();
    EXPECT_EQ(w.PreviewIndex, 1);
}

TEST(Menus, ItemsKeysAndSeparators)
{
    StartedWindow s;
    QMenuBar *bar = s.w().menuBar();
    QStringList layout, mnemonics;
    for (QAction *menuAction : bar->actions()) {
        QStringList items;
        for (QAction *item : menuAction->menu()->actions()) {
            QString text = item->isSeparator() ? QStringLiteral("-") : item->text();
            if (!item->shortcut().isEmpty())
                text += QLatin1Char('[') + item->shortcut().toString() + QLatin1Char(']');
            items << text;
        }
        layout << QString(menuAction->text()).remove(QLatin1Char('&')) + QStringLiteral(": ") + items.join(QStringLiteral(" | "));
        mnemonics << QKeySequence::mnemonic(menuAction->text()).toString();
    }
    EXPECT_EQ(mnemonics, QStringList({"Alt+F", "Alt+E", "Alt+S", "Alt+M", "Alt+H"}));
    s.w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.w()));
    QTest::keyClick(&s.w(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(bar->actions().value(0)->menu()->isVisible());
    bar->actions().value(0)->menu()->close();
    EXPECT_EQ(layout.value(0), QStringLiteral("File: &Open Car File...[Ctrl+O] | Open &Recent | - | Open C&hallenge... | Close Challen&ge | "
                                              "Ne&w Challenge... | Ed&it Challenge... | - | Con&vert file... | &Close[Ctrl+W] | "
                                              "&Save...[Ctrl+S] | &Print...\tCtrl+P | &Export templates... | E&xport run... | C&lass results... | Race &Day... | - | Re&name... | Re&move... | - | &Quit[Alt+F4]"));
    EXPECT_EQ(layout.value(1), QStringLiteral("Edit: Undo[Ctrl+Z] | Redo[Ctrl+Shift+Z] | - | &Points..."));
    EXPECT_EQ(s.w().action(QStringLiteral("RedoPos"))->shortcuts(),
              QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_EQ(layout.value(2), QStringLiteral("Setup: Define &Materials...[Ctrl+M] | - | &Preferences... | Choose &Background Color... | "
                                              "&High-Contrast Sheet | - | &Language"));
    EXPECT_EQ(layout.value(3), QStringLiteral("Modes: &Design[F1] | - | &Build[F2] | &Analyze[F3] | &Simulate[F4] | &Race[F5] | - | "
                                              "Pre&view Templates[F6] | &Print Templates...[Ctrl+P] | - | Po&wer Designer... | "
                                              "Opti&miser... | Results &in Detail...[Ctrl+I] | R&un Charts...[Ctrl+R] | Race &Chart...[Ctrl+Shift+R] | &Test Runs...[Ctrl+T] | &Journal...[Ctrl+J] | - | "
                                              "&Energy...[Ctrl+E] | W&hat If...[Ctrl+Shift+W] | Se&nsitivity... | Build T&olerances..."));
    EXPECT_EQ(layout.value(4), QStringLiteral("Help: Zindle Discussion &Forum | Zindle &Help in your web browser | Zindle Home &Page | - | "
                                              "&About Zindle 4.1... | &Check for latest version..."));
}

TEST(Menus, HelpItemsOpenTheirPagesAndAFailedLaunchSaysNothing)
{
    StartedWindow s;
    for (const char *name : {"OnlineDiscussionForum1", "HelpWebSite1", "ZindleHomePage1", "Checkforlatestversion1"})
        s.w().action(QLatin1String(name))->trigger();
    ASSERT_EQ(s.urls.size(), 4u);
    EXPECT_TRUE(s.urls[0].endsWith(QStringLiteral("/forum/index.html")));
    EXPECT_TRUE(s.urls[1].endsWith(QStringLiteral("/help/help/index.html")));
    EXPECT_TRUE(s.urls[2].endsWith(QStringLiteral("/help/index.html")));
    EXPECT_TRUE(s.urls[3].endsWith(QStringLiteral("/download.html")));
    for (const QString &url : s.urls)
        EXPECT_TRUE(QFileInfo::exists(QUrl(url).toLocalFile())) << url.toStdString();
    EXPECT_TRUE(s.prompter.shown.empty()); // the launcher failed every time, silently
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
}

TEST(Background, PanelsChangeAtOnceAndTheSheetAtItsNextRedraw)
{
    StartedWindow s;
    MainWindow &w = s.w();
    QColor proposed;
    w.colorChooser = [&proposed](const QColor &initial) {
        proposed = initial;
        return std::optional<QColor>(QColor(255, 255, 0));
    };
    const QImage &canvas = w.image()->canvas();
    const QPoint corner(2, canvas.height() - 2);
    ASSERT_EQ(canvas.pixelColor(corner), QColor(0, 170, 255));
    w.action(QStringLiteral("ChooseBackgroundColor1"))->trigger();
    EXPECT_EQ(proposed, QColor(0, 170, 255));
    EXPECT_EQ(panelColour(w, "SetStatePanel"), QColor(255, 255, 0));
    EXPECT_EQ(panelColour(w, "PreviewStatePanel"), QColor(255, 255, 0));
    EXPECT_EQ(w.image()->canvas().pixelColor(corner), QColor(0, 170, 255));
    w.VPSet();
    EXPECT_EQ(w.image()->canvas().pixelColor(corner), QColor(255, 255, 0));
    // The dialog proposes the program's colour again, not the current one; cancelling keeps it.
    w.colorChooser = [&proposed](const QColor &initial) {
        proposed = initial;
        return std::optional<QColor>();
    };
    w.ChooseBackgroundColor();
    EXPECT_EQ(proposed, QColor(0, 170, 255));
    EXPECT_EQ(w.backgroundColor(), QColor(255, 255, 0));
}

TEST(Window, MinimumSizeAndResizeRecomputesTheScale)
{
    StartedWindow s;
    EXPECT_EQ(s.w().minimumSize(), QSize(540, 440));
    s.w().setWindowState(Qt::WindowNoState);
    s.w().resize(540, 440);
    QApplication::processEvents();
    const float small = s.workspace.scale.ScreenScale;
    s.w().resize(1000, 760);
    QApplication::processEvents();
    EXPECT_GT(s.workspace.scale.ScreenScale, small);
    EXPECT_EQ(refreshLog(s.w()).back(), SheetMode::Design);
}

} // namespace
} // namespace zindle::test

namespace zindle::test {
namespace {

TEST(DesignPanel, ApplyTakesValidSizesAndRefusesOthersWithTheFieldRestored)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.SelectPart(6); // drive axle
    QLineEdit *dia = w.parameterField(6, false);
    ASSERT_NE(dia, nullptr);
    EXPECT_EQ(dia->objectName(), QStringLiteral("DriveAxleDiaEF"));
    EXPECT_TRUE(dia->isVisibleTo(&w));
    EXPECT_FALSE(w.parameterField(7, false)->isVisibleTo(&w));

    const size_t refreshes = refreshLog(w).size();
    dia->setText(QStringLiteral("2.01"));
    emit dia->textEdited(dia->text());
    w.ApplyBtnClick();
    EXPECT_EQ(s.prompter.messages().value(0),
              QStringLiteral("The drive axle diameter must be positive, greater than zero, and no more than 2 inches."));
    EXPECT_EQ(dia->text(), QStringLiteral("0.5"));
    EXPECT_EQ(refreshLog(w).size(), refreshes);

    dia->setText(QStringLiteral("0.75"));
    emit dia->textEdited(dia->text());
    w.ApplyBtnClick();
    EXPECT_EQ(s.workspace.design.DriveAxleDia, QStringLiteral("0.75"));
    EXPECT_EQ(s.workspace.design.RArborDia, QStringLiteral("0.75"));
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(refreshLog(w).size(), refreshes + 1);
    EXPECT_FALSE(w.findChild<QPushButton *>(QStringLiteral("ApplyBtn"))->isEnabled());
}

TEST(DesignPanel, ChoosingADriveButtonChangesTheDesignAndRedraws)
{
    StartedWindow s;
    const size_t refreshes = refreshLog(s.w()).size();
    s.w().findChild<QToolButton *>(QStringLiteral("FWDBtn"))->click();
    EXPECT_EQ(s.workspace.design.Drive, DriveKind::FrontWD);
    EXPECT_FALSE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(refreshLog(s.w()).size(), refreshes + 1);
    // Leaving Design disables the drive buttons and hides the part controls.
    s.w().VPBuild();
    EXPECT_FALSE(s.w().findChild<QToolButton *>(QStringLiteral("RWDBtn"))->isEnabled());
    EXPECT_FALSE(s.w().findChild<QToolButton *>(QStringLiteral("DrawOuterBtn"))->isEnabled());
}

// Every caption of the strips above the sheet is whole and inside the window.
void expectNothingCut(MainWindow &w, const QSize &size)
{
    for (const char *strip : {"ProcessPanel", "DesignStatePanel"}) {
        QWidget *panel = w.findChild<QWidget *>(QLatin1String(strip));
        for (QWidget *widget : panel->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(&w))
                continue;
            int needed = 0;
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                needed = button->sizeHint().width();
            else if (auto *label = qobject_cast<QLabel *>(widget); label && !label->wordWrap())
                needed = label->sizeHint().width();
            else
                continue;
            EXPECT_GE(widget->width(), needed) << widget->objectName().toStdString() << " at " << size.width();
            EXPECT_LE(widget->mapTo(&w, QPoint(widget->width(), 0)).x(), w.width())
                << widget->objectName().toStdString() << " at " << size.width();
        }
    }
}

TEST(MainWindowLayout, ToolRowStaysPutInEveryToolStateAndNothingIsCutAtTheSmallestWindow)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    auto *panel = w.findChild<DesignPanel *>();
    const char *watched[] = {"DrawOuterBtn", "DrawInnerBtn", "FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn",
                             "RWDBtn", "FWDBtn", "AWDBtn"};
    const auto places = [&] {
        std::vector<QRect> rects;
        for (const char *name : watched) {
            QWidget *widget = w.findChild<QWidget *>(QLatin1String(name));
            rects.emplace_back(widget->mapTo(&w, QPoint(0, 0)), widget->size());
        }
        return rects;
    };
    for (const QSize size : {QSize(1600, 1000), QSize(1000, 700), QSize(540, 440)}) {
        w.resize(size);
        QApplication::processEvents();
        ASSERT_EQ(w.size(), size);
        const std::vector<QRect> idle = places();
        expectNothingCut(w, size);
        for (int part = 0; part < PartCount; ++part) {
            w.SelectPart(part);
            QApplication::processEvents();
            expectNothingCut(w, size);
        }
        for (const char *tool : {"FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn", "DrawOuterBtn"}) {
            w.findChild<QToolButton *>(QLatin1String(tool))->click();
            QApplication::processEvents();
            EXPECT_TRUE(panel->sheetEditing().toolActive()) << tool;
            EXPECT_EQ(places(), idle) << tool << " at " << size.width();
            expectNothingCut(w, size);
            panel->sheetEditing().resetToolStates();
            QApplication::processEvents();
        }
        // The sheet starts below the strips, whatever their height.
        const QWidget *states = w.findChild<QWidget *>(QStringLiteral("StateArea"));
        EXPECT_GE(w.image()->mapTo(&w, QPoint(0, 0)).y(), states->mapTo(&w, QPoint(0, states->height())).y());
    }
}

} // namespace
} // namespace zindle::test
