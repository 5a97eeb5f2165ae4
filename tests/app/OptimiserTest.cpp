// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser against the sweep over the same ranges, and what every answer it gives must
// be: the car the build really makes, within the constraints, the same on one and two threads.

#include "support/BuiltInWorkspace.h"
#include "app/ChallengeCheck.h"
#include "app/Optimiser.h"
#include "app/ParallelSweep.h"
#include "app/ParameterCheck.h"
#include "app/RefreshChain.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <map>

using namespace zindle;

namespace {

std::vector<OptimiserParameter> optimiserParameters(const Workspace &workspace, const QStringList &names)
{
    std::vector<OptimiserParameter> parameters;
    for (const QString &name : names)
        parameters.push_back(FindOptimiserParameter(workspace, name).value());
    return parameters;
}

class QuietOptimiserPrompter : public Prompter {
public:
    void message(const QString &, const QString &) override {}
    Answer confirm(const QString &, const QString &) override { return Answer::Cancel; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return std::nullopt; }
    QString savePath(const QString &, const QStringList &, const QString &) override { return {}; }
    QString openPath(const QString &, const QStringList &) override { return {}; }
    void beep() override {}
};

// A weight in the middle of the body's outline, for the optimiser to weigh and move.
Workspace withWeight(int slot)
{
    Workspace workspace = test::builtInWorkspace(slot);
    QPoint middle;
    for (const QPoint &point : workspace.design.OuterPts)
        middle += point;
    middle /= static_cast<int>(workspace.design.OuterPts.size());
    WeightSlot &weight = workspace.design.Weights[0];
    weight.X = middle.x();
    weight.Y = middle.y();
    weight.Mass = 0.02f;
    // A second tread for the search to choose.
    workspace.catalogue.treads.push_back({QStringLiteral("Foam"), QStringLiteral("0.6")});
    return workspace;
}

Challenge classChallenge()
{
    Challenge challenge;
    for (const char *text : {"drive-wheel <= 7", "spring-width <= 5", "no-skid", "reaches-15ft"}) {
        RuleRefusal refusal;
        challenge.rules.push_back(parseRule(QString::fromLatin1(text), refusal).value());
    }
    return challenge;
}

} // namespace

TEST(Optimiser, DoesAtLeastAsWellAsTheSweepOverTheSameRanges)
{
    const Workspace start = test::builtInWorkspace(0);
    WorkerPool workers;
    SweepRanges ranges;
    ranges.width = {start.design.SpringWidth, start.design.SpringWidth, QStringLiteral("1")};
    ranges.wheel = {QStringLiteral("2.6"), QStringLiteral("7.5"), QStringLiteral("0.35")};
    ranges.length = {QStringLiteral("24"), QStringLiteral("48.5"), QStringLiteral("1.75")};
    const ParallelSweepResult sweep = RunParallelSweep(workers, start, SweepBest{}, ranges);
    ASSERT_GT(sweep.combinations, 200);
    const double sweepBest = parseDouble(sweep.best.BestYet).value();

    std::vector<OptimiserParameter> parameters = optimiserParameters(start, {"drive-wheel", "spring-length"});
    ASSERT_TRUE(NarrowOptimiserRange(parameters[0], 2.6, 7.5).isEmpty());
    ASSERT_TRUE(NarrowOptimiserRange(parameters[1], 24.0, 48.5).isEmpty());
    OptimiserOptions options;
    options.maxEvaluations = 500;
    options.seed = 11;
    const OptimiserResult result = RunOptimiser(workers, start, parameters, options);
    ASSERT_FALSE(result.best.empty());
    EXPECT_LE(result.evaluations, 500);
    EXPECT_LE(parseDouble(result.best.front().time).value(), sweepBest) << sweep.best.BestYet.toStdString();
}

