// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh of every mode, and above all the Analyze, Simulate and Race refreshes on real designs: the order in which the window's
// hooks are called, what each refresh leaves behind, and a design without a body.

#include "support/BuiltInWorkspace.h"
#include "model/BuiltInDesigns.h"
#include "app/Workspace.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"

#include <gtest/gtest.h>
#include <QStringList>

using namespace zindle;

namespace {

class Recorder : public RefreshHooks {
public:
    QStringList calls;
    int frames = 0;
    bool elements = false;
    void clearSheet(Workspace &, SheetMode mode) override { calls << QStringLiteral("clear%1").arg(ModeNumber(mode)); }
    void paintBodyRegions(Workspace &) override { calls << "body"; }
    void paintDesign(Workspace &ws) override { calls << (ws.regions.OuterLayerBuilt ? "design" : "design unbuilt"); }
    void paintBuildView(Workspace &ws) override { calls << (ws.regions.OuterLayerBuilt ? "build" : "build unbuilt"); }
    void showTemplatePreview(Workspace &) override { calls << "preview"; }
    bool wantsElements() const override { return elements; }
    void showElements(Workspace &, const std::vector<GridElement> &e) override
    {
        calls << (e.empty() ? "no elements" : "elements");
    }
    void drawCentroidMarker(Workspace &) override { calls << "centroid"; }
    void drawDriveArrow(Workspace &, int direction) override { calls << QStringLiteral("arrow%1").arg(direction); }
    void showNormalForces(Workspace &, float, float, float) override { calls << "normal"; }
    void simulationStarting(Workspace &) override { calls << "run"; }
    bool wantsSimulationFrames() const override { return true; }
    void showSimulationFrame(Workspace &, const SimulationFrame &) override { ++frames; }
    void runRace(Workspace &workspace) override
    {
        calls << "race";
        RefreshHooks::runRace(workspace);
    }
};

bool allFinite(const ResultFields &r)
{
    for (const QString *text : {&r.MaxRealTorqueEF, &r.PropulsionLeftEF, &r.SpringMassEF, &r.RevsEF,
                                &r.PoweredDistanceEF, &r.TimeEF, &r.TopSpeedEF, &r.ProjectedMassEF})
        if (text->contains("NAN", Qt::CaseInsensitive) || text->contains("INF", Qt::CaseInsensitive))
            return false;
    return true;
}

} // namespace

TEST(RefreshChain, EachModeCallsItsStepsInItsOrder)
{
    Workspace workspace;
    test::loadBuiltIn(workspace, 2); // the Pickup: front-wheel drive
    Recorder analyze;
    analyze.elements = true;
    RefreshPhysicsMode(workspace, SheetMode::Analyze, analyze);
    EXPECT_EQ(analyze.calls, QStringList({"clear4", "body", "elements", "centroid", "arrow-1", "normal"}));

    Recorder simulate;
    workspace.simulation.SimulateStep = 1;
    RefreshPhysicsMode(workspace, SheetMode::Simulate, simulate);
    EXPECT_EQ(simulate.calls, QStringList({"clear5", "body", "arrow-1", "centroid", "run"}));
    EXPECT_EQ(simulate.frames, 1);

    Recorder race;
    RefreshPhysicsMode(workspace, SheetMode::Race, race);
    EXPECT_EQ(race.calls, QStringList({"clear6", "run", "race"}));
    EXPECT_EQ(race.frames, 0); // the race's run is not shown
}

TEST(RefreshChain, SimulateShowsTheRequestedFrameAndRecordsTheTrace)
{
    Workspace workspace;
    test::loadBuiltIn(workspace, 0);
    workspace.simulation.SimulateStep = 1;
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    ASSERT_TRUE(workspace.simulation.frameShown);
    EXPECT_EQ(workspace.simulation.shownFrame.timeIndex, 2);
    EXPECT_TRUE(workspace.list.current().DesignSimulated);
    EXPECT_GT(workspace.list.traces[0].DistanceTrace[2], 0.0f);
    EXPECT_FALSE(workspace.results.TimeEF.isEmpty());

    // The entire cycle shows every frame and ends with the end picture.
    Recorder frames;
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate, frames);
    EXPECT_GT(frames.frames, 50);
    EXPECT_TRUE(workspace.simulation.shownFrame.final);
    EXPECT_FALSE(workspace.simulation.StepEnabled);
}

