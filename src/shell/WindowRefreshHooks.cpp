#include "WindowRefreshHooks.h"

#include "AnalyzePanel.h"
#include "BuildPanel.h"
#include "MainWindow.h"
#include "PreviewPanel.h"
#include "RacePanel.h"
#include "SheetImage.h"
#include "SimulatePanel.h"
#include "ChartViews.h"
#include "dialogs/AdvisoriesWindow.h"
#include "dialogs/PowerDesignerDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "model/NumberText.h"
#include "physics/Race.h"
#include "sheet/CarRenderer.h"
#include "sheet/ElementGridPainter.h"
#include "sheet/EmptySheet.h"
#include "sheet/RaceTrackPainter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>

namespace zindle {

// ---------------------------------------------------------------------------------------------
// PhysicsViews

PhysicsViews::PhysicsViews(MainWindow &window) : window_(window)
{
    raceTimer_.setInterval(100);
    advisories_ = new AdvisoriesWindow(&window);
    powerDesigner_ = new PowerDesignerDialog(window.workspace(), window.workers(), window.prompter(), &window);
    powerDesigner_->beforeSweep = [this] {
        if (window_.CurrentMode() != SheetMode::Simulate)
            window_.VPDynamic();
        sweepSwitches_ = modeSwitches_;
    };
    // The one-by-one sweep writes every combination into the design: all of it is one step.
    powerDesigner_->watchedSweepStarting = [this] { sweepEdit_.emplace(window_.history().begin()); };
    powerDesigner_->afterSweep = [this] {
        if (sweepEdit_)
            sweepEdit_->commit(QStringLiteral("Power Designer sweep"));
        sweepEdit_.reset();
    };
    powerDesigner_->runSimulateChain = [this] { window_.RefreshMode(0, 0, SheetMode::Simulate); };
    powerDesigner_->windowMovedOn = [this] { return modeSwitches_ != sweepSwitches_ || window_.closing(); };
    powerDesigner_->changeDesign = [this](const QString &name, const std::function<void(DesignRecord &)> &change) {
        return changeDesignAndSimulate(name, change);
    };
    if (auto *slider = window.findChild<QSlider *>(QStringLiteral("RaceSlider"))) {
        connect(slider, &QSlider::valueChanged, this, [this](int position) {
            // The new speed applies from the next tick of a running race.
            raceTimer_.setInterval(raceIntervalOverride > 0 ? raceIntervalOverride : raceTimerInterval(position));
            if (auto *panel = window_.findChild<RacePanel *>())
                panel->showSpeed(position);
        });
    }
}

PhysicsViews::~PhysicsViews()
{
    // The dialog outlives this object by a moment (it goes with the window's children): its
    // sweep ends now, and nothing it calls back reaches into a window being taken apart.
    powerDesigner_->abandonSweep();
    powerDesigner_->beforeSweep = nullptr;
    powerDesigner_->watchedSweepStarting = nullptr;
    powerDesigner_->afterSweep = nullptr;
    powerDesigner_->runSimulateChain = nullptr;
    powerDesigner_->windowMovedOn = nullptr;
    powerDesigner_->changeDesign = nullptr;
}

bool PhysicsViews::changeDesignAndSimulate(const QString &name, const std::function<void(DesignRecord &)> &change)
{
    // A sheet tool in use, or an action that holds the design (a modal dialog, a one-by-one
    // sweep), owns it; sizes put in under it would mix with its change.
    if (window_.closing() || !window_.mayEdit() || window_.history().editOpen())
        return false;
    DesignEdit edit = window_.history().begin();
    change(window_.workspace().design);
    window_.workspace().MarkDesignChanged();
    if (window_.CurrentMode() != SheetMode::Simulate)
        window_.VPDynamic();
    else
        window_.RefreshMode(0, 0, SheetMode::Simulate);
    edit.commit(name);
    window_.afterListOperation();
    return true;
}

unsigned PhysicsViews::refreshStarting()
{
    ++generation_;
    emit movedOn();
    return generation_;
}

void PhysicsViews::modeSwitched()
{
    ++generation_;
    ++modeSwitches_;
    emit movedOn();
    // The force picture is painted onto the sheet; a mode that does not redraw the sheet
    // (Print Templates) would keep showing it. The sheet as it was under the forces stays.
    const SheetMode leaving = window_.CurrentMode();
    if (baseValid && (leaving == SheetMode::Analyze || leaving == SheetMode::Simulate)) {
        QImage &canvas = window_.image_->canvas();
        if (base.size() == canvas.size()) {
            canvas = base.copy();
            window_.image_->update();
        }
    }
    forces.hideAll();
    baseValid = false;
    Workspace &ws = window_.workspace();
    ResetSimulationButtons(ws.simulation);
    ws.settledSimulation.settle(ws.simulation);
}

void PhysicsViews::refreshFinished(SheetMode mode, unsigned generation)
{
    Workspace &ws = window_.workspace();
    if (generation != generation_) {
        // A newer refresh ran while this one processed events; its state stands, whatever the
        // rest of this one's run set.
        ws.settledSimulation.restoreInto(ws.simulation);
        return;
    }
    if (mode == SheetMode::Design || mode == SheetMode::Build || mode == SheetMode::Analyze || mode == SheetMode::Simulate)
        advisories_->sync(ws.advisories);
    if (mode == SheetMode::Simulate) {
        ws.settledSimulation.settle(ws.simulation);
        syncSimulatePanel();
    }
}

void PhysicsViews::presentForces()
{
    SheetImage *image = window_.image_;
    QImage &canvas = image->canvas();
    if (baseValid && base.size() == canvas.size())
        canvas = base.copy();
    {
        QPainter painter(&canvas);
        PaintForcePicture(painter, forces);
    }
    image->update();
}

void PhysicsViews::syncSimulatePanel()
{
    if (auto *panel = window_.findChild<SimulatePanel *>())
        panel->sync(window_.workspace());
    window_.charts().follow(SheetMode::Simulate);
}

void PhysicsViews::RewindDynamicBtnClick()
{
    if (window_.CurrentMode() != SheetMode::Simulate)
        return;
    Workspace &ws = window_.workspace();
    RewindSimulation(ws, [this] { window_.RefreshMode(0, 0, SheetMode::Simulate); });
    ws.settledSimulation.settle(ws.simulation);
    syncSimulatePanel();
}

void PhysicsViews::StepDynamicBtnClick()
{
    SimulationState &state = window_.workspace().simulation;
    if (window_.CurrentMode() != SheetMode::Simulate || !state.StepEnabled)
        return;
    WindowRefreshHooks hooks(window_, SheetMode::Simulate);
    StepSimulation(window_.workspace(), hooks);
    window_.showResults();
    window_.workspace().settledSimulation.settle(state);
    syncSimulatePanel();
}

void PhysicsViews::ToEndDynamicBtnClick()
{
    SimulationState &state = window_.workspace().simulation;
    if (window_.CurrentMode() != SheetMode::Simulate || !state.ToEndEnabled)
        return;
    // The buttons show the run's state while the cycle plays.
    ViewEntireCycle(window_.workspace(), [this, &state] {
        window_.workspace().settledSimulation.settle(state);
        syncSimulatePanel();
        window_.RefreshMode(0, 0, SheetMode::Simulate);
    });
}

void PhysicsViews::ElementSizeChanged(int position)
{
    if (window_.CurrentMode() != SheetMode::Analyze || position < 0 || position > 5)
        return;
    DesignRecord &design = window_.workspace().design;
    const int size = truncToInt(72.0 / double(1 << position));
    bool ok = false;
    const int current = design.StepSize.trimmed().toInt(&ok);
    if (ok && current == size)
        return;
    design.StepSize = QString::number(size);
    if (PreferencesDialog *preferences = window_.preferencesDialog())
        preferences->stepSizeField()->setText(design.StepSize);
    window_.RefreshMode(0, 0, SheetMode::Analyze);
}

void PhysicsViews::ShowPowerDesigner()
{
    powerDesigner_->followDesign();
    powerDesigner_->show();
    powerDesigner_->raise();
    window_.workspace().MarkDesignChanged();
    window_.afterListOperation();
}

// ---------------------------------------------------------------------------------------------
// WindowRefreshHooks

WindowRefreshHooks::WindowRefreshHooks(MainWindow &window, SheetMode mode)
    : window_(window), views_(window.views()), mode_(mode), generation_(window.views().generation())
{
}

bool WindowRefreshHooks::stopRequested() const
{
    return generation_ != views_.generation_ || window_.closing();
}

void WindowRefreshHooks::saveBase()
{
    if (!views_.baseValid) {
        views_.base = window_.image_->canvas().copy();
        views_.baseValid = true;
    }
}

void WindowRefreshHooks::clearSheet(Workspace &, SheetMode mode)
{
    if (stopRequested())
        return;
    views_.forces.hideAll();
    views_.baseValid = false;
    window_.paintEmptySheet(mode);
}

void WindowRefreshHooks::paintDesign(Workspace &workspace)
{
    QPainter painter(&window_.image_->canvas());
    PaintDesignParts(painter, workspace, PaintTarget::Screen, false);
}

void WindowRefreshHooks::paintBuildView(Workspace &)
{
    if (drawsBuildView)
        window_.build_->drawView();
}

void WindowRefreshHooks::showTemplatePreview(Workspace &) { window_.preview_->showPrepared(); }

void WindowRefreshHooks::paintBodyRegions(Workspace &workspace)
{
    if (stopRequested())
        return;
    QPainter painter(&window_.image_->canvas());
    // Silver body, so that the white and grey element edges of the analysis show on it.
    PaintOuterLayer(painter, workspace, PaintTarget::Screen, SilverColor);
    PaintInnerLayer(painter, workspace, PaintTarget::Screen, QColor(160, 160, 160));
    PaintGroundBand(painter, workspace.scale, PaintTarget::Screen);
    PaintDriveWheels(painter, workspace, PaintTarget::Screen);
    PaintOtherWheels(painter, workspace, PaintTarget::Screen);
    PaintSpring(painter, workspace, PaintTarget::Screen);
    PaintDriveAxle(painter, workspace, PaintTarget::Screen);
    PaintOtherAxle(painter, workspace, PaintTarget::Screen);
}

bool WindowRefreshHooks::wantsElements() const { return mode_ == SheetMode::Analyze; }

void WindowRefreshHooks::showElements(Workspace &workspace, const std::vector<GridElement> &elements)
{
    const int g = workspace.mass.ElementSize;
    size_t next = 0;
    // Repainted after every batch, so the grid grows visibly and the window stays responsive.
    while (next < elements.size()) {
        if (stopRequested())
            return;
        {
            QPainter painter(&window_.image_->canvas());
            next = PaintGridBatch(painter, workspace.scale, g, elements, next);
        }
        window_.image_->update();
        QCoreApplication::processEvents();
    }
}

void WindowRefreshHooks::drawCentroidMarker(Workspace &workspace)
{
    if (stopRequested() || !workspace.regions.OuterLayerBuilt || !workspace.mass.computed)
        return;
    QPainter painter(&window_.image_->canvas());
    DrawCentroidMarker(painter, workspace.scale, workspace.mass.CentroidX, workspace.mass.CentroidY);
}

void WindowRefreshHooks::drawDriveArrow(Workspace &workspace, int)
{
    if (stopRequested())
        return;
    QPainter painter(&window_.image_->canvas());
    DrawDriveArrow(painter, workspace.scale, workspace.design.Drive);
}

void WindowRefreshHooks::showNormalForces(Workspace &workspace, float mass, float otherLoad, float driveLoad)
{
    if (stopRequested())
        return;
    saveBase();
    ShowNormalForces(views_.forces, workspace, mass, otherLoad, driveLoad);
    views_.presentForces();
}

void WindowRefreshHooks::simulationStarting(Workspace &)
{
    if (stopRequested() || mode_ != SheetMode::Simulate)
        return;
    saveBase();
    views_.forces.hideNormalForces();
    views_.presentForces();
}

void WindowRefreshHooks::showSimulationFrame(Workspace &workspace, const SimulationFrame &frame)
{
    if (stopRequested() || mode_ != SheetMode::Simulate)
        return;
    saveBase();
    ShowSimulationFrame(views_.forces, workspace, frame);
    views_.presentForces();
    if (auto *panel = window_.findChild<SimulatePanel *>())
        panel->showFrame(frame);
    window_.charts().followFrame(frame);
    if (workspace.simulation.SimulateStep == FrameEntireCycle)
        QCoreApplication::processEvents();
}

void WindowRefreshHooks::runRace(Workspace &workspace)
{
    if (stopRequested())
        return;
    RaceState &race = workspace.race;
    StartRace(race);
    QTimer &timer = views_.raceTimer_;
    int position = 1;
    if (auto *slider = window_.findChild<QSlider *>(QStringLiteral("RaceSlider")))
        position = slider->value();
    timer.setInterval(views_.raceIntervalOverride > 0 ? views_.raceIntervalOverride : raceTimerInterval(position));

    QEventLoop loop;
    const auto tick = QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (stopRequested()) {
            loop.quit();
            return;
        }
        const RaceGeometry geometry = raceGeometry(workspace);
        const std::vector<RaceBar> bars = RaceTick(race, workspace.list, geometry);
        {
            QPainter painter(&window_.image_->canvas());
            PaintRaceBars(painter, bars);
            PaintLaneNames(painter, bars, workspace.list, geometry);
        }
        window_.image_->update();
        if (race.raceOver)
            loop.quit();
    });
    const auto movedOn = QObject::connect(&views_, &PhysicsViews::movedOn, &loop, &QEventLoop::quit);
    views_.raceRunning_ = true;
    timer.start();
    loop.exec();
    timer.stop();
    views_.raceRunning_ = false;
    QObject::disconnect(tick);
    QObject::disconnect(movedOn);
    if (stopRequested() || !race.raceOver)
        return;
    QPainter painter(&window_.image_->canvas());
    PaintRaceResults(painter, race, workspace.list, raceGeometry(workspace));
    window_.image_->update();
}

} // namespace zindle
