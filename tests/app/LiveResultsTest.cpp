// SPDX-License-Identifier: GPL-3.0-or-later
// The live results of the design as it stands: the same numbers as Simulate, computed on a copy
// that leaves the workspace as it was, never a result of an older state, coalesced when changes
// come fast, and a clean end when the scheduler goes in the middle of a computation.

#include "app/LiveResults.h"
#include "app/RefreshChain.h"
#include "model/BuiltInDesigns.h"
#include "model/Modes.h"
#include "physics/Advisories.h"
#include "support/WorkspaceBytes.h"

#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include <thread>

using namespace zindle;
using zindle::test::waitUntil;
using zindle::test::workspaceBytes;

namespace {

// A built-in design as the window holds it in Design mode.
void designMode(Workspace &workspace, int slot)
{
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    workspace.scale = HeadlessSheetScale();
    RefreshMode(workspace, SheetMode::Design);
}

// A computation held up until the test lets it go (or the scheduler stops it), so that what
// happens while one runs does not depend on how fast the machine is.
struct Gate {
    std::atomic<bool> open{false};
    LiveResults::Computation computation()
    {
        return [this](Workspace &copy, const std::atomic<bool> *stop) {
            while (!open.load() && !(stop && stop->load()))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return ComputeLiveResult(copy, stop);
        };
    }
};

LiveResult liveOf(const Workspace &workspace)
{
    Workspace copy = workspace;
    return ComputeLiveResult(copy);
}

// What entering Simulate mode shows for the workspace's design.
Workspace simulated(const Workspace &workspace)
{
    Workspace after = workspace;
    EnterSimulateMode(after);
    RefreshMode(after, SheetMode::Simulate);
    return after;
}

TEST(LiveResults, BuiltInDesignsGiveWhatSimulateAndAnalyzeShow)
{
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        SCOPED_TRACE(slot);
        Workspace workspace;
        designMode(workspace, slot);
        const LiveResult live = liveOf(workspace);
        const Workspace simulate = simulated(workspace);
        ASSERT_TRUE(live.runs);
        EXPECT_FALSE(simulate.results.TimeEF.isEmpty());
        EXPECT_EQ(live.TimeEF, simulate.results.TimeEF);
        EXPECT_EQ(live.TopSpeedEF, simulate.results.TopSpeedEF);
        EXPECT_EQ(live.ProjectedMassEF, simulate.results.ProjectedMassEF);
        EXPECT_EQ(live.advisories, simulate.advisories.shownTexts());
        // Analyze weighs with the design's element size, which is Simulate's "9" here.
        Workspace analyze = workspace;
        RefreshMode(analyze, SheetMode::Analyze);
        EXPECT_EQ(live.ProjectedMassEF, analyze.results.ProjectedMassEF);
    }
}

TEST(LiveResults, ElementSizeIsSimulatesAndSkidIsReportedAsSimulateDoes)
{
    // A coarser element size in the Preferences: Simulate resets it to "9" and so does the live
    // computation, so its mass is Simulate's, not that of the coarser grid.
    Workspace workspace;
    designMode(workspace, 0);
    workspace.design.StepSize = QStringLiteral("18");
    Workspace coarse = workspace;
    RefreshMode(coarse, SheetMode::Analyze);
    const LiveResult live = liveOf(workspace);
    EXPECT_EQ(live.ProjectedMassEF, simulated(workspace).results.ProjectedMassEF);
    EXPECT_NE(live.ProjectedMassEF, coarse.results.ProjectedMassEF);
    // The Racer skids; Design mode never says so, Simulate and the live results do.
    Workspace racer;
    designMode(racer, 1);
    EXPECT_FALSE(racer.advisories.shownTexts().contains(SkidAdvisoryText));
    EXPECT_EQ(liveOf(racer).advisories.contains(SkidAdvisoryText),
              simulated(racer).advisories.shownTexts().contains(SkidAdvisoryText));
}

