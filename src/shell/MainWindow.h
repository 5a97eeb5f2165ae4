// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the drawing sheet, the design-list bar, the mode buttons, one state panel per
// mode and the menus. It is always in one mode; SwitchMode changes the panels and RefreshMode
// recomputes and redraws the mode from the current design. The window owns the pieces and
// coordinates them; the pieces live in their own files (menus, design-list bar, mode buttons,
// one file per mode panel, the dialogs' glue, the refresh hooks).

#include "dialogs/HelpLinks.h"
#include "dialogs/ModalRunner.h"
#include "app/DesignHistory.h"
#include "app/DesignListOps.h"
#include "model/Prompter.h"
#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "RefreshPlayer.h"
#include "WindowMemory.h"

#include <QColor>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QBoxLayout;
class QComboBox;
class QLineEdit;
class QMenu;

namespace zindle {

class AboutDialog;
class AnalyzePanel;
class BuildPanel;
class ConvertDialog;
class DesignListBar;
class DesignPanel;
class LiveResults;
class MaterialsDialog;
class ModeButtons;
class ModePanels;
class PaperPrototypeDialog;
class PhysicsViews;
class PreferencesDialog;
class PreviewPanel;
class ResultFieldsView;
class ResultDetailsWindow;
class ChartViews;
class ChallengeView;
class TestRunsView;
class JournalView;
class WhatIfView;
class SensitivityView;
class OptimiserView;
class TolerancesView;
class SheetImage;
class WindowDialogs;

// Told what the window does, for whoever watches it from outside (the tests record the refreshes).
class MainWindowObserver {
public:
    virtual ~MainWindowObserver() = default;
    // A refresh of `mode` begins (what it ran for, not what it drew).
    virtual void refreshStarting(SheetMode mode) = 0;
    // A refresh began while another was still computing: a fault in the window, never a state
    // the user can reach.
    virtual void refreshNested(SheetMode mode) = 0;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `memory` is where the recent files and the window's place are kept; null for the user's
    // own settings store. `workers` runs the window's background work and outlives the window.
    MainWindow(Workspace &workspace, WorkerPool &workers, Prompter &prompter, QWidget *parent = nullptr,
               std::unique_ptr<WindowMemory> memory = nullptr);
    ~MainWindow() override;

    // Shows the start-up window modally; dismissing it the first time runs StartUp().
    void ShowStartUpWindow();
    // The one-time initialisation of the design environment.
    void StartUp();
    bool started() const { return started_; }
    bool closing() const { return closing_; }

    // Modes.
    SheetMode CurrentMode() const { return currentMode_; }
    void SwitchMode(SheetMode from, SheetMode to);
    void RefreshMode(int toPrinter, int whichTemplate, SheetMode mode);
    void VPSet();
    void VPBuild();
    void VPProperties();
    void VPDynamic();
    void VPRace();
    void VPPreview();
    void VPPrint();
    // From Print Templates back to Design, refreshed; false (nothing done) in any other mode.
    bool leavePrintTemplates();
    // Recomputes the scale from the window's size and redraws, as a resize does.
    void WindowResized();

    // Design list (DesignListBar).
    void DesignListClick(int index);
    void NewBtnClick();
    void OpenBtnClick();
    void SaveBtnClick();
    void RenameBtnClick();
    void RemoveBtnClick();
    void Quit();
    // Opens a design file without the file dialog (after the unsaved-changes prompt): named on
    // the command line, dropped on the window, chosen from File > Open Recent or from the class
    // results.
    bool OpenDesignFile(const QString &path);
    // The design files among the program's arguments, in order; options are skipped, and a file
    // that cannot be read or a cancelled prompt ends the list.
    void OpenNamedFiles(const QStringList &arguments);

    // Edit menu. Each refuses while a sheet tool or an action is in progress.
    void Undo();
    void Redo();
    void EditPoints();
    DesignHistory &history() { return history_; }
    WindowMemory &memory() { return *memory_; }
    // The title names the design and marks it changed: "Racer* - Zindle 4.1".
    void updateTitle();
    // The Edit menu's items, the title: after anything that may have changed the design or
    // started or ended a tool.
    void editStateChanged();
    // Lists the recent files in File > Open Recent.
    void fillRecentMenu(QMenu *menu);

    // Setup, File and Help menus (WindowDialogs).
    void DefineMaterials();
    void ShowPreferences();
    void ChooseBackgroundColor();
    void ConvertFile();
    void ShowAbout();

    // Part selection and sizes of the Design mode (DesignPanel).
    void SelectPart(int partNameIndex);
    void MaterialComboChange(int part, int index);
    void ApplyBtnClick();
    void DriveButtonClick(DriveKind drive);

    // The Preview Templates panel's buttons (PreviewPanel).
    void StepPVBtnClick();
    void RewindPvBtnClick();

    // Per-mode counters, reset by every mode switch.
    int PreviewIndex = 1;
    int &SimulateStep; // the simulation's own step counter, in the workspace
    int Built3DStage = 0;
    int HighlightedPart = -1;

