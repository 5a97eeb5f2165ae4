// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefreshChain.h"

#include "model/NumberText.h"
#include "physics/Advisories.h"
#include "physics/BuildGeometry.h"
#include "physics/SpringTorque.h"
#include "model/Modes.h"
#include "geometry/PartRegions.h"
#include "physics/SheetPreparation.h"
#include "output/Templates.h"

namespace zindle {

void RefreshHooks::runRace(Workspace &workspace)
{
    RunRaceToEnd(workspace.race, workspace.list, raceGeometry(workspace));
}

Balance currentBalance(const Workspace &workspace)
{
    Balance balance;
    balance.mass = floatOr(workspace.results.ProjectedMassEF, 0.0f);
    balance.ahead = workspace.mass.CentroidAheadOfDriveAxle;
    balance.height = workspace.mass.CentroidHeight;
    balance.wheelbase = workspace.mass.Wheelbase;
    return balance;
}

RaceGeometry raceGeometry(const Workspace &workspace)
{
    return {workspace.scale.RaceUnitX, workspace.scale.RaceUnitY};
}

namespace {

// Results that would pretend to mean something for a design the model cannot run are left
// empty: the window shows an empty field, the command line an empty value, the report "-".
void clearTorqueResults(ResultFields &r)
{
    for (QString *field : {&r.MaxRealTorqueEF, &r.PropulsionLeftEF, &r.PropulsionRightEF, &r.SpringMassEF})
        field->clear();
}

void clearMassResults(ResultFields &r)
{
    for (QString *field : {&r.ProjectedMassEF, &r.FoamMassEF, &r.AxleMassEF})
        field->clear();
}

void clearBalanceResults(ResultFields &r)
{
    for (QString *field : {&r.TrueCentroidEF, &r.YCentroidEF})
        field->clear();
}

void clearLoadResults(ResultFields &r)
{
    for (QString *field : {&r.NormalForceAtRestEF, &r.NormalForceWoundEF, &r.NormalForceFrontEF,
                           &r.TractionLeftEF, &r.TractionRightEF})
        field->clear();
}

// The run of a design that cannot run: no time, no speed, no trace, no skid, and a Simulate
// panel whose labels are empty rather than those of an earlier car.
SimulationOutcome noRun(Workspace &workspace, int frame)
{
    ResultFields &r = workspace.results;
    r.TimeEF.clear();
    r.TopSpeedEF.clear();
    r.PeakSpeedEF.clear();
    r.RevisedLabel.clear();
    workspace.forces.SkidOccurred = false;
    workspace.run.clear();
    DesignList &list = workspace.list;
    const int slot = list.CurrentDesign;
    if (slot >= 0 && slot < RaceSlots)
        list.traces[static_cast<size_t>(slot)].clear();
    // Not simulated: the race leaves its lane empty.
    if (slot >= 0 && slot < list.DesignCount())
        list.entries[static_cast<size_t>(slot)].DesignSimulated = false;
    RecordNoRun(workspace.simulation, frame);
    return {};
}

} // namespace

void RunTorqueStep(Workspace &workspace, SheetMode mode, RefreshHooks &hooks)
{
    RunTorqueStep(workspace, ParseDesignNumbers(workspace.design, workspace.catalogue), mode, hooks);
}

void RunTorqueStep(Workspace &workspace, const DesignNumbers &numbers, SheetMode mode, RefreshHooks &hooks)
{
    ResultFields &results = workspace.results;
    RunChecks &checks = workspace.checks;
    checks = CheckRunnable(workspace, numbers);
    if (checks.noNumbers()) {
        clearTorqueResults(results);
    } else {
        ComputeTorqueStep(numbers, results);
    }
    if (checks.cannotWeigh()) {
        clearMassResults(results);
        clearBalanceResults(results);
        clearLoadResults(results);
        workspace.mass = MassShared{};
        return;
    }
    MassBalanceOptions options;
    options.recordElements = hooks.wantsElements();
    std::vector<GridElement> elements;
    if (RunMassBalance(workspace, mode, numbers, options, options.recordElements ? &elements : nullptr)
        && options.recordElements)
        hooks.showElements(workspace, elements);
    CheckMass(checks, workspace.mass.TotalMass);
    if (checks.noBalance())
        clearBalanceResults(results);
    if (checks.noLoads())
        clearLoadResults(results);
}

void RunRevolutionsStep(Workspace &workspace)
{
    RunRevolutionsStep(workspace, ParseDesignNumbers(workspace.design, workspace.catalogue));
}

void RunRevolutionsStep(Workspace &workspace, const DesignNumbers &numbers)
{
    ResultFields &results = workspace.results;
    const RunChecks &checks = workspace.checks;
    if (checks.noTurns()) {
        results.RevsEF.clear();
        results.PoweredDistanceEF.clear();
    } else {
        ComputeRevolutionsStep(numbers, results);
    }
    if (checks.noLoads()) {
        // No loads to show: the markers keep their zero length.
        workspace.forces.NormalForceOtherAtRest = 0.0f;
        workspace.forces.NormalForceDriveAtRest = 0.0f;
        workspace.forces.ForcePictureMass = ForcePictureState{}.ForcePictureMass;
    } else {
        ComputeAtRestLoads(workspace.design.Drive, currentBalance(workspace), workspace.forces);
    }
}

SimulationOutcome RunWorkspaceSimulation(Workspace &workspace, int frame, SheetMode currentMode,
                                         RefreshHooks &hooks)
{
    return RunWorkspaceSimulation(workspace, ParseDesignNumbers(workspace.design, workspace.catalogue), frame,
                                  currentMode, hooks);
}

SimulationOutcome RunWorkspaceSimulation(Workspace &workspace, const DesignNumbers &numbers, int frame,
                                         SheetMode currentMode, RefreshHooks &hooks)
{
    // A new run forgets the skid warning of the last one until the advisories are evaluated again.
    workspace.advisories.SkidAdvisoryLabel.visible = false;
    hooks.simulationStarting(workspace);
    std::vector<SimulationFrame> &recorded = workspace.simulation.recordedFrames;
    recorded.clear();
    if (workspace.checks.cannotRun())
        return noRun(workspace, frame);
    SimulationContext context{workspace.design, workspace.catalogue, numbers, currentBalance(workspace),
                              workspace.results, workspace.list, workspace.forces, currentMode,
                              &workspace.run, nullptr, workspace.trackFactors};
    const bool stepping = currentMode == SheetMode::Simulate && frame >= 1 && frame < FrameEntireCycle;
    if (stepping)
        context.frames = &recorded;
    SimulationFrameHook onFrame;
    if (hooks.wantsSimulationFrames())
        onFrame = [&](const SimulationFrame &shown) { hooks.showSimulationFrame(workspace, shown); };
    const SimulationOutcome outcome = RunSimulation(context, frame, onFrame);
    RecordRun(workspace.simulation, frame, outcome);
    return outcome;
}

namespace {

// The build step, then the sheet: scale, outline copies, part regions and their connectivity
// facts. The build reads nothing the sheet preparation writes, so running it first changes no
// result; it lets the sheet be prepared once, from the car as built now, rather than from the
// previous refresh's case (which a workspace's first refresh does not have, and which the
// Power Designer changes between refreshes). Preparing the regions is the costly part of a
// refresh, so it is done once.
//
// Returns the design's numbers as the build left them, for every later step of the refresh.
DesignNumbers buildAndPrepareSheet(Workspace &workspace, SheetMode mode, RefreshHooks &hooks)
{
    ComputeBuildGeometry(workspace);
    RescaleDesign(workspace, false, true);
    hooks.clearSheet(workspace, mode);
    return ParseDesignNumbers(workspace.design, workspace.catalogue);
}

} // namespace

void RefreshPhysicsMode(Workspace &workspace, SheetMode mode, RefreshHooks &hooks)
{
    const int direction = driveDirection(workspace.design.Drive);
    DesignNumbers numbers;
    // The fields are about to be overwritten; they are this design's again once a refresh ends.
    workspace.resultsOwner = {};
    switch (mode) {
    case SheetMode::Analyze:
        numbers = buildAndPrepareSheet(workspace, mode, hooks);
        hooks.paintBodyRegions(workspace);
        RunTorqueStep(workspace, numbers, mode, hooks);
        if (!workspace.checks.noBalance())
            hooks.drawCentroidMarker(workspace);
        hooks.drawDriveArrow(workspace, direction);
        RunRevolutionsStep(workspace, numbers);
        if (!workspace.checks.noLoads())
            hooks.showNormalForces(workspace, workspace.forces.ForcePictureMass,
                                   workspace.forces.NormalForceOtherAtRest,
                                   workspace.forces.NormalForceDriveAtRest);
        EvaluateAdvisories(workspace, numbers, mode, workspace.forces.SkidOccurred);
        StampResults(workspace, false);
        break;
    case SheetMode::Simulate:
        numbers = buildAndPrepareSheet(workspace, mode, hooks);
        hooks.paintBodyRegions(workspace);
        hooks.drawDriveArrow(workspace, direction);
        RunTorqueStep(workspace, numbers, mode, hooks);
        RunRevolutionsStep(workspace, numbers);
        if (!workspace.checks.noBalance())
            hooks.drawCentroidMarker(workspace);
        RunWorkspaceSimulation(workspace, numbers, workspace.simulation.SimulateStep, mode, hooks);
        EvaluateAdvisories(workspace, numbers, mode, workspace.forces.SkidOccurred);
        StampResults(workspace, true);
        break;
    case SheetMode::Race:
        numbers = buildAndPrepareSheet(workspace, mode, hooks);
        RunTorqueStep(workspace, numbers, mode, hooks);
        RunRevolutionsStep(workspace, numbers);
        RunWorkspaceSimulation(workspace, numbers, FrameRunToEnd, mode, hooks);
        StampResults(workspace, true);
        hooks.runRace(workspace);
        break;
    default:
        break;
    }
}

void RefreshPhysicsMode(Workspace &workspace, SheetMode mode)
{
    RefreshHooks none;
    RefreshPhysicsMode(workspace, mode, none);
}

void RefreshMode(Workspace &workspace, SheetMode mode, RefreshHooks &hooks)
{
    if (IsPhysicsMode(mode)) {
        RefreshPhysicsMode(workspace, mode, hooks);
        return;
    }
    if (mode == SheetMode::Preview) {
        PrepareTemplates(workspace);
        hooks.showTemplatePreview(workspace);
        return;
    }
    RescaleDesign(workspace);
    // Print Templates draws on the printer's page inside the print job that asked for it.
    if (mode != SheetMode::Print)
        hooks.clearSheet(workspace, mode);
    ComputeBuildGeometry(workspace);
    if (mode == SheetMode::Design || mode == SheetMode::Build) {
        RebuildPartRegions(workspace);
        if (mode == SheetMode::Design)
            hooks.paintDesign(workspace);
        else
            hooks.paintBuildView(workspace);
        UpdateOverlapFacts(workspace);
        EvaluateAdvisories(workspace, mode, false);
    }
}

void RefreshMode(Workspace &workspace, SheetMode mode)
{
    RefreshHooks none;
    RefreshMode(workspace, mode, none);
}

void EnterSimulateMode(Workspace &workspace)
{
    workspace.design.StepSize = QStringLiteral("9");
    workspace.simulation.SimulateStep = 1;
}

void PrepareEntireCycle(Workspace &workspace)
{
    EnterSimulateMode(workspace);
    workspace.simulation.SimulateStep = FrameEntireCycle;
    workspace.simulation.StepEnabled = false;
    workspace.simulation.ToEndEnabled = false;
    workspace.simulation.RewindEnabled = true;
}

void RewindSimulation(Workspace &workspace, const std::function<void()> &refreshSimulate)
{
    SimulationState &state = workspace.simulation;
    state.SimulateStep = 1;
    refreshSimulate();
    // A car the model cannot run has no frames to step through.
    state.StepEnabled = !workspace.checks.cannotRun();
    state.ToEndEnabled = state.StepEnabled;
    state.RewindEnabled = false;
}

void RewindSimulation(Workspace &workspace, RefreshHooks &hooks)
{
    RewindSimulation(workspace, [&] { RefreshPhysicsMode(workspace, SheetMode::Simulate, hooks); });
}

void StepSimulation(Workspace &workspace, RefreshHooks &hooks)
{
    SimulationState &state = workspace.simulation;
    state.SimulateStep += 1;
    state.RewindEnabled = true;
    // The refresh recorded every frame of the run: the next one is shown, not computed again.
    if (ShowRecordedFrame(state, workspace.forces)) {
        hooks.simulationStarting(workspace);
        if (hooks.wantsSimulationFrames())
            hooks.showSimulationFrame(workspace, state.shownFrame);
        return;
    }
    // Only the run is repeated: the car, its mass and its torque are those of the last refresh.
    const DesignNumbers numbers = ParseDesignNumbers(workspace.design, workspace.catalogue);
    RunRevolutionsStep(workspace, numbers);
    RunWorkspaceSimulation(workspace, numbers, state.SimulateStep, SheetMode::Simulate, hooks);
}

void ViewEntireCycle(Workspace &workspace, const std::function<void()> &refreshSimulate)
{
    SimulationState &state = workspace.simulation;
    state.SimulateStep = FrameEntireCycle;
    state.StepEnabled = false;
    state.ToEndEnabled = false;
    state.RewindEnabled = true;
    refreshSimulate();
}

void ViewEntireCycle(Workspace &workspace, RefreshHooks &hooks)
{
    ViewEntireCycle(workspace, [&] { RefreshPhysicsMode(workspace, SheetMode::Simulate, hooks); });
}

} // namespace zindle