TEST(LiveResults, CarsThatFallShortOrCannotRun)
{
    Workspace workspace;
    designMode(workspace, 0);
    // The default design falls short of 15 ft: its time in brackets, as Simulate writes it.
    const LiveResult shortRun = liveOf(workspace);
    EXPECT_TRUE(shortRun.runs);
    EXPECT_TRUE(shortRun.TimeEF.startsWith(QLatin1Char('['))) << shortRun.TimeEF.toStdString();
    EXPECT_FALSE(shortRun.finished());

    Workspace noBody = workspace;
    ClearOuterShape(noBody.design);
    RefreshMode(noBody, SheetMode::Design);
    const LiveResult none = liveOf(noBody);
    EXPECT_FALSE(none.runs);
    EXPECT_EQ(none.cannotRun, NoBodyText);
    EXPECT_TRUE(none.TimeEF.isEmpty());
    EXPECT_TRUE(none.TopSpeedEF.isEmpty());

    Workspace notNumber = workspace;
    notNumber.design.SpringLength = QStringLiteral("long");
    const LiveResult broken = liveOf(notNumber);
    EXPECT_FALSE(broken.runs);
    EXPECT_TRUE(broken.cannotRun.startsWith(QStringLiteral("Not a number"))) << broken.cannotRun.toStdString();
}

TEST(LiveResults, InputKeyFollowsDesignMaterialsAndScaleOnly)
{
    Workspace workspace;
    designMode(workspace, 0);
    const QByteArray key = liveInputKey(workspace);
    Workspace same = workspace;
    same.list.entries[0].DesignSimulated = true; // not an input
    EXPECT_EQ(liveInputKey(same), key);
    Workspace longer = workspace;
    longer.design.SpringLength = QStringLiteral("44");
    EXPECT_NE(liveInputKey(longer), key);
    // The built-in materials are not in a design file, yet the computation reads them.
    Workspace lighter = workspace;
    lighter.catalogue.boards[0].BoardDensity = QStringLiteral("0.0001");
    EXPECT_NE(liveInputKey(lighter), key);
    // The connectivity advisories are taken at screen pixels.
    Workspace larger = workspace;
    larger.scale = ComputeSheetScaleForArea(1600, 1200, 600.0f, 600.0f);
    EXPECT_NE(liveInputKey(larger), key);
}

TEST(LiveResults, ComputationLeavesTheWorkspaceAsItWas)
{
    WorkerPool workers;
    Workspace workspace;
    designMode(workspace, 1);
    const QByteArray before = workspaceBytes(workspace);
    const Workspace simulateBefore = simulated(workspace);

    LiveResults live(workspace, workers);
    live.setDelay(0);
    live.designMayHaveChanged();
    ASSERT_TRUE(waitUntil([&] { return live.current().has_value(); }));
    EXPECT_TRUE(live.current()->runs);
    EXPECT_EQ(workspaceBytes(workspace), before);
    // No simulated flag, no trace: the race has nothing new to replay.
    EXPECT_FALSE(workspace.list.entries[1].DesignSimulated);
    // Simulate afterwards shows exactly what it showed without the live results.
    EXPECT_EQ(workspaceBytes(simulated(workspace)), workspaceBytes(simulateBefore));
}

