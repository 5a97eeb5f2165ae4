// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "sheet/SheetPalette.h"

#include <QLineEdit>
#include <QPainter>
#include <QSlider>

namespace zindle {

// ---------------------------------------------------------------------------------------------
// PhysicsViews

PhysicsViews::PhysicsViews(MainWindow &window) : window_(window)
{
    advisories_ = new AdvisoriesWindow(&window);
    powerDesigner_ = new PowerDesignerDialog(window.workspace(), window.workers(), window.prompter(), &window);
    powerDesigner_->beforeSweep = [this] {
        if (window_.CurrentMode() != SheetMode::Simulate)
            window_.VPDynamic();
    };
    // The one-by-one sweep writes every combination into the design: all of it is one step.
    powerDesigner_->watchedSweepStarting = [this] { sweepEdit_.emplace(window_.history().begin()); };
    powerDesigner_->afterSweep = [this] {
        if (sweepEdit_)
            sweepEdit_->commit(tr("Power Designer sweep"));
        sweepEdit_.reset();
    };
    powerDesigner_->runSimulateChain = [this] { window_.RefreshMode(0, 0, SheetMode::Simulate); };
    powerDesigner_->changeDesign = [this](const QString &name, const std::function<void(DesignRecord &)> &change,
                                          PowerDesignerDialog::ShowChange where) {
        return changeDesignAndSimulate(name, change, where == PowerDesignerDialog::ShowChange::InSimulate);
    };
    powerDesigner_->showsSimulate = [this] { return window_.CurrentMode() == SheetMode::Simulate; };
    powerDesigner_->showSimulate = [this] {
        if (window_.mayEdit() && window_.CurrentMode() != SheetMode::Simulate)
            window_.VPDynamic();
    };
    if (auto *slider = window.findChild<QSlider *>(QStringLiteral("RaceSlider"))) {
        connect(slider, &QSlider::valueChanged, this, [this](int position) {
            // The new speed applies from the next tick of a running race.
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
    powerDesigner_->changeDesign = nullptr;
    powerDesigner_->showsSimulate = nullptr;
    powerDesigner_->showSimulate = nullptr;
}

bool PhysicsViews::changeDesignAndSimulate(const QString &name, const std::function<void(DesignRecord &)> &change,
                                           bool simulate)
{
    // A sheet tool in use, or an action that holds the design (a modal dialog, a one-by-one
    // sweep), owns it; sizes put in under it would mix with its change.
    if (window_.closing() || !window_.mayEdit() || window_.history().editOpen())
        return false;
    DesignEdit edit = window_.history().begin();
    change(window_.workspace().design);
    window_.workspace().MarkDesignChanged();
    if (simulate && window_.CurrentMode() != SheetMode::Simulate)
        window_.VPDynamic();
    else
        window_.RefreshMode(0, 0, window_.CurrentMode());
    edit.commit(name);
    window_.afterListOperation();
    return true;
}

int PhysicsViews::raceInterval() const
{
    if (raceIntervalOverride > 0)
        return raceIntervalOverride;
    const auto *slider = window_.findChild<QSlider *>(QStringLiteral("RaceSlider"));
    return raceTimerInterval(slider ? slider->value() : 1);
}

void PhysicsViews::modeSwitched()
{
    powerDesigner_->stopWatchedSweep(tr("The sweep stopped when the window left Simulate."));
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
    ResetSimulationButtons(window_.workspace().simulation);
}

void PhysicsViews::refreshFinished(SheetMode mode)
{
    Workspace &ws = window_.workspace();
    if (mode == SheetMode::Design || mode == SheetMode::Build || mode == SheetMode::Analyze || mode == SheetMode::Simulate)
        advisories_->sync(ws.advisories);
    if (mode == SheetMode::Simulate)
        syncSimulatePanel();
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
    syncSimulatePanel();
}

void PhysicsViews::StepDynamicBtnClick()
{
    SimulationState &state = window_.workspace().simulation;
    if (window_.CurrentMode() != SheetMode::Simulate || !state.StepEnabled)
        return;
    window_.player().stop();
    WindowRefreshHooks hooks(window_, SheetMode::Simulate);
    StepSimulation(window_.workspace(), hooks);
    window_.showResults();
    syncSimulatePanel();
}

void PhysicsViews::ToEndDynamicBtnClick()
{
    SimulationState &state = window_.workspace().simulation;
    if (window_.CurrentMode() != SheetMode::Simulate || !state.ToEndEnabled)
        return;
    // The buttons show the run's state while the cycle plays.
    ViewEntireCycle(window_.workspace(), [this] {
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
    // Opening it changes nothing: the sizes a sweep writes are marked by its step.
    window_.afterListOperation();
}

// ---------------------------------------------------------------------------------------------
// WindowRefreshHooks

WindowRefreshHooks::WindowRefreshHooks(MainWindow &window, SheetMode mode)
    : window_(window), views_(window.views()), player_(window.player()), mode_(mode)
{
}

void WindowRefreshHooks::paint(const std::function<void()> &step) { player_.then(step); }

void WindowRefreshHooks::saveBase(MainWindow &window, PhysicsViews &views)
{
    if (!views.baseValid) {
        views.base = window.image_->canvas().copy();
        views.baseValid = true;
    }
}

void WindowRefreshHooks::clearSheet(Workspace &, SheetMode mode)
{
    paint([&window = window_, &views = views_, mode] {
        views.forces.hideAll();
        views.baseValid = false;
        window.paintEmptySheet(mode);
    });
}

void WindowRefreshHooks::paintDesign(Workspace &workspace)
{
    paint([&window = window_, &views = views_, &workspace] {
        QPainter painter(&window.image_->canvas());
        PaintDesignParts(painter, workspace, PaintTarget::Screen, false, {}, sheetPalette(workspace.highContrastSheet));
    });
}

void WindowRefreshHooks::paintBuildView(Workspace &)
{
    if (drawsBuildView)
        window_.build_->drawView();
}

void WindowRefreshHooks::showTemplatePreview(Workspace &) { window_.preview_->showPrepared(); }

void WindowRefreshHooks::paintBodyRegions(Workspace &workspace)
{
    paint([&window = window_, &views = views_, &workspace] {
        QPainter painter(&window.image_->canvas());
        const SheetPalette &palette = sheetPalette(workspace.highContrastSheet);
        // Silver body, so that the white and grey element edges of the analysis show on it.
        PaintOuterLayer(painter, workspace, PaintTarget::Screen, SilverColor);
        PaintInnerLayer(painter, workspace, PaintTarget::Screen, QColor(160, 160, 160));
        PaintGroundBand(painter, workspace.scale, PaintTarget::Screen);
        PaintDriveWheels(painter, workspace, PaintTarget::Screen, palette);
        PaintOtherWheels(painter, workspace, PaintTarget::Screen, palette);
        PaintSpring(painter, workspace, PaintTarget::Screen);
        PaintDriveAxle(painter, workspace, PaintTarget::Screen, palette);
        PaintOtherAxle(painter, workspace, PaintTarget::Screen, palette);
    });
}

bool WindowRefreshHooks::wantsElements() const { return mode_ == SheetMode::Analyze; }

void WindowRefreshHooks::showElements(Workspace &workspace, const std::vector<GridElement> &counted)
{
    if (counted.empty())
        return;
    // The grid grows on the sheet a batch per tick, from the elements the analysis counted.
    auto elements = std::make_shared<const std::vector<GridElement>>(counted);
    auto next = std::make_shared<size_t>(0);
    const int g = workspace.mass.ElementSize;
    const SheetScale scale = workspace.scale;
    player_.add({[&window = window_, &views = views_, elements, next, g, scale] {
                     {
                         QPainter painter(&window.image_->canvas());
                         *next = PaintGridBatch(painter, scale, g, *elements, *next);
                     }
                     window.image_->update();
                     return *next < elements->size();
                 },
                 nullptr, nullptr});
}

void WindowRefreshHooks::drawCentroidMarker(Workspace &workspace)
{
    if (!workspace.regions.OuterLayerBuilt || !workspace.mass.computed)
        return;
    const float x = workspace.mass.CentroidX, y = workspace.mass.CentroidY;
    paint([&window = window_, &views = views_, &workspace, x, y] {
        QPainter painter(&window.image_->canvas());
        DrawCentroidMarker(painter, workspace.scale, x, y);
    });
}

void WindowRefreshHooks::drawDriveArrow(Workspace &workspace, int)
{
    const DriveKind drive = workspace.design.Drive;
    paint([&window = window_, &views = views_, &workspace, drive] {
        QPainter painter(&window.image_->canvas());
        DrawDriveArrow(painter, workspace.scale, drive, sheetPalette(workspace.highContrastSheet));
    });
}

void WindowRefreshHooks::showNormalForces(Workspace &workspace, float mass, float otherLoad, float driveLoad)
{
    paint([&window = window_, &views = views_, &workspace, mass, otherLoad, driveLoad] {
        saveBase(window, views);
        ShowNormalForces(views.forces, workspace, mass, otherLoad, driveLoad,
                         sheetPalette(workspace.highContrastSheet));
        views.presentForces();
    });
}

void WindowRefreshHooks::simulationStarting(Workspace &)
{
    if (mode_ != SheetMode::Simulate)
        return;
    paint([&window = window_, &views = views_] {
        saveBase(window, views);
        views.forces.hideNormalForces();
        views.presentForces();
    });
}

void WindowRefreshHooks::presentFrame(MainWindow &window, PhysicsViews &views, Workspace &workspace,
                                      const SimulationFrame &frame)
{
    saveBase(window, views);
    ShowSimulationFrame(views.forces, workspace, frame, sheetPalette(workspace.highContrastSheet));
    views.presentForces();
    if (auto *panel = window.findChild<SimulatePanel *>())
        panel->showFrame(frame);
    window.charts().followFrame(frame);
}

void WindowRefreshHooks::showSimulationFrame(Workspace &workspace, const SimulationFrame &frame)
{
    if (mode_ != SheetMode::Simulate)
        return;
    if (workspace.simulation.SimulateStep != FrameEntireCycle) {
        paint([&window = window_, &views = views_, &workspace, frame] { presentFrame(window, views, workspace, frame); });
        return;
    }
    // The entire cycle plays a frame per tick once the run has ended.
    if (!cycle_) {
        cycle_ = std::make_shared<std::vector<SimulationFrame>>();
        auto next = std::make_shared<size_t>(0);
        player_.add({[&window = window_, &views = views_, &workspace, frames = cycle_, next] {
                         if (*next < frames->size())
                             presentFrame(window, views, workspace, (*frames)[(*next)++]);
                         return *next < frames->size();
                     },
                     nullptr, nullptr});
    }
    cycle_->push_back(frame);
}

void WindowRefreshHooks::runRace(Workspace &workspace)
{
    // The race is run to its end now, from the recorded traces; its ticks are played after.
    RaceState &race = workspace.race;
    const RaceGeometry geometry = raceGeometry(workspace);
    StartRace(race);
    auto ticks = std::make_shared<std::vector<std::vector<RaceBar>>>();
    // The bound of RunRaceToEnd: a race over 1001 samples ends within 201 ticks.
    for (int tick = 0; tick < 10000 && !race.raceOver; ++tick)
        ticks->push_back(RaceTick(race, workspace.list, geometry));
    auto next = std::make_shared<size_t>(0);
    views_.raceRunning_ = true;
    player_.add({[&window = window_, &views = views_, &workspace, ticks, next, geometry] {
                     if (*next < ticks->size()) {
                         const bool firstTick = *next == 0;
                         const std::vector<RaceBar> &bars = (*ticks)[(*next)++];
                         QPainter painter(&window.image_->canvas());
                         PaintRaceBars(painter, bars);
                         PaintLaneNames(painter, bars, workspace.list, geometry, firstTick,
                                        sheetPalette(workspace.highContrastSheet));
                     }
                     window.image_->update();
                     return *next < ticks->size();
                 },
                 [&window = window_, &views = views_, &workspace, geometry](bool completed) {
                     views.raceRunning_ = false;
                     // A race left before its end shows no results.
                     if (!completed)
                         return;
                     QPainter painter(&window.image_->canvas());
                     PaintRaceResults(painter, workspace.race, workspace.list, geometry,
                                      sheetPalette(workspace.highContrastSheet));
                     window.image_->update();
                 },
                 [&window = window_, &views = views_] { return views.raceInterval(); }});
}

} // namespace zindle
