// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "app/DesignInWords.h"

#include "BuildPanel.h"
#include "DesignListBar.h"
#include "DesignPanel.h"
#include "MainMenus.h"
#include "ModeButtons.h"
#include "ModePanels.h"
#include "PreviewPanel.h"
#include "ResultFieldsView.h"
#include "SheetEditing.h"
#include "SheetImage.h"
#include "WindowDialogs.h"
#include "WindowMemory.h"
#include "WindowRefreshHooks.h"
#include "dialogs/ConvertDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/PowerDesignerDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "dialogs/ResultDetailsWindow.h"
#include "ChartViews.h"
#include "TestRunsView.h"
#include "JournalView.h"
#include "WhatIfView.h"
#include "SensitivityView.h"
#include "OptimiserView.h"
#include "TolerancesView.h"
#include "app/LiveResults.h"
#include "ChallengeView.h"
#include "files/ReplaceQuestion.h"
#include "app/RunExport.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"

#include <QAction>
#include <QBoxLayout>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QScreen>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace zindle {

namespace {
constexpr int ProcessPanelHeight = 70;
constexpr int StateAreaHeight = 76; // the sheet starts 146 pixels below the menu
const QString ProgramTitle = QStringLiteral("Zindle 4.1");

// The design files among dropped addresses.
QStringList droppedDesigns(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".zndl"), Qt::CaseInsensitive))
            files << url.toLocalFile();
    return files;
}
} // namespace

MainWindow::MainWindow(Workspace &workspace, WorkerPool &workers, Prompter &prompter, QWidget *parent,
                       std::unique_ptr<WindowMemory> memory)
    : QMainWindow(parent), SimulateStep(workspace.simulation.SimulateStep), workspace_(workspace), workers_(workers),
      prompter_(prompter), memory_(memory ? std::move(memory) : std::make_unique<WindowMemory>()),
      history_(workspace), ops_(workspace, prompter, [this] { designRebuilt(); }),
      help_(findHelpFolder(QCoreApplication::applicationDirPath())),
      background_(DefaultBackgroundColor),
      results_(std::make_unique<ResultFieldsView>(help_))
{
    setObjectName(QStringLiteral("TRPWin"));
    setWindowTitle(ProgramTitle);
    setMinimumSize(540, 440);
    setAcceptDrops(true);
    ops_.fileUsed = [this](const QString &path) { memory_->addRecentFile(path); };
    history_.restored = [this] { historyRestored(); };
    live_ = std::make_unique<LiveResults>(workspace_, workers_);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The process panel: the design-list bar, then the mode buttons.
    auto *process = new QWidget(central);
    process->setObjectName(QStringLiteral("ProcessPanel"));
    process->setFixedHeight(ProcessPanelHeight);
    processRow_ = new QBoxLayout(QBoxLayout::LeftToRight, process);
    processRow_->setContentsMargins(6, 4, 6, 4);
    processRow_->setSpacing(16);
    listBar_ = std::make_unique<DesignListBar>(*this, process, processRow_);
    modeButtons_ = std::make_unique<ModeButtons>(*this, process, processRow_);
    processRow_->addStretch();
    layout->addWidget(process);
    auto *states = new QWidget(central);
    states->setObjectName(QStringLiteral("StateArea"));
    states->setFixedHeight(StateAreaHeight);
    process_ = process;
    states_ = states;
    panels_ = std::make_unique<ModePanels>(*this, *results_, states);
    design_ = panels_->design();
    build_ = panels_->build();
    preview_ = panels_->preview();
    // The one visible panel fills the whole strip above the sheet.
    applyPanelColours();
    layout->addWidget(states);
    image_ = new SheetImage(central);
    // The sheet, and right of it what is shown beside it (the challenge's checklist).
    auto *sheetRow = new QHBoxLayout;
    sheetRow->setSpacing(0);
    sheetRow->addWidget(image_, 1);
    layout->addLayout(sheetRow, 1);
    image_->setMouseHandler(&design_->sheetEditing());
    setCentralWidget(central);
    buildMainMenus(*this);
    dialogs_ = std::make_unique<WindowDialogs>(*this);
    views_ = std::make_unique<PhysicsViews>(*this);
    charts_ = std::make_unique<ChartViews>(*this);
    testRuns_ = std::make_unique<TestRunsView>(*this);
    journal_ = std::make_unique<JournalView>(*this);
    whatIf_ = std::make_unique<WhatIfView>(*this);
    sensitivity_ = std::make_unique<SensitivityView>(*this);
    tolerances_ = std::make_unique<TolerancesView>(*this);
    optimiser_ = std::make_unique<OptimiserView>(*this);
    challenges_ = std::make_unique<ChallengeView>(*this, *sheetRow);

    listBar_->sync();
    design_->syncMaterialCombos();
    design_->syncDesignControls();

    // Escape leaves the sheet tool in use without a change, as its Cancel button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    connect(escape, &QShortcut::activated, this, [this] { design_->sheetEditing().EscapePressed(); });
    // Every change of the design goes through the history, material choices too (which
    // refresh nothing until Apply): the live results learn of them there.
    history_.changed = [this] {
        editStateChanged();
        liveInputsMayHaveChanged();
        views_->powerDesigner()->followDesign();
    };
    editStateChanged();
}

