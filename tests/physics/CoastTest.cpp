// SPDX-License-Identifier: GPL-3.0-or-later
// The run with coasting: the powered part is the simulation's own, untouched; after the spring
// has unwound, friction stops the car as it would a car with spinning wheels; times at marks
// come from the steps around them.

#include "app/RefreshChain.h"
#include "app/WorkspaceCoast.h"
#include "model/BuiltInDesigns.h"
#include "model/DesignList.h"
#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "physics/Coast.h"
#include "sheet/EmptySheet.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>

using namespace zindle;

namespace {

struct CoastFixture {
    DesignRecord design;
    MaterialCatalogue catalogue;
    ResultFields results;
    DesignList list;
    ForcePictureState forces;
    Balance balance{0.0f, 3.0f, 1.5f, 6.0f};

    CoastFixture()
    {
        ResetParameters(design);
        results.RevsEF = QStringLiteral("20");
        results.ProjectedMassEF = QStringLiteral("0.3");
        results.PoweredDistanceEF = QStringLiteral("25.1");
        results.TractionLeftEF = QStringLiteral("0.2");
        results.TractionRightEF = QStringLiteral("0");
        catalogue.treads[0].TreadFriction = QStringLiteral("10");
    }
    template <typename Use>
    auto withContext(Use use)
    {
        const DesignNumbers numbers = ParseDesignNumbers(design, catalogue);
        SimulationContext context{design, catalogue, numbers, balance, results, list, forces, SheetMode::Simulate, nullptr};
        return use(context);
    }
    CoastedRun coast()
    {
        return withContext([](SimulationContext &context) { return RunWithCoast(context); });
    }
    // The deceleration of the steps after the spring's end, in ft/s².
    static double deceleration(const CoastedRun &run)
    {
        const auto it = std::find_if(run.points.begin(), run.points.end(), [](const CoastPoint &p) { return p.coasting; });
        return (it->velocity - (it + 1)->velocity) / 0.01;
    }
};

} // namespace

TEST(Coast, ThePoweredPartIsTheSimulationsOwnAndNothingOfTheRunChanges)
{
    CoastFixture fixture;
    fixture.list.traces[0].DistanceTrace[5] = 1.25f;
    const ResultFields resultsBefore = fixture.results;
    const CoastedRun run = fixture.coast();
    EXPECT_EQ(fixture.results.TimeEF, resultsBefore.TimeEF);
    EXPECT_EQ(fixture.results.PoweredDistanceEF, "25.1");
    EXPECT_EQ(fixture.list.traces[0].DistanceTrace[5], 1.25f);
    EXPECT_FALSE(fixture.list.entries[0].DesignSimulated);

    RunTrace steps;
    const SimulationOutcome simulated = fixture.withContext([&](SimulationContext &context) {
        context.run = &steps;
        return RunSimulation(context, FrameRunToEnd);
    });
    ASSERT_EQ(run.springEndIndex, simulated.finalTimeIndex);
    ASSERT_GT(run.points.size(), steps.samples.size() + 10);
    for (size_t i = 0; i < steps.samples.size(); ++i) {
        EXPECT_EQ(run.points[i + 1].timeIndex, steps.samples[i].timeIndex);
        EXPECT_EQ(run.points[i + 1].distance, steps.samples[i].distance) << i;
        EXPECT_EQ(run.points[i + 1].velocity, steps.samples[i].velocity) << i;
        EXPECT_FALSE(run.points[i + 1].coasting);
    }
    EXPECT_TRUE(run.points[steps.samples.size() + 1].coasting);
}

TEST(Coast, FrictionStopsTheCarAsIfTheSpinningWheelsWereHalfTheirMassMore)
{
    CoastFixture fixture;
    const CoastedRun run = fixture.coast();
    ASSERT_TRUE(run.rests);
    // Two wheels of foam core 0.5 in thick and 4.8 in across, 0.0023 lbm/in³.
    const double wheels = 0.0023 * 0.5 * (3.1416 * 2.4 * 2.4) * 2;
    EXPECT_NEAR(CoastFixture::deceleration(run), 0.05 * 32.18 / (0.3 + wheels / 2), 1e-3);
    const CoastPoint &springEnd = run.points[static_cast<size_t>(run.springEndIndex)];
    const double a = CoastFixture::deceleration(run);
    EXPECT_NEAR(run.restFt, springEnd.distance + springEnd.velocity * springEnd.velocity / (2 * a), 0.01);
    EXPECT_EQ(run.restFt, run.points.back().distance);
    EXPECT_EQ(run.points.back().velocity, 0.0f);

    // Without wheel mass the car alone takes the friction.
    fixture.catalogue.boards[0].BoardDensity = QStringLiteral("0");
    EXPECT_NEAR(CoastFixture::deceleration(fixture.coast()), 0.05 * 32.18 / 0.3, 1e-3);
}

TEST(Coast, WithoutFrictionTheCarRollsOnToTheTimeLimit)
{
    CoastFixture fixture;
    fixture.design.Friction = QStringLiteral("0");
    const CoastedRun run = fixture.coast();
    EXPECT_FALSE(run.rests);
    EXPECT_EQ(run.points.back().timeIndex, 10001);
}

TEST(Coast, TheTimeAtAMarkLiesOnTheLineBetweenItsTwoSteps)
{
    CoastedRun run;
    run.points = {{0, 0.0f, 0.0f, false}, {1, 0.5f, 1.0f, false}, {2, 1.5f, 1.0f, false}, {3, 2.0f, 0.0f, true}};
    EXPECT_DOUBLE_EQ(*TimeAtDistance(run, 0.25), 0.005);
    EXPECT_DOUBLE_EQ(*TimeAtDistance(run, 0.5), 0.01);
    EXPECT_DOUBLE_EQ(*TimeAtDistance(run, 1.0), 0.015);
    EXPECT_DOUBLE_EQ(*TimeAtDistance(run, 2.0), 0.03);
    EXPECT_FALSE(TimeAtDistance(run, 2.01));
}

TEST(Coast, BuiltInCarsThatStopShortOfTheFinishInTheModelRollOverItCoasting)
{
    // Time at 15 ft and resting distance of each built-in design with coasting; only the fourth
    // reaches 15 ft before its spring has unwound.
    const char *const expected[5][3] = {{"[1.35]", "1.35", "34.38"}, {"[1.37]", "1.38", "33.13"},
                                        {"[1.59]", "1.87", "21.88"}, {"1.5", "1.50", "34.60"},
                                        {"[1.38]", "1.42", "31.39"}};
    for (int slot = 0; slot < 5; ++slot) {
        Workspace workspace;
        BuildBuiltInDesign(workspace, slot);
        workspace.scale = HeadlessSheetScale();
        PrepareEntireCycle(workspace);
        RefreshPhysicsMode(workspace, SheetMode::Simulate);
        const std::optional<CoastedRun> run = RunWorkspaceCoast(workspace);
        ASSERT_TRUE(run);
        EXPECT_EQ(workspace.results.TimeEF, expected[slot][0]);
        ASSERT_TRUE(run->rests);
        EXPECT_EQ(text00(*TimeAtDistance(*run, 15.0)), expected[slot][1]) << slot;
        EXPECT_EQ(text00(run->restFt), expected[slot][2]) << slot;
    }
}
