// SPDX-License-Identifier: GPL-3.0-or-later
// A design built within tolerances: the same builds on any number of threads, the design as
// drawn when nothing may vary, and each tolerance alone taking the whole spread of the time.

#include "app/RefreshChain.h"
#include "app/Tolerances.h"
#include "app/WorkspaceCoast.h"
#include "model/BuiltInDesigns.h"
#include "model/Modes.h"

#include "support/BuiltInWorkspace.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

BuildTolerances none()
{
    BuildTolerances t;
    for (const ToleranceKind &kind : ToleranceKinds)
        t.*kind.value = 0.0;
    return t;
}

} // namespace

TEST(Tolerances, SameSeedGivesTheSameBuildsOnAnyNumberOfThreads)
{
    const Workspace start = test::builtInWorkspace(0);
    WorkerPool workers;
    ToleranceOptions options;
    options.samples = 150;
    options.seed = 42;
    options.threads = 1;
    const ToleranceStudy one = RunTolerances(workers, start, BuildTolerances{}, options);
    ASSERT_EQ(one.builds.size(), 150u);
    EXPECT_GT(*one.p95, *one.p5);
    for (const int threads : {2, 3}) {
        options.threads = threads;
        const ToleranceStudy many = RunTolerances(workers, start, BuildTolerances{}, options);
        ASSERT_EQ(many.builds.size(), one.builds.size());
        for (size_t i = 0; i < one.builds.size(); ++i) {
            EXPECT_EQ(many.builds[i].time, one.builds[i].time) << i;
            EXPECT_EQ(many.builds[i].distance, one.builds[i].distance) << i;
            EXPECT_EQ(many.builds[i].draws, one.builds[i].draws) << i;
        }
        EXPECT_EQ(many.shares, one.shares);
        EXPECT_EQ(many.band.low, one.band.low);
        EXPECT_EQ(many.band.high, one.band.high);
    }
    options.seed = 43;
    EXPECT_NE(RunTolerances(workers, start, BuildTolerances{}, options).p50, one.p50);
}

TEST(Tolerances, NoToleranceBuildsTheDesignAsDrawn)
{
    Workspace start = test::builtInWorkspace(0);
    WorkerPool workers;
    ToleranceOptions options;
    options.samples = 20;
    const ToleranceStudy study = RunTolerances(workers, start, none(), options);
    // The full Simulate refresh and its run with coasting give the same time.
    RefreshPhysicsMode(start, SheetMode::Simulate);
    const std::optional<double> drawn = TimeAtDistance(*RunWorkspaceCoast(start), 15.0);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(study.nominalTime, drawn);
    EXPECT_EQ(study.p5, drawn);
    EXPECT_EQ(study.p50, drawn);
    EXPECT_EQ(study.p95, drawn);
    EXPECT_EQ(study.reachProbability, 1.0);
    EXPECT_EQ(study.band.low, study.nominalDistances);
    EXPECT_EQ(study.band.high, study.nominalDistances);
    EXPECT_EQ(study.band.times.size(), study.nominalDistances.size());
    EXPECT_EQ(study.largestShare, -1);
}

TEST(Tolerances, OneToleranceAloneTakesTheWholeSpread)
{
    Workspace start = test::builtInWorkspace(0);
    // A weight, so that the weights' tolerance has something to vary.
    start.design.Weights[0].X = 300;
    start.design.Weights[0].Y = 480;
    start.design.Weights[0].Mass = 0.1f;
    WorkerPool workers;
    ToleranceOptions options;
    options.samples = 60;
    for (size_t q = 0; q < ToleranceCount; ++q) {
        BuildTolerances only = none();
        only.*ToleranceKinds[q].value = BuildTolerances{}.*ToleranceKinds[q].value;
        const ToleranceStudy study = RunTolerances(workers, start, only, options);
        EXPECT_GE(study.shares[q], 99.0) << ToleranceKinds[q].name;
        EXPECT_EQ(study.largestShare, static_cast<int>(q)) << ToleranceKinds[q].name;
        // Every tolerance moves the time.
        EXPECT_LT(*study.p5, *study.p95) << ToleranceKinds[q].name;
    }
}

TEST(Tolerances, StrongerSpringBeatsTheDefaultMostOfTheTime)
{
    Workspace start = test::builtInWorkspace(0);
    WorkerPool workers;
    ToleranceOptions options;
    options.samples = 100;
    const ToleranceStudy plain = RunTolerances(workers, start, BuildTolerances{}, options);
    start.trackFactors.springEfficiency = 1.3f;
    const ToleranceStudy strong = RunTolerances(workers, start, BuildTolerances{}, options);
    EXPECT_GT(chanceToBeat(strong, plain), 0.7);
    EXPECT_NEAR(chanceToBeat(strong, plain) + chanceToBeat(plain, strong), 1.0, 1e-12);
}