MainWindow::~MainWindow()
{
    closing_ = true;
    // What plays ends while every piece it paints on is still there.
    player_.stop();
    // A live computation still running stops at its next step and is waited for: it works on
    // a copy, but its result must not arrive at a window that is going.
    live_.reset();
    history_.changed = nullptr;
    history_.restored = nullptr;
    // The panels outlive this destructor by a moment; a field losing its focus while they go
    // must not take its text into a design that is being closed.
    design_->stopWatchingFields();
}

void MainWindow::applyPanelColours() { panels_->applyColours(background_, currentMode_); }

QAction *MainWindow::action(const QString &objectName) const { return findChild<QAction *>(objectName); }
QComboBox *MainWindow::designList() const { return listBar_->designList(); }
AboutDialog *MainWindow::aboutDialog() const { return dialogs_->about(); }
PreferencesDialog *MainWindow::preferencesDialog() const { return dialogs_->preferences(); }
MaterialsDialog *MainWindow::materialsDialog() const { return dialogs_->materials(); }
ConvertDialog *MainWindow::convertDialog() const { return dialogs_->convert(); }
PaperPrototypeDialog *MainWindow::paperPrototype() const { return dialogs_->paperPrototype(); }
QLineEdit *MainWindow::parameterField(int part, bool bottom) const { return design_->parameterField(part, bottom); }
QComboBox *MainWindow::materialCombo(int part) const { return design_->materialCombo(part); }

// What the pieces do on the window's behalf.
void MainWindow::DesignListClick(int index) { listBar_->DesignListClick(index); }
void MainWindow::NewBtnClick() { listBar_->NewBtnClick(); }
void MainWindow::OpenBtnClick() { listBar_->OpenBtnClick(); }
void MainWindow::SaveBtnClick() { listBar_->SaveBtnClick(); }

void MainWindow::RenameBtnClick() { listBar_->RenameBtnClick(); }
void MainWindow::RemoveBtnClick() { listBar_->RemoveBtnClick(); }
void MainWindow::DefineMaterials() { dialogs_->DefineMaterials(); }
void MainWindow::ShowPreferences() { dialogs_->ShowPreferences(); }
void MainWindow::ChooseBackgroundColor() { dialogs_->ChooseBackgroundColor(); }
void MainWindow::ConvertFile() { dialogs_->ConvertFile(); }
void MainWindow::ShowAbout() { dialogs_->ShowAbout(); }
void MainWindow::SelectPart(int partNameIndex) { design_->SelectPart(partNameIndex); }
void MainWindow::MaterialComboChange(int part, int index) { design_->MaterialComboChange(part, index); }
void MainWindow::ApplyBtnClick() { design_->ApplyBtnClick(); }
void MainWindow::DriveButtonClick(DriveKind drive) { design_->DriveButtonClick(drive); }
void MainWindow::StepPVBtnClick() { preview_->StepPVBtnClick(); }
void MainWindow::RewindPvBtnClick() { preview_->RewindPvBtnClick(); }

// ---------------------------------------------------------------------------------------------
// Start-up

void MainWindow::ShowStartUpWindow() { dialogs_->ShowAbout(); }

