// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the physics chain asks the window to do between its steps (WindowRefreshHooks, one per
// refresh), and what the Analyze, Simulate and Race pictures keep between refreshes
// (PhysicsViews, one per window): the sheet without the force picture, the force picture, the
// race timer, the Advisories window and the Power Designer.
//
// A refresh computes to its end and returns. The hooks paint at once what needs no animation;
// the growing element grid, the frames of the entire cycle and the race's ticks are queued on
// the window's player (RefreshPlayer.h), and so is everything a refresh paints after them, in
// its order. The player plays them once the refresh has returned; a new refresh, a mode switch
// or a modal dialog stops it first.

#include "app/DesignHistory.h"
#include "app/RefreshChain.h"
#include "RefreshPlayer.h"
#include "sheet/ForcePicture.h"

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zindle {

class AdvisoriesWindow;
class MainWindow;
class PowerDesignerDialog;

class PhysicsViews : public QObject {
    Q_OBJECT
public:
    explicit PhysicsViews(MainWindow &window);
    ~PhysicsViews() override;

    // The window calls these: a refresh's pictures have been played, the mode changed.
    void refreshFinished(SheetMode mode);
    void modeSwitched();

    // The dynamic panel's buttons.
    void RewindDynamicBtnClick();
    void StepDynamicBtnClick();
    void ToEndDynamicBtnClick();
    // The element size slider moved to `position` (0 = 1 inch ... 5 = 1/32 inch).
    void ElementSizeChanged(int position);
    // Modes menu "Power Designer...".
    void ShowPowerDesigner();
    // Makes `change` to the design as one history step named `name` (the end of a Power Designer
    // sweep, a click on its design map, its "Use best") and shows Simulate for it, or, without
    // `simulate`, refreshes the mode the window is in; false, changing nothing, while the design
    // may not be changed (a sheet tool or another action holds it, closing).
    bool changeDesignAndSimulate(const QString &name, const std::function<void(DesignRecord &)> &change,
                                 bool simulate);

    AdvisoriesWindow *advisories() const { return advisories_; }
    PowerDesignerDialog *powerDesigner() const { return powerDesigner_; }
    // Milliseconds between the race's ticks, by the speed slider.
    int raceInterval() const;
    bool raceRunning() const { return raceRunning_; }
    // When set, the race ticks at this interval instead of the speed slider's (tests).
    int raceIntervalOverride = 0;

    // The picture of the physics modes, shared by the refresh hooks.
    ForcePicture forces;
    QImage base;           // the sheet without the force picture
    bool baseValid = false;
    // Paints `base` plus the force picture into the sheet and shows it.
    void presentForces();
    void syncSimulatePanel();

private:
    friend class WindowRefreshHooks;
    MainWindow &window_;
    // A whole sweep is one step of the design's history.
    std::optional<DesignEdit> sweepEdit_;
    bool raceRunning_ = false;
    AdvisoriesWindow *advisories_ = nullptr;
    PowerDesignerDialog *powerDesigner_ = nullptr;
};

class WindowRefreshHooks : public RefreshHooks {
public:
    WindowRefreshHooks(MainWindow &window, SheetMode mode);
    void clearSheet(Workspace &, SheetMode mode) override;
    void paintDesign(Workspace &) override;
    void paintBuildView(Workspace &) override;
    void showTemplatePreview(Workspace &) override;
    void paintBodyRegions(Workspace &) override;
    bool wantsElements() const override;
    void showElements(Workspace &, const std::vector<GridElement> &) override;
    void drawCentroidMarker(Workspace &) override;
    void drawDriveArrow(Workspace &, int direction) override;
    void showNormalForces(Workspace &, float mass, float otherLoad, float driveLoad) override;
    void simulationStarting(Workspace &) override;
    bool wantsSimulationFrames() const override { return true; }
    void showSimulationFrame(Workspace &, const SimulationFrame &) override;
    void runRace(Workspace &workspace) override;

    bool drawsBuildView = true;

private:
    // Paints now, or after the animation queued before it. What is queued outlives these hooks
    // (one per refresh): it holds the window and its views, never the hooks.
    void paint(const std::function<void()> &step);
    static void saveBase(MainWindow &window, PhysicsViews &views);
    static void presentFrame(MainWindow &window, PhysicsViews &views, Workspace &workspace,
                             const SimulationFrame &frame);
    MainWindow &window_;
    PhysicsViews &views_;
    RefreshPlayer &player_;
    SheetMode mode_;
    // The entire cycle's frames, recorded as the run hands them over and played afterwards.
    std::shared_ptr<std::vector<SimulationFrame>> cycle_;
};

} // namespace zindle
