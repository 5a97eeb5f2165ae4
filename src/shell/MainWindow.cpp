#include "MainWindow.h"

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
#include "WindowRefreshHooks.h"
#include "dialogs/ConvertDialog.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "geometry/SheetScale.h"

#include <QAction>
#include <QBoxLayout>
#include <QApplication>
#include <QCloseEvent>
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
} // namespace

MainWindow::MainWindow(Workspace &workspace, Prompter &prompter, QWidget *parent)
    : QMainWindow(parent), SimulateStep(workspace.simulation.SimulateStep), workspace_(workspace),
      prompter_(prompter),
      ops_(workspace, prompter, [this] { designRebuilt(); }),
      help_(findHelpFolder(QCoreApplication::applicationDirPath())),
      background_(DefaultBackgroundColor),
      results_(std::make_unique<ResultFieldsView>(help_))
{
    setObjectName(QStringLiteral("TRPWin"));
    setWindowTitle(QStringLiteral("Zindle 4.1"));
    setMinimumSize(540, 440);

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
    layout->addWidget(image_, 1);
    image_->setMouseHandler(&design_->sheetEditing());
    setCentralWidget(central);
    buildMainMenus(*this);
    dialogs_ = std::make_unique<WindowDialogs>(*this);
    views_ = std::make_unique<PhysicsViews>(*this);

    listBar_->sync();
    design_->syncMaterialCombos();
    design_->syncDesignControls();
}

MainWindow::~MainWindow()
{
    closing_ = true;
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

void MainWindow::OpenDesignFile(const QString &path)
{
    if (goesOn(ops_.PromptUnsaved()) && ops_.OpenDesignFile(path))
        workspace_.list.current().DesignSaved = true;
    afterListOperation();
}

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
    // Without a window manager (a bare X server) the maximised state is not honoured; taking
    // the screen's available area first gives the same window either way.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
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
    RefreshMode(0, 0, SheetMode::Design);
}

// ---------------------------------------------------------------------------------------------
// Modes

void MainWindow::SwitchMode(SheetMode from, SheetMode to)
{
    if (from == to)
        return;
    views_->modeSwitched();
    PreviewIndex = 1;
    preview_->modeSwitched();
    SimulateStep = 0;
    Built3DStage = 0;
    build_->modeSwitched();
    HighlightedPart = -1;

    panels_->leave(from);
    currentMode_ = to;
    panels_->enter(to);
    applyPanelColours();
    modeButtons_->check(to);
}

QPoint MainWindow::imageOrigin() const { return image_->mapTo(centralWidget(), QPoint(0, 0)); }

void MainWindow::paintEmptySheet(SheetMode mode)
{
    image_->fitCanvas();
    PaintEmptySheet(image_->canvas(), mode, workspace_.scale, background_, width());
    image_->update();
}

void MainWindow::computeScale()
{
    WindowGeometry window;
    const QRect frame = frameGeometry();
    window.outerWidth = frame.width();
    window.outerHeight = frame.height();
    const QPoint imagePos = imageOrigin();
    window.imageLeft = imagePos.x();
    window.imageTop = imagePos.y();
    window.clientWidth = centralWidget()->width();
    window.clientHeight = centralWidget()->height();
    workspace_.scale = ComputeSheetScale(window, printerDpi_, printerDpi_, workspace_.scale.PreviewZoom,
                                         workspace_.scale.PreviewOffsetX);
}

void MainWindow::RefreshMode(int toPrinter, int whichTemplate, SheetMode mode)
{
    Q_UNUSED(whichTemplate);
    if (observer_)
        observer_->refreshStarting(mode);
    const unsigned generation = views_->refreshStarting();
    // The sheet is drawn afresh, so no part is outlined on it any more.
    HighlightedPart = -1;
    image_->fitCanvas();
    WindowRefreshHooks hooks(*this, mode);
    // The build view is drawn on the screen only; a printer pass prepares the sheet alone.
    hooks.drawsBuildView = toPrinter == 0;
    zindle::RefreshMode(workspace_, mode, hooks);
    showResults();
    design_->syncDesignControls();
    image_->update();
    views_->refreshFinished(mode, generation);
}

void MainWindow::showResults() { results_->show(workspace_.design, workspace_.results); }

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
    design_->ResetParameters();
    design_->syncMaterialCombos();
    design_->syncDesignControls();
    dialogs_->preferences()->LoadFromDesign();
    SwitchMode(currentMode_, SheetMode::Design);
    RefreshMode(0, 0, SheetMode::Design);
}

void MainWindow::afterListOperation()
{
    listBar_->sync();
    design_->syncDesignControls();
}

void MainWindow::Quit()
{
    if (!ops_.MayQuit()) {
        afterListOperation();
        return;
    }
    closing_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (closing_ || !started_) {
        closing_ = true;
        event->accept();
        return;
    }
    if (ops_.MayQuit()) {
        closing_ = true;
        event->accept();
        QCoreApplication::quit();
    } else {
        afterListOperation();
        event->ignore();
    }
}

} // namespace zindle