void MainWindow::StartUp()
{
    if (started_)
        return;
    // The workspace begins with the built-in materials, the five built-in designs (all saved,
    // slot 0 current) and empty race traces.
    // The first start fills the screen; later ones come back where the window was left.
    // Without a window manager (a bare X server) the maximised state is not honoured; taking
    // the screen's available area first gives the same window either way.
    const QByteArray remembered = memory_->windowGeometry();
    if (remembered.isEmpty() || !restoreGeometry(remembered)) {
        if (const QScreen *screen = this->screen())
            setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    background_ = DefaultBackgroundColor;
    currentMode_ = SheetMode::Design;
    applyPanelColours();
    design_->syncMaterialCombos();
    show();
    started_ = true;
    computeScale();
    BuildBuiltInDesign(workspace_, 0);
    workspace_.list.CurrentDesign = 0;
    listBar_->sync();
    design_->syncDesignControls();
    design_->SelectPart(1);
    ClearWeights(workspace_.design);
    modeButtons_->check(SheetMode::Design);
    history_.clear(true);
    historySlot_ = workspace_.list.CurrentDesign;
    RefreshMode(0, 0, SheetMode::Design);
}

// ---------------------------------------------------------------------------------------------
// Modes

void MainWindow::SwitchMode(SheetMode from, SheetMode to)
{
    if (from == to)
        return;
    player_.stop();
    views_->modeSwitched();
    PreviewIndex = 1;
    preview_->modeSwitched();
    SimulateStep = 0;
    Built3DStage = 0;
    build_->modeSwitched();
    HighlightedPart = -1;

    panels_->leave(from);
    currentMode_ = to;
    // The other modes show their own numbers; the live results are for designing.
    live_->setActive(to == SheetMode::Design);
    panels_->enter(to);
    applyPanelColours();
    modeButtons_->check(to);
}

QPoint MainWindow::imageOrigin() const { return image_->mapTo(centralWidget(), QPoint(0, 0)); }

void MainWindow::paintEmptySheet(SheetMode mode)
{
    image_->fitCanvas();
    PaintEmptySheet(image_->canvas(), mode, workspace_.scale, background_, width(),
                    sheetPalette(workspace_.highContrastSheet));
    image_->update();
}

void MainWindow::computeScale()
{
    WindowGeometry window;
    const QRect frame = frameGeometry();
    // What stands beside the sheet is not the sheet's room.
    const int beside = challenges_ ? challenges_->besideSheetWidth() : 0;
    window.outerWidth = frame.width() - beside;
    window.outerHeight = frame.height();
    const QPoint imagePos = imageOrigin();
    window.imageLeft = imagePos.x();
    window.imageTop = imagePos.y();
    window.clientWidth = centralWidget()->width() - beside;
    window.clientHeight = centralWidget()->height();
    workspace_.scale = ComputeSheetScale(window, printerDpi_, printerDpi_, workspace_.scale.PreviewZoom,
                                         workspace_.scale.PreviewOffsetX);
}

void MainWindow::RefreshMode(int toPrinter, int whichTemplate, SheetMode mode)
{
    Q_UNUSED(whichTemplate);
    if (observer_)
        observer_->refreshStarting(mode);
    if (refreshing_) {
        // Nothing reached from a refresh starts another: a refresh computes to its end.
        if (observer_)
            observer_->refreshNested(mode);
        Q_ASSERT_X(false, "MainWindow::RefreshMode", "a refresh started inside another");
    }
    const bool outer = !refreshing_;
    refreshing_ = true;
    // What the last refresh recorded and has not yet played belongs to a picture that is gone.
    player_.stop();
    // The sheet is drawn afresh, so no part is outlined on it any more.
    HighlightedPart = -1;
    image_->fitCanvas();
    WindowRefreshHooks hooks(*this, mode);
    // The build view is drawn on the screen only; a printer pass prepares the sheet alone.
    hooks.drawsBuildView = toPrinter == 0;
    zindle::RefreshMode(workspace_, mode, hooks);
    design_->syncDesignControls();
    // The numbers and the advisories are shown with the picture's end, after any animation.
    player_.then([this, mode] {
        if (closing_)
            return;
        showResults();
        image_->update();
        views_->refreshFinished(mode);
        charts_->follow(mode);
        testRuns_->follow();
        journal_->follow(mode);
    });
    updateTitle();
    liveInputsMayHaveChanged();
    // Another design, or this one changed: the Power Designer's map may no longer be its own.
    views_->powerDesigner()->followDesign();
    if (outer)
        refreshing_ = false;
    player_.start();
}

int MainWindow::runModalDialog(QDialog &dialog)
{
    settleBeforeModal();
    return runModal(modalRunner, dialog);
}

void MainWindow::settleBeforeModal()
{
    player_.stop();
    views_->powerDesigner()->stopWatchedSweep(tr("The sweep stopped when a dialog opened."));
}

void MainWindow::liveInputsMayHaveChanged()
{
    if (whatIf_ && started_ && !closing_) {
        whatIf_->follow();
        sensitivity_->follow();
        tolerances_->follow();
    }
    if (live_ && started_ && !closing_ && currentMode_ == SheetMode::Design)
        live_->designMayHaveChanged();
}

void MainWindow::showResults()
{
    results_->show(workspace_.design, workspace_.results);
    image_->setAccessibleDescription(
        DesignInWords(workspace_.design, workspace_.list.shownName(workspace_.list.CurrentDesign)));
    if (details_ && details_->isVisible())
        showResultDetailsValues();
}

void MainWindow::showResultDetailsValues()
{
    details_->showValues(workspace_.design, workspace_.results, ResultsOfCurrentDesign(workspace_),
                         workspace_.list.shownName(workspace_.list.CurrentDesign));
}

ResultDetailsWindow *MainWindow::resultDetails()
{
    if (!details_)
        details_ = new ResultDetailsWindow(help_, this);
    return details_;
}

void MainWindow::ExportRunFile()
{
    // Beside the design's own file, when it has one.
    const DesignSlot &entry = workspace_.list.current();
    QString initial = entry.DesignName + QStringLiteral(" run.csv");
    if (!entry.DesignPath.isEmpty())
        initial = QDir(QFileInfo(entry.DesignPath).absolutePath()).filePath(initial);
    const QString path = AskPathToWrite(prompter_, tr("Export run"),
                                        {tr("Samples of every step (CSV)|*.csv"),
                                         tr("Charts (PNG picture)|*.png"),
                                         tr("Charts (SVG drawing)|*.svg"),
                                         tr("Charts (PDF document)|*.pdf")},
                                        initial);
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WriteOutcome outcome = ExportRun(workspace_, path);
    QApplication::restoreOverrideCursor();
    if (!outcome.ok)
        prompter_.message(outcome.shownError(), FileErrorCaption());
}

void MainWindow::ShowResultDetails()
{
    ResultDetailsWindow *details = resultDetails();
    showResultDetailsValues();
    details->show();
    details->raise();
}

void MainWindow::VPSet()
{
    SwitchMode(currentMode_, SheetMode::Design);
    RefreshMode(0, 0, SheetMode::Design);
    design_->disableApply();
}

void MainWindow::VPBuild()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SwitchMode(currentMode_, SheetMode::Build);
    build_->disableStepping();
    RefreshMode(0, 0, SheetMode::Build);
    QApplication::restoreOverrideCursor();
}