TEST(LiveResults, ResultOfAnOlderStateIsDroppedAndTheNewestShown)
{
    WorkerPool workers;
    Workspace workspace;
    designMode(workspace, 0);
    Workspace longer = workspace;
    longer.design.SpringLength = QStringLiteral("44");
    RefreshMode(longer, SheetMode::Design);
    const LiveResult expected = liveOf(longer);
    ASSERT_NE(expected.TimeEF, liveOf(workspace).TimeEF);

    LiveResults live(workspace, workers);
    live.setDelay(0);
    Gate gate;
    live.setComputation(gate.computation());
    std::vector<LiveResult> shown;
    std::vector<bool> pendingSeen;
    QObject::connect(&live, &LiveResults::changed, [&] {
        pendingSeen.push_back(live.pending());
        if (live.current())
            shown.push_back(*live.current());
    });
    live.designMayHaveChanged();
    ASSERT_TRUE(waitUntil([&] { return live.computing(); }));
    // The design changes while the first computation runs: that one's result must never show.
    workspace = longer;
    live.designMayHaveChanged();
    EXPECT_TRUE(live.pending());
    gate.open = true;
    ASSERT_TRUE(waitUntil([&] { return live.current().has_value(); }));
    EXPECT_EQ(live.computationsStarted(), 2);
    EXPECT_EQ(live.resultsDropped(), 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].generation, live.generation());
    EXPECT_EQ(shown[0].TimeEF, expected.TimeEF);
    EXPECT_EQ(shown[0].ProjectedMassEF, expected.ProjectedMassEF);
    // Every notice before the result said it was pending.
    ASSERT_GE(pendingSeen.size(), 3u);
    EXPECT_TRUE(std::all_of(pendingSeen.begin(), pendingSeen.end() - 1, [](bool p) { return p; }));
    EXPECT_FALSE(pendingSeen.back());
}

TEST(LiveResults, FastChangesAreGatheredIntoOneComputation)
{
    WorkerPool workers;
    Workspace workspace;
    designMode(workspace, 0);
    LiveResults live(workspace, workers);
    live.setDelay(150);
    for (int length = 30; length <= 44; length += 2) {
        workspace.design.SpringLength = QString::number(length);
        live.designMayHaveChanged();
    }
    // A notice without a change is no new request.
    live.designMayHaveChanged();
    ASSERT_TRUE(waitUntil([&] { return live.current().has_value(); }));
    EXPECT_EQ(live.computationsStarted(), 1);
    EXPECT_EQ(live.generation(), 8u);
    EXPECT_EQ(live.current()->TimeEF, liveOf(workspace).TimeEF);
    live.designMayHaveChanged();
    EXPECT_FALSE(live.pending());
    EXPECT_EQ(live.generation(), 8u);
}

TEST(LiveResults, InactiveComputesNothingAndDropsWhatRuns)
{
    WorkerPool workers;
    Workspace workspace;
    designMode(workspace, 0);
    LiveResults live(workspace, workers);
    live.setDelay(0);
    Gate gate;
    live.setComputation(gate.computation());
    live.designMayHaveChanged();
    ASSERT_TRUE(waitUntil([&] { return live.computing(); }));
    live.setActive(false);
    ASSERT_TRUE(waitUntil([&] { return !live.computing(); }));
    EXPECT_FALSE(live.current().has_value());
    EXPECT_EQ(live.resultsDropped(), 1);
    workspace.design.SpringLength = QStringLiteral("44");
    live.designMayHaveChanged();
    QCoreApplication::processEvents();
    EXPECT_EQ(live.computationsStarted(), 1);
    // Back on: the request that never got its answer is made again.
    gate.open = true;
    live.setActive(true);
    live.designMayHaveChanged();
    ASSERT_TRUE(waitUntil([&] { return live.current().has_value(); }));
    EXPECT_EQ(live.current()->TimeEF, liveOf(workspace).TimeEF);
}

TEST(LiveResults, GoingAwayDuringAComputationIsClean)
{
    WorkerPool workers;
    auto workspace = std::make_unique<Workspace>();
    designMode(*workspace, 4);
    for (int round = 0; round < 3; ++round) {
        auto live = std::make_unique<LiveResults>(*workspace, workers);
        live->setDelay(0);
        Gate gate; // never opened: only the stop ends the computation
        live->setComputation(gate.computation());
        live->designMayHaveChanged();
        ASSERT_TRUE(waitUntil([&] { return live->computing(); }));
        live.reset(); // waits for the computation, which stops at its next step
    }
    // The workspace outlives nothing of it: freeing it now touches no computation.
    workspace.reset();
    QCoreApplication::processEvents();
}

} // namespace
