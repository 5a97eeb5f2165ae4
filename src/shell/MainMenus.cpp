// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenus.h"

#include "dialogs/ClassResultsDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/RaceDayWindow.h"

#include "ChartViews.h"
#include "LanguageMenu.h"
#include "MainWindow.h"
#include "OptimiserView.h"
#include "WhatIfView.h"
#include "SensitivityView.h"
#include "TolerancesView.h"
#include "TestRunsView.h"
#include "JournalView.h"
#include "WindowRefreshHooks.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MainMenus)
};

} // namespace

void buildMainMenus(MainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto add = [&window](QMenu *menu, const QString &name, const QString &text, const QKeySequence &key,
                          auto slot) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        QObject::connect(action, &QAction::triggered, &window, slot);
        return action;
    };

    // Each title has its Alt key (Alt+F opens File), so the whole menu bar works without a mouse.
    QMenu *file = bar->addMenu(Texts::tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    add(file, QStringLiteral("OpenPos"), Texts::tr("&Open Car File..."), QKeySequence(Qt::CTRL | Qt::Key_O),
        [&window] { window.OpenBtnClick(); });
    // The design files used last; listed afresh each time the menu opens.
    QMenu *recent = file->addMenu(Texts::tr("Open &Recent"));
    recent->setObjectName(QStringLiteral("OpenRecentMenu"));
    recent->menuAction()->setObjectName(QStringLiteral("OpenRecentPos"));
    QObject::connect(recent, &QMenu::aboutToShow, &window, [&window, recent] { window.fillRecentMenu(recent); });
    window.fillRecentMenu(recent);
    add(file, QStringLiteral("ConvertPos"), Texts::tr("Con&vert file..."), {}, [&window] { window.ConvertFile(); });
    // Closing a design takes it off the list, asking to save it first, as Remove does.
    add(file, QStringLiteral("ClosePos"), Texts::tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W),
        [&window] { window.RemoveBtnClick(); });
    add(file, QStringLiteral("SavePos"), Texts::tr("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S),
        [&window] { window.SaveBtnClick(); });
    // Ctrl+P belongs to "Print Templates..." as well; one key can only have one action, and both
    // items do the same, so this one shows the key without owning it.
    add(file, QStringLiteral("PrintPos"), Texts::tr("&Print...\tCtrl+P"), {}, [&window] { window.VPPrint(); });
    add(file, QStringLiteral("ExportTemplatesPos"), Texts::tr("&Export templates..."), {},
        [&window] { window.paperPrototype()->ExportCutFiles(); });
    add(file, QStringLiteral("ExportRunPos"), Texts::tr("E&xport run..."), {}, [&window] { window.ExportRunFile(); });
    add(file, QStringLiteral("ClassResultsPos"), Texts::tr("C&lass results..."), {}, [&window] {
        const QString folder = QFileDialog::getExistingDirectory(&window, Texts::tr("Class results"));
        if (folder.isEmpty())
            return;
        auto *dialog = new ClassResultsDialog(window.workers(), window.prompter(), &window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dialog, &ClassResultsDialog::openRequested, &window,
                         [&window](const QString &path) { window.OpenDesignFile(path); });
        dialog->showFolder(folder);
        dialog->show();
    });
    // One race day at a time: the menu brings back the window of the race being run.
    add(file, QStringLiteral("RaceDayPos"), Texts::tr("Race &Day..."), {}, [&window] {
        auto *raceDay = window.findChild<RaceDayWindow *>();
        if (!raceDay) {
            raceDay = new RaceDayWindow(window.workers(), window.prompter(), &window);
            raceDay->setAttribute(Qt::WA_DeleteOnClose);
        }
        raceDay->show();
        raceDay->raise();
        raceDay->activateWindow();
    });
    file->addSeparator();
    add(file, QStringLiteral("RenamePos"), Texts::tr("Re&name..."), {}, [&window] { window.RenameBtnClick(); });
    add(file, QStringLiteral("RemovePos"), Texts::tr("Re&move..."), {}, [&window] { window.RemoveBtnClick(); });
    file->addSeparator();
    add(file, QStringLiteral("QuitPos"), Texts::tr("&Quit"), QKeySequence(Qt::ALT | Qt::Key_F4),
        [&window] { window.Quit(); });

    QMenu *editMenu = bar->addMenu(Texts::tr("&Edit"));
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    QAction *undo = add(editMenu, QStringLiteral("UndoPos"), Texts::tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                        [&window] { window.Undo(); });
    undo->setEnabled(false);
    QAction *redo = add(editMenu, QStringLiteral("RedoPos"), Texts::tr("Redo"), {}, [&window] { window.Redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setEnabled(false);
    editMenu->addSeparator();
    add(editMenu, QStringLiteral("PointsPos"), Texts::tr("&Points..."), {}, [&window] { window.EditPoints(); });

    QMenu *setup = bar->addMenu(Texts::tr("&Setup"));
    setup->setObjectName(QStringLiteral("SetupMenu"));
    add(setup, QStringLiteral("DefineMaterialsPos"), Texts::tr("Define &Materials..."),
        QKeySequence(Qt::CTRL | Qt::Key_M), [&window] { window.DefineMaterials(); });
    setup->addSeparator();
    add(setup, QStringLiteral("PreferencesPos"), Texts::tr("&Preferences..."), {}, [&window] { window.ShowPreferences(); });
    add(setup, QStringLiteral("ChooseBackgroundColor1"), Texts::tr("Choose &Background Color..."), {},
        [&window] { window.ChooseBackgroundColor(); });
    // Like the background colour, the choice shows on the sheet from its next redraw.
    QAction *highContrast = add(setup, QStringLiteral("HighContrastSheetPos"), Texts::tr("&High-Contrast Sheet"),
                                {}, [&window](bool on) {
                                    window.workspace().highContrastSheet = on;
                                    window.memory().setHighContrastSheet(on);
                                });
    highContrast->setCheckable(true);
    window.workspace().highContrastSheet = window.memory().highContrastSheet();
    highContrast->setChecked(window.workspace().highContrastSheet);
    setup->addSeparator();
    addLanguageMenu(*setup, window);

    QMenu *modes = bar->addMenu(Texts::tr("&Modes"));
    modes->setObjectName(QStringLiteral("ModesMenu"));
    add(modes, QStringLiteral("DesignPos"), Texts::tr("&Design"), QKeySequence(Qt::Key_F1), [&window] { window.VPSet(); });
    modes->addSeparator();
    add(modes, QStringLiteral("BuildPos"), Texts::tr("&Build"), QKeySequence(Qt::Key_F2), [&window] { window.VPBuild(); });
    add(modes, QStringLiteral("AnalyzePos"), Texts::tr("&Analyze"), QKeySequence(Qt::Key_F3),
        [&window] { window.VPProperties(); });
    add(modes, QStringLiteral("SimulatePos"), Texts::tr("&Simulate"), QKeySequence(Qt::Key_F4),
        [&window] { window.VPDynamic(); });
    add(modes, QStringLiteral("RacePos"), Texts::tr("&Race"), QKeySequence(Qt::Key_F5), [&window] { window.VPRace(); });
    modes->addSeparator();
    add(modes, QStringLiteral("PreviewPos"), Texts::tr("Pre&view Templates"), QKeySequence(Qt::Key_F6),
        [&window] { window.VPPreview(); });
    add(modes, QStringLiteral("PrintTemplatesPos"), Texts::tr("&Print Templates..."),
        QKeySequence(Qt::CTRL | Qt::Key_P), [&window] { window.VPPrint(); });
    modes->addSeparator();
    add(modes, QStringLiteral("PowerDesignerPos"), Texts::tr("Po&wer Designer..."), {},
        [&window] { window.views().ShowPowerDesigner(); });
    add(modes, QStringLiteral("OptimiserPos"), Texts::tr("Opti&miser..."), {},
        [&window] { window.optimiser().ShowOptimiser(); });
    add(modes, QStringLiteral("ResultDetailsPos"), Texts::tr("Results &in Detail..."),
        QKeySequence(Qt::CTRL | Qt::Key_I), [&window] { window.ShowResultDetails(); });
    add(modes, QStringLiteral("RunChartsPos"), Texts::tr("R&un Charts..."), QKeySequence(Qt::CTRL | Qt::Key_R),
        [&window] { window.charts().ShowRunCharts(); });
    add(modes, QStringLiteral("RaceChartPos"), Texts::tr("Race &Chart..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [&window] { window.charts().ShowRaceChart(); });
    add(modes, QStringLiteral("TestRunsPos"), Texts::tr("&Test Runs..."), QKeySequence(Qt::CTRL | Qt::Key_T),
        [&window] { window.testRuns().ShowTestRuns(); });
    add(modes, QStringLiteral("JournalPos"), Texts::tr("&Journal..."), QKeySequence(Qt::CTRL | Qt::Key_J),
        [&window] { window.journal().ShowJournal(); });
    // Why the car is as fast as it is, and what a change would do.
    modes->addSeparator();
    add(modes, QStringLiteral("EnergyPos"), Texts::tr("&Energy..."), QKeySequence(Qt::CTRL | Qt::Key_E),
        [&window] { window.charts().ShowEnergy(); });
    add(modes, QStringLiteral("WhatIfPos"), Texts::tr("W&hat If..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
        [&window] { window.whatIf().ShowWhatIf(); });
    add(modes, QStringLiteral("SensitivityPos"), Texts::tr("Se&nsitivity..."), {},
        [&window] { window.sensitivity().ShowSensitivity(); });
    add(modes, QStringLiteral("TolerancesPos"), Texts::tr("Build T&olerances..."), {},
        [&window] { window.tolerances().ShowTolerances(); });

    QMenu *helpMenu = bar->addMenu(Texts::tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("AboutMenu"));
    add(helpMenu, QStringLiteral("OnlineDiscussionForum1"), Texts::tr("Zindle Discussion &Forum"), {},
        [&window] { window.help().open(QStringLiteral("/forum/")); });
    // The pages come with the program: the item says where they open, not a site name. They are
    // written in English only, which every translation of this item says.
    add(helpMenu, QStringLiteral("HelpWebSite1"), Texts::tr("Zindle &Help in your web browser"), {},
        [&window] { window.help().open(QStringLiteral("/help/index.html")); });
    add(helpMenu, QStringLiteral("ZindleHomePage1"), Texts::tr("Zindle Home &Page"), {},
        [&window] { window.help().open(QStringLiteral("/index.html")); });
    helpMenu->addSeparator();
    add(helpMenu, QStringLiteral("AboutZD"), Texts::tr("&About Zindle 4.1..."), {}, [&window] { window.ShowAbout(); });
    add(helpMenu, QStringLiteral("Checkforlatestversion1"), Texts::tr("&Check for latest version..."), {},
        [&window] { window.help().open(QStringLiteral("/download.html")); });
}

} // namespace zindle