void MainWindow::VPProperties()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SwitchMode(currentMode_, SheetMode::Analyze);
    RefreshMode(0, 0, SheetMode::Analyze);
    QApplication::restoreOverrideCursor();
}

void MainWindow::VPDynamic()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SwitchMode(currentMode_, SheetMode::Simulate);
    EnterSimulateMode(workspace_);
    dialogs_->preferences()->stepSizeField()->setText(workspace_.design.StepSize);
    RefreshMode(0, 0, SheetMode::Simulate);
    QApplication::restoreOverrideCursor();
}

void MainWindow::VPRace()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SwitchMode(currentMode_, SheetMode::Race);
    RefreshMode(0, 0, SheetMode::Race);
    QApplication::restoreOverrideCursor();
}

void MainWindow::VPPreview()
{
    PreviewIndex = 1;
    preview_->reset();
    SwitchMode(currentMode_, SheetMode::Preview);
    RefreshMode(0, 0, SheetMode::Preview);
}

void MainWindow::VPPrint()
{
    SwitchMode(currentMode_, SheetMode::Print);
    PaperPrototypeDialog *dialog = dialogs_->paperPrototype();
    dialog->show();
    dialog->raise();
}

bool MainWindow::leavePrintTemplates()
{
    if (currentMode_ != SheetMode::Print || closing_)
        return false;
    SwitchMode(SheetMode::Print, SheetMode::Design);
    RefreshMode(0, 0, SheetMode::Design);
    return true;
}