TEST(RefreshChain, TheSkidAdvisoryShowsOnlyFromSimulateOn)
{
    Workspace workspace;
    test::loadBuiltIn(workspace, 1); // the Racer skids
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    ASSERT_TRUE(workspace.forces.SkidOccurred);
    EXPECT_TRUE(workspace.advisories.shownTexts().contains(SkidAdvisoryText));
    RefreshPhysicsMode(workspace, SheetMode::Analyze);
    EXPECT_FALSE(workspace.advisories.shownTexts().contains(SkidAdvisoryText));
}

TEST(RefreshChain, RaceRunsTheCurrentDesignAgainstTheOthersSimulated)
{
    Workspace workspace;
    for (int slot : {3, 0}) {
        test::loadBuiltIn(workspace, slot);
        RefreshPhysicsMode(workspace, SheetMode::Simulate);
    }
    workspace.list.MarkDesignChanged(3); // the Tow Truck changed since: its lane stays empty
    test::loadBuiltIn(workspace, 4);
    RefreshPhysicsMode(workspace, SheetMode::Race);
    const auto results = RaceResults(workspace.race, workspace.list);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].lane, 0);
    EXPECT_EQ(results[1].lane, 4);
    EXPECT_EQ(results[1].name, "Wheelie");
}

TEST(RefreshChain, ADesignWithoutABodyStillGivesFiniteResults)
{
    Workspace workspace;
    test::loadBuiltIn(workspace, 0);
    ClearOuterShape(workspace.design);
    ClearInnerShape(workspace.design);
    for (SheetMode mode : {SheetMode::Analyze, SheetMode::Simulate, SheetMode::Race})
        RefreshPhysicsMode(workspace, mode);
    EXPECT_TRUE(workspace.results.ProjectedMassEF.isEmpty()); // no mass analysis without a body
    EXPECT_TRUE(workspace.results.TimeEF.isEmpty());          // and no run
    EXPECT_TRUE(allFinite(workspace.results));
}

TEST(RefreshChain, TheDynamicPanelsButtons)
{
    Workspace workspace;
    test::loadBuiltIn(workspace, 0);
    workspace.design.StepSize = QStringLiteral("4");
    EnterSimulateMode(workspace);
    EXPECT_EQ(workspace.design.StepSize, "9");
    RefreshHooks none;
    RewindSimulation(workspace, none);
    EXPECT_EQ(workspace.simulation.shownFrame.timeIndex, 2);
    EXPECT_FALSE(workspace.simulation.RewindEnabled);

    StepSimulation(workspace, none);
    EXPECT_EQ(workspace.simulation.SimulateStep, 2);
    EXPECT_EQ(workspace.simulation.shownFrame.timeIndex, 4);
    EXPECT_TRUE(workspace.simulation.RewindEnabled);
    EXPECT_TRUE(workspace.simulation.StepEnabled);

    ViewEntireCycle(workspace, none);
    EXPECT_TRUE(workspace.simulation.shownFrame.final);
    EXPECT_FALSE(workspace.simulation.StepEnabled);
    EXPECT_FALSE(workspace.simulation.ToEndEnabled);
}

