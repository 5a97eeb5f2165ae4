#pragma once
// What the physics chain asks the window to do between its steps (WindowRefreshHooks, one per
// refresh), and what the Analyze, Simulate and Race pictures keep between refreshes
// (PhysicsViews, one per window): the sheet without the force picture, the force picture, the
// race timer, the Advisories window and the Power Designer.
//
// Long work (the growing element grid, the entire-cycle animation, the race replay, the sweep)
// processes the window's events as it goes. Whatever the user does meanwhile that changes the
// mode, the design or the window's size starts a new refresh, which makes every refresh begun
// before it stale: a stale refresh stops drawing, ends its event loop and skips the rest of
// its chain, so only the newest refresh draws.

#include "app/DesignHistory.h"
#include "app/RefreshChain.h"
#include "sheet/ForcePicture.h"

#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace zindle {

class AdvisoriesWindow;
class MainWindow;
class PowerDesignerDialog;

class PhysicsViews : public QObject {
    Q_OBJECT
public:
    explicit PhysicsViews(MainWindow &window);
    ~PhysicsViews() override;

    // The window calls these: a refresh begins (returns its generation), a refresh ended, the
    // mode changed.
    unsigned refreshStarting();
    void refreshFinished(SheetMode mode, unsigned generation);
    void modeSwitched();

    unsigned generation() const { return generation_; }
    int modeSwitches() const { return modeSwitches_; }

    // The dynamic panel's buttons.
    void RewindDynamicBtnClick();
    void StepDynamicBtnClick();
    void ToEndDynamicBtnClick();
    // The element size slider moved to `position` (0 = 1 inch ... 5 = 1/32 inch).
    void ElementSizeChanged(int position);
    // Modes menu "Power Designer...".
    void ShowPowerDesigner();
    // Makes `change` to the design as one history step named `name` and shows Simulate for it
    // (the end of a Power Designer sweep, a click on its design map); false, changing nothing,
    // while the design may not be changed (a sheet tool or another action holds it, closing).
    bool changeDesignAndSimulate(const QString &name, const std::function<void(DesignRecord &)> &change);

    AdvisoriesWindow *advisories() const { return advisories_; }
    PowerDesignerDialog *powerDesigner() const { return powerDesigner_; }
    QTimer &raceTimer() { return raceTimer_; }
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

signals:
    // A refresh started or the mode changed: running work of an earlier refresh ends.
    void movedOn();

private:
    friend class WindowRefreshHooks;
    MainWindow &window_;
    unsigned generation_ = 0;
    int modeSwitches_ = 0;
    int sweepSwitches_ = 0;
    // A whole sweep is one step of the design's history.
    std::optional<DesignEdit> sweepEdit_;
    QTimer raceTimer_;
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
    bool stopRequested() const override;

    bool drawsBuildView = true;

private:
    void saveBase();
    MainWindow &window_;
    PhysicsViews &views_;
    SheetMode mode_;
    unsigned generation_;
};

} // namespace zindle