    QColor backgroundColor() const { return background_; }
    Workspace &workspace() { return workspace_; }
    WorkerPool &workers() { return workers_; }
    Prompter &prompter() { return prompter_; }
    DesignListOps &listOps() { return ops_; }
    HelpLinks &help() { return help_; }
    SheetImage *image() const { return image_; }
    // The Analyze, Simulate and Race pictures, the Advisories window and the Power Designer.
    PhysicsViews &views() { return *views_; }
    // Plays what the last refresh recorded (the growing grid, the entire cycle, the race, the
    // build view's stages).
    RefreshPlayer &player() { return player_; }
    // Ends what plays and a one-by-one sweep before a modal dialog runs its own event loop:
    // nothing is computed or played under it.
    void settleBeforeModal();
    QComboBox *designList() const;
    AboutDialog *aboutDialog() const;
    PreferencesDialog *preferencesDialog() const;
    MaterialsDialog *materialsDialog() const;
    ConvertDialog *convertDialog() const;
    PaperPrototypeDialog *paperPrototype() const;
    // "Results in Detail": every result field with its caption, value and meaning (made when
    // first shown).
    ResultDetailsWindow *resultDetails();
    void ShowResultDetails();
    // File > Export run: the current design's whole run as CSV samples or as its charts.
    void ExportRunFile();
    // The run charts and the race chart windows.
    ChartViews &charts() { return *charts_; }
    // The Test runs window and the track the window predicts for.
    TestRunsView &testRuns() { return *testRuns_; }
    // The design journal: a version per Simulate run of a changed design, and its window.
    JournalView &journal() { return *journal_; }
    WhatIfView &whatIf() { return *whatIf_; }
    SensitivityView &sensitivity() { return *sensitivity_; }
    TolerancesView &tolerances() { return *tolerances_; }
    OptimiserView &optimiser() { return *optimiser_; }
    // The challenge the design is checked against, and its checklist beside the sheet.
    ChallengeView &challenges() { return *challenges_; }
    // The Design mode's live results of the design as it stands, computed in the background.
    LiveResults &liveResults() { return *live_; }
    QAction *action(const QString &objectName) const;
    QLineEdit *parameterField(int part, bool bottom) const;
    QComboBox *materialCombo(int part) const;

    // How modal dialogs and the colour dialog are shown; tests answer them instead.
    ModalRunner modalRunner;
    // Shows `dialog` modally through modalRunner, once nothing plays or sweeps under it.
    int runModalDialog(QDialog &dialog);
    std::function<std::optional<QColor>(const QColor &initial)> colorChooser;

    // One observer at most; null for none. The window does not own it.
    void setObserver(MainWindowObserver *observer) { observer_ = observer; }
    MainWindowObserver *observer() const { return observer_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The pieces reach back into the window for what only they may touch.
    friend class AnalyzePanel;
    friend class BuildPanel;
    friend class DesignListBar;
    friend class WindowDialogs;
    friend class WindowRefreshHooks;
    friend class PhysicsViews;
    friend class ChallengeView;

    void applyPanelColours();
    // Lays the strips above the sheet out for a window `width` pixels wide.
    void fitPanelsToWidth(int width);
    void computeScale();
    QPoint imageOrigin() const;
    void paintEmptySheet(SheetMode mode);
    void showResults();
    void showResultDetailsValues();
    void designRebuilt();
    void afterListOperation();
    void historyRestored();
    void rememberGeometry();
    bool mayEdit() const;
    // The design, its materials or the scale may have changed: the live results follow.
    void liveInputsMayHaveChanged();

    Workspace &workspace_;
    WorkerPool &workers_;
    Prompter &prompter_;
    std::unique_ptr<WindowMemory> memory_;
    DesignHistory history_;
    DesignListOps ops_;
    int historySlot_ = 0; // the list entry the history belongs to
    HelpLinks help_;
    QColor background_;
    SheetMode currentMode_ = SheetMode::Design;
    RefreshPlayer player_;
    bool refreshing_ = false;
    bool started_ = false;
    bool closing_ = false;
    float printerDpi_ = 600.0f;

    SheetImage *image_ = nullptr;
    QWidget *process_ = nullptr;
    QBoxLayout *processRow_ = nullptr;
    QWidget *states_ = nullptr;
    std::unique_ptr<ResultFieldsView> results_;
    std::unique_ptr<LiveResults> live_;
    ResultDetailsWindow *details_ = nullptr;
    MainWindowObserver *observer_ = nullptr;
    std::unique_ptr<DesignListBar> listBar_;
    std::unique_ptr<ModeButtons> modeButtons_;
    std::unique_ptr<ModePanels> panels_;
    // The panels the window itself talks to (owned by their widget parents).
    DesignPanel *design_ = nullptr;
    BuildPanel *build_ = nullptr;
    PreviewPanel *preview_ = nullptr;
    std::unique_ptr<WindowDialogs> dialogs_;
    std::unique_ptr<PhysicsViews> views_;
    std::unique_ptr<ChartViews> charts_;
    std::unique_ptr<TestRunsView> testRuns_;
    std::unique_ptr<JournalView> journal_;
    std::unique_ptr<WhatIfView> whatIf_;
    std::unique_ptr<SensitivityView> sensitivity_;
    std::unique_ptr<TolerancesView> tolerances_;
    std::unique_ptr<OptimiserView> optimiser_;
    std::unique_ptr<ChallengeView> challenges_;
};

} // namespace zindle