TEST(Optimiser, EveryAnswerIsTheBuiltCarWithinTheConstraintsOnAnyThreads)
{
    WorkerPool workers;
    for (const int slot : {0, 1, 3}) {
        const Workspace start = withWeight(slot);
        const std::vector<OptimiserParameter> parameters = optimiserParameters(
            start, {"spring-length", "spring-width", "drive-wheel", "front-axle-x", "weight1-mass", "weight1-x", "drive",
                    "tread-material"});
        for (const quint64 seed : {1u, 5u}) {
            SCOPED_TRACE(testing::Message() << "design " << slot << " seed " << seed);
            OptimiserOptions options;
            options.maxEvaluations = 150;
            options.seed = seed;
            options.constraints.maxMassLb = 0.35;
            options.constraints.noSkid = true;
            options.constraints.challenge = classChallenge();
            options.threads = 1;
            const OptimiserResult one = RunOptimiser(workers, start, parameters, options);
            options.threads = 2;
            const OptimiserResult two = RunOptimiser(workers, start, parameters, options);
            ASSERT_FALSE(one.best.empty());
            ASSERT_EQ(one.evaluations, two.evaluations);
            ASSERT_EQ(one.best.size(), two.best.size());
            for (size_t i = 0; i < one.best.size(); ++i) {
                EXPECT_EQ(one.best[i].values, two.best[i].values);
                EXPECT_EQ(one.best[i].time, two.best[i].time);
            }
            // The designs tried come back in the search's order, which the threads do not change.
            ASSERT_EQ(static_cast<qint64>(one.tried.size()), one.evaluations);
            ASSERT_EQ(one.tried.size(), two.tried.size());
            for (size_t i = 0; i < one.tried.size(); ++i) {
                EXPECT_EQ(one.tried[i].values, two.tried[i].values);
                EXPECT_EQ(one.tried[i].search, two.tried[i].search);
            }
            EXPECT_EQ(one.tried.front().search, -1);
            EXPECT_TRUE(std::any_of(one.tried.begin(), one.tried.end(),
                                    [](const OptimiserTrial &trial) { return trial.search == 0; }));
            // A local search moves the sizes only: its drive and tread stay those it started with.
            std::map<int, std::vector<double>> choicesOf;
            for (const OptimiserTrial &trial : one.tried) {
                if (trial.search < 0)
                    continue;
                const std::vector<double> choices(trial.values.end() - 2, trial.values.end());
                EXPECT_EQ(choicesOf.try_emplace(trial.search, choices).first->second, choices);
            }
            // Each answer, written into the design and run through the window's whole Simulate
            // refresh, is the car reported and breaks nothing.
            for (const OptimiserDesign &design : one.best) {
                Workspace check = start;
                ApplyOptimiserDesign(check, parameters, design);
                PrepareEntireCycle(check);
                RefreshPhysicsMode(check, SheetMode::Simulate);
                const DesignRecord &d = check.design;
                QuietOptimiserPrompter silent;
                EXPECT_TRUE(ValidateParameters({d.DriveWhlDia, d.OtherWhlDia, d.DriveAxleDia, d.DriveAxleLength,
                                                d.OtherAxleDia, d.OtherAxleLength, d.SpringWidth, d.SpringLength,
                                                d.CaseRatio, d.Friction, check.results.CaseOuterDEF},
                                               silent));
                EXPECT_EQ(check.results.TimeEF, design.time);
                EXPECT_LE(floatOr(check.results.ProjectedMassEF, 99.0f), 0.35f);
                EXPECT_FALSE(check.forces.SkidOccurred);
                RefreshForChallenge(check);
                EXPECT_EQ(BrokenRulesText(CheckChallenge(check, *options.constraints.challenge)), QString());
                for (size_t p = 0; p < parameters.size(); ++p) {
                    EXPECT_GE(design.values[p], parameters[p].low - 1e-9);
                    // Only the build may take a drive wheel past its range, to fit the case.
                    if (parameters[p].name != QLatin1String("drive-wheel")) {
                        EXPECT_LE(design.values[p], parameters[p].high + 1e-9);
                    }
                }
            }
        }
    }
}

TEST(Optimiser, ReportsProgressAndStopsWhenAsked)
{
    const Workspace start = test::builtInWorkspace(0);
    WorkerPool workers;
    std::atomic<bool> stop{false};
    OptimiserOptions options;
    options.maxEvaluations = 1000000;
    options.stopFlag = &stop;
    qint64 reported = 0;
    options.progress = [&](qint64 tried, std::optional<double>) {
        reported = tried;
        stop.store(true);
    };
    const OptimiserResult result =
        RunOptimiser(workers, start, optimiserParameters(start, {"spring-length", "drive-wheel"}), options);
    EXPECT_TRUE(result.stopped);
    EXPECT_LT(result.evaluations, 100000);
    EXPECT_EQ(reported, result.evaluations);
    EXPECT_FALSE(result.best.empty());
}
