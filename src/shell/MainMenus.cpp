// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenus.h"

#include "dialogs/ClassResultsDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/RaceDayWindow.h"

#include "ChartViews.h"
#include "LanguageMenu.h"
#include "MainWindow.h"
#include "WhatIfView.h"
#include "SensitivityView.h"
#include "TolerancesView.h"
#include "TestRunsView.h"
#include "WindowRefreshHooks.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

namespace zindle {

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
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    add(file, QStringLiteral("OpenPos"), QStringLiteral("Open Car File..."), QKeySequence(Qt::CTRL | Qt::Key_O),
        [&window] { window.OpenBtnClick(); });
    // The design files used last; listed afresh each time the menu opens.
    QMenu *recent = file->addMenu(QStringLiteral("Open Recent"));
    recent->setObjectName(QStringLiteral("OpenRecentMenu"));
    recent->menuAction()->setObjectName(QStringLiteral("OpenRecentPos"));
    QObject::connect(recent, &QMenu::aboutToShow, &window, [&window, recent] { window.fillRecentMenu(recent); });
    window.fillRecentMenu(recent);
    add(file, QStringLiteral("ConvertPos"), QStringLiteral("Convert file..."), {}, [&window] { window.ConvertFile(); });
    // Closing a design takes it off the list, asking to save it first, as Remove does.
    add(file, QStringLiteral("ClosePos"), QStringLiteral("Close"), QKeySequence(Qt::CTRL | Qt::Key_W),
        [&window] { window.RemoveBtnClick(); });
    add(file, QStringLiteral("SavePos"), QStringLiteral("Save..."), QKeySequence(Qt::CTRL | Qt::Key_S),
        [&window] { window.SaveBtnClick(); });
    // Ctrl+P belongs to "Print Templates..." as well; one key can only have one action, and both
    // items do the same, so this one shows the key without owning it.
    add(file, QStringLiteral("PrintPos"), QStringLiteral("Print...\tCtrl+P"), {}, [&window] { window.VPPrint(); });
    add(file, QStringLiteral("ExportTemplatesPos"), QStringLiteral("Export templates..."), {},
        [&window] { window.paperPrototype()->ExportCutFiles(); });
    add(file, QStringLiteral("ExportRunPos"), QStringLiteral("Export run..."), {}, [&window] { window.ExportRunFile(); });
    add(file, QStringLiteral("ClassResultsPos"), QStringLiteral("Class results..."), {}, [&window] {
        const QString folder = QFileDialog::getExistingDirectory(&window, QStringLiteral("Class results"));
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
    add(file, QStringLiteral("RaceDayPos"), QStringLiteral("Race Day..."), {}, [&window] {
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
    add(file, QStringLiteral("RenamePos"), QStringLiteral("Rename..."), {}, [&window] { window.RenameBtnClick(); });
    add(file, QStringLiteral("RemovePos"), QStringLiteral("Remove..."), {}, [&window] { window.RemoveBtnClick(); });
    file->addSeparator();
    add(file, QStringLiteral("QuitPos"), QStringLiteral("Quit"), QKeySequence(Qt::ALT | Qt::Key_F4),
        [&window] { window.Quit(); });

    QMenu *editMenu = bar->addMenu(QStringLiteral("&Edit"));
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    QAction *undo = add(editMenu, QStringLiteral("UndoPos"), QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                        [&window] { window.Undo(); });
    undo->setEnabled(false);
    QAction *redo = add(editMenu, QStringLiteral("RedoPos"), QStringLiteral("Redo"), {}, [&window] { window.Redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setEnabled(false);
    editMenu->addSeparator();
    add(editMenu, QStringLiteral("PointsPos"), QStringLiteral("&Points..."), {}, [&window] { window.EditPoints(); });

    QMenu *setup = bar->addMenu(QStringLiteral("&Setup"));
    setup->setObjectName(QStringLiteral("SetupMenu"));
    add(setup, QStringLiteral("DefineMaterialsPos"), QStringLiteral("Define Materials..."),
        QKeySequence(Qt::CTRL | Qt::Key_M), [&window] { window.DefineMaterials(); });
    setup->addSeparator();
    add(setup, QStringLiteral("PreferencesPos"), QStringLiteral("Preferences..."), {}, [&window] { window.ShowPreferences(); });
    add(setup, QStringLiteral("ChooseBackgroundColor1"), QStringLiteral("Choose Background Color..."), {},
        [&window] { window.ChooseBackgroundColor(); });
    // Like the background colour, the choice shows on the sheet from its next redraw.
    QAction *highContrast = add(setup, QStringLiteral("HighContrastSheetPos"), QStringLiteral("&High-Contrast Sheet"),
                                {}, [&window](bool on) {
                                    window.workspace().highContrastSheet = on;
                                    window.memory().setHighContrastSheet(on);
                                });
    highContrast->setCheckable(true);
    window.workspace().highContrastSheet = window.memory().highContrastSheet();
    highContrast->setChecked(window.workspace().highContrastSheet);
    setup->addSeparator();
    addLanguageMenu(*setup, window);

    QMenu *modes = bar->addMenu(QStringLiteral("&Modes"));
    modes->setObjectName(QStringLiteral("ModesMenu"));
    add(modes, QStringLiteral("DesignPos"), QStringLiteral("Design"), QKeySequence(Qt::Key_F1), [&window] { window.VPSet(); });
    modes->addSeparator();
    add(modes, QStringLiteral("BuildPos"), QStringLiteral("Build"), QKeySequence(Qt::Key_F2), [&window] { window.VPBuild(); });
    add(modes, QStringLiteral("AnalyzePos"), QStringLiteral("Analyze"), QKeySequence(Qt::Key_F3),
        [&window] { window.VPProperties(); });
    add(modes, QStringLiteral("SimulatePos"), QStringLiteral("Simulate"), QKeySequence(Qt::Key_F4),
        [&window] { window.VPDynamic(); });
    add(modes, QStringLiteral("RacePos"), QStringLiteral("Race"), QKeySequence(Qt::Key_F5), [&window] { window.VPRace(); });
    modes->addSeparator();
    add(modes, QStringLiteral("PreviewPos"), QStringLiteral("Preview Templates"), QKeySequence(Qt::Key_F6),
        [&window] { window.VPPreview(); });
    add(modes, QStringLiteral("PrintTemplatesPos"), QStringLiteral("Print Templates..."),
        QKeySequence(Qt::CTRL | Qt::Key_P), [&window] { window.VPPrint(); });
    modes->addSeparator();
    add(modes, QStringLiteral("PowerDesignerPos"), QStringLiteral("Power Designer..."), {},
        [&window] { window.views().ShowPowerDesigner(); });
    add(modes, QStringLiteral("ResultDetailsPos"), QStringLiteral("Results in Detail..."),
        QKeySequence(Qt::CTRL | Qt::Key_I), [&window] { window.ShowResultDetails(); });
    add(modes, QStringLiteral("RunChartsPos"), QStringLiteral("Run Charts..."), QKeySequence(Qt::CTRL | Qt::Key_R),
        [&window] { window.charts().ShowRunCharts(); });
    add(modes, QStringLiteral("RaceChartPos"), QStringLiteral("Race Chart..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [&window] { window.charts().ShowRaceChart(); });
    add(modes, QStringLiteral("TestRunsPos"), QStringLiteral("Test Runs..."), QKeySequence(Qt::CTRL | Qt::Key_T),
        [&window] { window.testRuns().ShowTestRuns(); });
    // Why the car is as fast as it is, and what a change would do.
    modes->addSeparator();
    add(modes, QStringLiteral("EnergyPos"), QStringLiteral("Energy..."), QKeySequence(Qt::CTRL | Qt::Key_E),
        [&window] { window.charts().ShowEnergy(); });
    add(modes, QStringLiteral("WhatIfPos"), QStringLiteral("What If..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
        [&window] { window.whatIf().ShowWhatIf(); });
    add(modes, QStringLiteral("SensitivityPos"), QStringLiteral("Sensitivity..."), {},
        [&window] { window.sensitivity().ShowSensitivity(); });
    add(modes, QStringLiteral("TolerancesPos"), QStringLiteral("Build Tolerances..."), {},
        [&window] { window.tolerances().ShowTolerances(); });

    QMenu *helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("AboutMenu"));
    add(helpMenu, QStringLiteral("OnlineDiscussionForum1"), QStringLiteral("Zindle Discussion Forum"), {},
        [&window] { window.help().open(QStringLiteral("/forum/")); });
    add(helpMenu, QStringLiteral("HelpWebSite1"), QStringLiteral("Zindle Help in ") + HelpSiteShortName, {},
        [&window] { window.help().open(QStringLiteral("/help/index.html")); });
    add(helpMenu, QStringLiteral("ZindleHomePage1"), QStringLiteral("Zindle Home Page"), {},
        [&window] { window.help().open(QStringLiteral("/index.html")); });
    helpMenu->addSeparator();
    add(helpMenu, QStringLiteral("AboutZD"), QStringLiteral("About Zindle 4.1..."), {}, [&window] { window.ShowAbout(); });
    add(helpMenu, QStringLiteral("Checkforlatestversion1"), QStringLiteral("Check for latest version..."), {},
        [&window] { window.help().open(QStringLiteral("/download.html")); });
}

} // namespace zindle