void MainWindow::WindowResized()
{
    if (!started_ || closing_ || QCoreApplication::closingDown())
        return;
    computeScale();
    if (currentMode_ == SheetMode::Print)
        SwitchMode(SheetMode::Print, SheetMode::Design);
    RefreshMode(0, 0, currentMode_);
}

void MainWindow::fitPanelsToWidth(int width)
{
    // A narrow window puts the mode buttons under the design list and lets the Design panel
    // take more lines, so that no button or caption is squeezed below its size. A window wide
    // enough keeps the one-line strips.
    const QMargins margins = processRow_->contentsMargins();
    int oneLine = margins.left() + margins.right();
    int lines = 0;
    for (int i = 0; i < processRow_->count(); ++i)
        if (QLayout *part = processRow_->itemAt(i)->layout()) {
            oneLine += part->sizeHint().width() + (lines ? 16 : 0);
            ++lines;
        }
    const bool stacked = width < oneLine;
    processRow_->setDirection(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    processRow_->setSpacing(stacked ? 2 : 16);
    for (int i = 0; i < processRow_->count(); ++i)
        if (QLayout *part = processRow_->itemAt(i)->layout())
            processRow_->setAlignment(part, stacked ? Qt::AlignLeft : Qt::Alignment());
    process_->setFixedHeight(stacked ? processRow_->sizeHint().height() : ProcessPanelHeight);

    const int designHeight = design_->fitToWidth(width);
    states_->setFixedHeight(std::max(StateAreaHeight, designHeight));
    centralWidget()->layout()->activate();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    fitPanelsToWidth(event->size().width());
    QMainWindow::resizeEvent(event);
    WindowResized();
}

// ---------------------------------------------------------------------------------------------
// Design list and closing

void MainWindow::designRebuilt()
{
    // Another design is in memory: the steps of the one before do not apply to it.
    history_.clear(workspace_.list.current().DesignSaved);
    historySlot_ = workspace_.list.CurrentDesign;
    design_->ResetParameters();
    design_->syncMaterialCombos();
    design_->syncDesignControls();
    dialogs_->preferences()->LoadFromDesign();
    SwitchMode(currentMode_, SheetMode::Design);
    RefreshMode(0, 0, SheetMode::Design);
}

void MainWindow::afterListOperation()
{
    DesignList &list = workspace_.list;
    // Selecting a new design that was never saved keeps the design in memory but not its entry.
    if (list.CurrentDesign != historySlot_) {
        history_.clear(list.current().DesignSaved);
        historySlot_ = list.CurrentDesign;
    }
    // Saved or read just now: this is the state undo comes back to as unchanged.
    if (list.current().DesignSaved)
        history_.markSaved();
    listBar_->sync();
    design_->syncDesignControls();
    updateTitle();
    journal_->follow();
}

void MainWindow::historyRestored()
{
    // The controls show the design put back; typed sizes waiting for Apply are dropped, as
    // they are when another design comes in.
    design_->ResetParameters();
    dialogs_->preferences()->LoadFromDesign();
    if (currentMode_ == SheetMode::Print)
        SwitchMode(SheetMode::Print, SheetMode::Design);
    RefreshMode(0, 0, currentMode_);
    listBar_->sync();
}

bool MainWindow::mayEdit() const
{
    return started_ && !closing_ && !design_->sheetEditing().toolActive() && !design_->sheetEditing().locked();
}

void MainWindow::Undo()
{
    if (mayEdit())
        history_.undo();
}

void MainWindow::Redo()
{
    if (mayEdit())
        history_.redo();
}

void MainWindow::EditPoints()
{
    if (!mayEdit())
        return;
    // The points are the Design mode's drawing; the sheet shows what they become there.
    if (currentMode_ != SheetMode::Design)
        VPSet();
    design_->sheetEditing().EditPoints();
}

void MainWindow::updateTitle()
{
    if (!started_) {
        setWindowTitle(ProgramTitle);
        return;
    }
    const DesignList &list = workspace_.list;
    const QString changed = list.current().DesignSaved ? QString() : QStringLiteral("*");
    setWindowTitle(list.shownName(list.CurrentDesign) + changed + QStringLiteral(" - ") + ProgramTitle);
}

void MainWindow::editStateChanged()
{
    const bool free = mayEdit();
    if (QAction *undo = action(QStringLiteral("UndoPos"))) {
        const bool can = free && history_.canUndo();
        undo->setEnabled(can);
        undo->setText(can ? tr("Undo %1").arg(history_.undoText()) : tr("Undo"));
    }
    if (QAction *redo = action(QStringLiteral("RedoPos"))) {
        const bool can = free && history_.canRedo();
        redo->setEnabled(can);
        redo->setText(can ? tr("Redo %1").arg(history_.redoText()) : tr("Redo"));
    }
    updateTitle();
}

bool MainWindow::OpenDesignFile(const QString &path)
{
    if (!mayEdit())
        return false;
    if (!goesOn(ops_.PromptUnsaved())) {
        afterListOperation();
        return false;
    }
    const bool opened = ops_.OpenDesignFile(QFileInfo(path).absoluteFilePath());
    if (opened)
        workspace_.list.current().DesignSaved = true;
    afterListOperation();
    return opened;
}

void MainWindow::OpenNamedFiles(const QStringList &arguments)
{
    for (const QString &argument : arguments)
        if (!argument.startsWith(QLatin1Char('-')) && !OpenDesignFile(argument))
            break;
}

void MainWindow::fillRecentMenu(QMenu *menu)
{
    menu->clear();
    const QStringList files = memory_->recentFiles();
    int number = 0;
    for (const QString &file : files) {
        ++number;
        // The number is the item's key; an ampersand in a file name is shown, not taken as one.
        QString text = QDir::toNativeSeparators(file);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *item = menu->addAction((number < 10 ? QStringLiteral("&%1  ").arg(number)
                                                     : QStringLiteral("1&0  ")) + text);
        item->setObjectName(QStringLiteral("RecentFile%1").arg(number));
        item->setData(file);
        connect(item, &QAction::triggered, this, [this, file] {
            if (!QFileInfo::exists(file)) {
                // A file moved or deleted since is no use in the list.
                prompter_.message(tr("The design file %1 is no longer there.").arg(QDir::toNativeSeparators(file)),
                                  tr("File not found"));
                memory_->removeRecentFile(file);
                return;
            }
            OpenDesignFile(file);
        });
    }
    if (files.isEmpty()) {
        QAction *none = menu->addAction(tr("No recent files"));
        none->setEnabled(false);
        return;
    }
    menu->addSeparator();
    QAction *clear = menu->addAction(tr("Clear Recent Files"));
    clear->setObjectName(QStringLiteral("ClearRecentPos"));
    connect(clear, &QAction::triggered, this, [this] { memory_->clearRecentFiles(); });
}

void MainWindow::rememberGeometry()
{
    if (started_)
        memory_->setWindowGeometry(saveGeometry());
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (started_ && !droppedDesigns(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList files = droppedDesigns(event->mimeData());
    if (!started_ || files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Each goes through the prompt and into the list; the last one dropped is the one shown.
    for (const QString &file : files)
        if (!OpenDesignFile(file))
            break;
}

void MainWindow::Quit()
{
    if (!ops_.MayQuit()) {
        afterListOperation();
        return;
    }
    rememberGeometry();
    closing_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (closing_ || !started_) {
        closing_ = true;
        player_.stop();
        live_->setActive(false);
        event->accept();
        return;
    }
    if (ops_.MayQuit()) {
        rememberGeometry();
        closing_ = true;
        player_.stop();
        live_->setActive(false);
        event->accept();
        QCoreApplication::quit();
    } else {
        afterListOperation();
        event->ignore();
    }
}

} // namespace zindle
