// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refresh of every mode. Analyze, Simulate and Race: build the car, prepare the sheet
// (scale, outline copies, part regions, connectivity facts), then the mode's own steps in
// their fixed order, each reading what the one before wrote. Nothing of an earlier refresh is
// reused except the race traces of other designs. Design and Build: the sheet, the build,
// the part regions and the advisories; Preview and Print Templates: the templates' sheet and
// build.
//
// The chain computes only; whatever the window draws or does between the steps goes through
// RefreshHooks, whose default does nothing (and runs the race to its end at once), so the
// command line, the tests and the benchmarks run the same chain without a window.

#include "app/Workspace.h"
#include "physics/Forces.h"
#include "physics/MassBalance.h"
#include "physics/Simulation.h"

#include <functional>
#include <vector>

namespace zindle {

class RefreshHooks {
public:
    virtual ~RefreshHooks() = default;
    // The car is built and the sheet prepared (scale, outline copies, part regions): clear it
    // for `mode`.
    virtual void clearSheet(Workspace &, SheetMode /*mode*/) {}
    // Design mode: the part regions are rebuilt; paint the design on the cleared sheet.
    virtual void paintDesign(Workspace &) {}
    // Build mode: the part regions are rebuilt; draw the 3D build view.
    virtual void paintBuildView(Workspace &) {}
    // Preview mode: the templates are prepared; show the template the preview is at.
    virtual void showTemplatePreview(Workspace &) {}
    virtual void paintBodyRegions(Workspace &) {}
    // The mass analysis' counted elements (only asked for when wantsElements() is true).
    virtual bool wantsElements() const { return false; }
    virtual void showElements(Workspace &, const std::vector<GridElement> &) {}
    virtual void drawCentroidMarker(Workspace &) {}
    virtual void drawDriveArrow(Workspace &, int /*direction*/) {}
    virtual void showNormalForces(Workspace &, float /*mass*/, float /*otherLoad*/, float /*driveLoad*/) {}
    // A run is about to start from the results of the revolutions step; a window hides its
    // normal-force markers here.
    virtual void simulationStarting(Workspace &) {}
    // Every frame the simulation shows in Simulate mode (all of them for the entire cycle); a
    // window records them here and plays them once the refresh has returned.
    virtual bool wantsSimulationFrames() const { return false; }
    virtual void showSimulationFrame(Workspace &, const SimulationFrame &) {}
    // Runs the race over the recorded traces to its end. A window records its ticks on the
    // way, to play them afterwards.
    virtual void runRace(Workspace &workspace);
};

// The mass, centroid offsets and wheelbase the force rules use: the mass as ProjectedMassEF
// reads, the rest as the last mass analysis left them.
Balance currentBalance(const Workspace &workspace);
// The race track units of the workspace's scale.
RaceGeometry raceGeometry(const Workspace &workspace);

// The torque step: maximum torque, static propulsion and spring mass, then the mass and balance
// analysis for `mode` when the body outline exists.
// Each step takes the design's numbers the refresh parsed after the build; run on its own, it
// parses them where it begins.
void RunTorqueStep(Workspace &workspace, const DesignNumbers &numbers, SheetMode mode, RefreshHooks &hooks);
void RunTorqueStep(Workspace &workspace, SheetMode mode, RefreshHooks &hooks);
// The revolutions step: revolutions, powered distance and the at-rest loads.
void RunRevolutionsStep(Workspace &workspace, const DesignNumbers &numbers);
void RunRevolutionsStep(Workspace &workspace);
// RunSimulation for the current design with the workspace's state.
SimulationOutcome RunWorkspaceSimulation(Workspace &workspace, const DesignNumbers &numbers, int frame,
                                         SheetMode currentMode, RefreshHooks &hooks);
SimulationOutcome RunWorkspaceSimulation(Workspace &workspace, int frame, SheetMode currentMode,
                                         RefreshHooks &hooks);

// The whole refresh of `mode`. The caller sets Workspace::scale first (HeadlessSheetScale()
// without a window) and, for Simulate, SimulateStep (the frame to show).
void RefreshMode(Workspace &workspace, SheetMode mode, RefreshHooks &hooks);
void RefreshMode(Workspace &workspace, SheetMode mode);

// The whole refresh of Analyze, Simulate or Race; other modes do nothing here. The caller sets Workspace::scale first (HeadlessSheetScale() without a window) and,
// for Simulate, SimulateStep (the frame to show).
void RefreshPhysicsMode(Workspace &workspace, SheetMode mode, RefreshHooks &hooks);
void RefreshPhysicsMode(Workspace &workspace, SheetMode mode);

// What entering Simulate mode does before its refresh: the element size goes back to "9" and
// the first frame is the one to show.
void EnterSimulateMode(Workspace &workspace);
// The dynamic panel's buttons: "Wind up the spring", "Step forward in time" and "View the
// entire cycle", each with the refresh or run it triggers.
void RewindSimulation(Workspace &workspace, RefreshHooks &hooks);
void StepSimulation(Workspace &workspace, RefreshHooks &hooks);
void ViewEntireCycle(Workspace &workspace, RefreshHooks &hooks);
// The same two transitions around a Simulate refresh the caller runs: the window's own, which
// paints and keeps its bookkeeping between the state change and the run.
void RewindSimulation(Workspace &workspace, const std::function<void()> &refreshSimulate);
void ViewEntireCycle(Workspace &workspace, const std::function<void()> &refreshSimulate);
// EnterSimulateMode and the state "View the entire cycle" sets, without the refresh: the next
// Simulate refresh runs the whole cycle and shows its end (the command line's simulate).
void PrepareEntireCycle(Workspace &workspace);

} // namespace zindle