TEST(RefreshChain, StepShowsTheRecordedFramesWithoutRunningAgain)
{
    Workspace stepped;
    test::loadBuiltIn(stepped, 0);
    EnterSimulateMode(stepped);
    RefreshHooks none;
    RewindSimulation(stepped, none);
    Workspace rerun = stepped;
    // A run would write its results again; the recorded frames leave them as they are.
    stepped.results.TimeEF = QStringLiteral("kept");
    int steps = 0;
    while (stepped.simulation.StepEnabled && steps < 10000) {
        StepSimulation(stepped, none);
        ++steps;
        rerun.simulation.SimulateStep = stepped.simulation.SimulateStep;
        RunWorkspaceSimulation(rerun, rerun.simulation.SimulateStep, SheetMode::Simulate, none);
        const SimulationFrame &a = stepped.simulation.shownFrame, &b = rerun.simulation.shownFrame;
        ASSERT_EQ(a.timeIndex, b.timeIndex) << steps;
        ASSERT_EQ(a.final, b.final) << steps;
        ASSERT_EQ(a.DynamicDistanceLabel, b.DynamicDistanceLabel) << steps;
        ASSERT_EQ(a.DynamicRevsLeftLabel, b.DynamicRevsLeftLabel) << steps;
        ASSERT_EQ(stepped.simulation.StepEnabled, rerun.simulation.StepEnabled) << steps;
    }
    EXPECT_EQ(steps, 68);
    EXPECT_TRUE(stepped.simulation.shownFrame.final);
    EXPECT_FALSE(stepped.simulation.ToEndEnabled);
    EXPECT_EQ(stepped.forces.NormalForceDriveAtRest, rerun.forces.NormalForceDriveAtRest);
    EXPECT_EQ(stepped.results.TimeEF, QStringLiteral("kept"));
}

TEST(RefreshChain, SheetModesPaintOverBuiltRegionsAndLeaveTheAdvisoriesOfTheCarAsItIs)
{
    Workspace workspace;
    test::loadBuiltIn(workspace, 0);
    Recorder design, build, preview, print;
    RefreshMode(workspace, SheetMode::Design, design);
    EXPECT_EQ(design.calls, QStringList({"clear1", "design"}));
    EXPECT_TRUE(workspace.advisories.shownTexts().isEmpty());

    // A body lifted off the front axle is reported by a refresh without a window.
    for (QPoint &point : workspace.design.OuterPts)
        point.ry() -= 300;
    workspace.design.InnerPts = workspace.design.OuterPts;
    RefreshMode(workspace, SheetMode::Build, build);
    EXPECT_EQ(build.calls, QStringList({"clear3", "build"}));
    EXPECT_TRUE(workspace.advisories.shownTexts().contains("Front axle not connected."))
        << workspace.advisories.shownTexts().join('|').toStdString();

    RefreshMode(workspace, SheetMode::Preview, preview);
    EXPECT_EQ(preview.calls, QStringList({"preview"}));
    // Print Templates draws inside the print job: the refresh clears and paints nothing.
    RefreshMode(workspace, SheetMode::Print, print);
    EXPECT_TRUE(print.calls.isEmpty());
    EXPECT_FALSE(workspace.results.CaseIDEF.isEmpty());
}

TEST(RefreshChain, TheKeptOutlineRegionsNeverOutliveTheOutlinesOrTheElementSize)
{
    // A refreshed workspace that keeps its outline regions between refreshes must weigh every
    // change as a fresh workspace does.
    Workspace kept;
    test::loadBuiltIn(kept, 0);
    RefreshPhysicsMode(kept, SheetMode::Analyze);
    const auto sameAsFresh = [&](const char *what) {
        Workspace fresh;
        test::loadBuiltIn(fresh, 0);
        fresh.design = kept.design;
        RefreshPhysicsMode(kept, SheetMode::Analyze);
        RefreshPhysicsMode(fresh, SheetMode::Analyze);
        EXPECT_EQ(kept.results.ProjectedMassEF, fresh.results.ProjectedMassEF) << what;
        EXPECT_EQ(kept.results.TrueCentroidEF, fresh.results.TrueCentroidEF) << what;
        EXPECT_EQ(kept.results.YCentroidEF, fresh.results.YCentroidEF) << what;
        return kept.results.ProjectedMassEF;
    };
    const QString before = sameAsFresh("unchanged");
    kept.design.OuterPts[1] += QPoint(0, -40);
    const QString taller = sameAsFresh("outer outline moved");
    EXPECT_NE(taller, before);
    kept.design.StepSize = QStringLiteral("3");
    EXPECT_NE(sameAsFresh("finer elements"), taller);
    kept.design.InnerPts = kept.design.OuterPts;
    kept.design.InnerPts[1] += QPoint(0, 30);
    sameAsFresh("inner outline of its own");
    kept.design.SpringLength = QStringLiteral("60");
    sameAsFresh("longer spring, same outlines");
}
