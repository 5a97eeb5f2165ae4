// SPDX-License-Identifier: GPL-3.0-or-later
// The sensitivity of a design's run to each input against the finite difference of two whole
// Simulate refreshes (the one 'zindle-cli simulate' runs), the steps that go down, and the
// inputs a build or a calibration holds.

#include "app/RefreshChain.h"
#include "app/Sensitivity.h"
#include "model/BuiltInDesigns.h"
#include "model/DesignState.h"
#include "model/Modes.h"

#include <QStringList>
#include "support/BuiltInWorkspace.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// A 0.05 lb weight in the middle of the body's outline.
void addWeight(Workspace &workspace)
{
    QPoint middle;
    for (const QPoint &point : workspace.design.OuterPts)
        middle += point;
    middle /= static_cast<int>(workspace.design.OuterPts.size());
    WeightSlot &weight = workspace.design.Weights[0];
    weight.X = middle.x();
    weight.Y = middle.y();
    weight.Mass = 0.05f;
}

struct FullRun {
    std::optional<double> time;
    double distance = 0.0;
};

FullRun fullRun(Workspace workspace)
{
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);
    return {SmoothTimeAtDistance(workspace.run, CourseFt), DistanceReached(workspace.run)};
}

const SensitivityEntry &entryOf(const SensitivityResult &result, const char *input)
{
    for (const SensitivityEntry &entry : result.inputs)
        if (entry.input == QLatin1String(input))
            return entry;
    ADD_FAILURE() << "no entry " << input;
    return result.inputs.front();
}

} // namespace

TEST(Sensitivity, EveryChangeIsTheDifferenceOfTwoWholeSimulateRuns)
{
    WorkerPool workers;
    bool timed = false, measuredByDistance = false, fellShort = false;
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        Workspace workspace = test::builtInWorkspace(slot);
        if (slot == 1)
            addWeight(workspace);
        const SensitivityResult result = ComputeSensitivity(workers, workspace);
        ASSERT_TRUE(result.message.isEmpty()) << slot;
        ASSERT_EQ(result.inputs.size(), slot == 1 ? 13u : 11u) << slot;
        const FullRun base = fullRun(workspace);
        EXPECT_EQ(result.measure == SensitivityMeasure::Time, base.time.has_value()) << slot;
        timed = timed || base.time;
        measuredByDistance = measuredByDistance || !base.time;
        for (const SensitivityEntry &entry : result.inputs) {
            SCOPED_TRACE(entry.input.toStdString() + " of design " + std::to_string(slot));
            Workspace stepped = workspace;
            ASSERT_TRUE(SetSensitivityInput(stepped, entry.input, entry.baseValue + entry.delta));
            const FullRun changed = fullRun(stepped);
            if (base.time) {
                EXPECT_FALSE(entry.distanceChange);
                EXPECT_EQ(entry.stepFallsShort, !changed.time);
                if (changed.time) {
                    ASSERT_TRUE(entry.timeChange);
                    const double expected = *changed.time - *base.time;
                    EXPECT_NEAR(*entry.timeChange, expected, 1e-9);
                    EXPECT_EQ(*entry.timeChange > 0.0, expected > 0.0);
                }
                fellShort = fellShort || entry.stepFallsShort;
            } else {
                EXPECT_FALSE(entry.timeChange);
                ASSERT_TRUE(entry.distanceChange);
                const double expected = changed.distance - base.distance;
                EXPECT_NEAR(*entry.distanceChange, expected, 1e-9);
                EXPECT_EQ(*entry.distanceChange > 0.0, expected > 0.0);
            }
        }
        // Ranked by effect, the sentence on the first.
        for (size_t i = 1; i < result.ranked.size(); ++i)
            EXPECT_GE(result.inputs[static_cast<size_t>(result.ranked[i - 1])].effect(),
                      result.inputs[static_cast<size_t>(result.ranked[i])].effect());
    }
    EXPECT_TRUE(timed && measuredByDistance && fellShort);
}

TEST(Sensitivity, StepsAndSentenceOfTheDefaultDesign)
{
    WorkerPool workers;
    Workspace workspace = test::builtInWorkspace(0);
    addWeight(workspace);
    const SensitivityResult result = ComputeSensitivity(workers, workspace);
    const QStringList expectedOrder = {"springLength", "springWidth", "driveWheelDiameter", "otherWheelDiameter",
                                       "driveAxleDiameter", "otherAxleDiameter", "frontAxlePosition",
                                       "weight1Mass", "weight1Position", "friction", "boardDensity",
                                       "boardThickness", "treadFriction"};
    QStringList order;
    for (const SensitivityEntry &entry : result.inputs)
        order << entry.input;
    EXPECT_EQ(order, expectedOrder);
    EXPECT_EQ(entryOf(result, "weight1Mass").caption, "Weight 1 mass");
    EXPECT_DOUBLE_EQ(entryOf(result, "springLength").delta, 1.0);
    EXPECT_DOUBLE_EQ(entryOf(result, "weight1Position").delta, 0.125);
    EXPECT_NEAR(entryOf(result, "boardDensity").delta, 0.000115, 1e-12);
    EXPECT_EQ(result.sentence, "The drive axle diameter matters most: 0.05 in larger falls 1.00 ft shorter");

    // At the top of their ranges the steps go down.
    workspace.design.Friction = QStringLiteral("0.25");
    workspace.design.OtherAxleDia = QStringLiteral("1");
    const SensitivityResult top = ComputeSensitivity(workers, workspace);
    EXPECT_DOUBLE_EQ(entryOf(top, "friction").delta, -0.01);
    EXPECT_DOUBLE_EQ(entryOf(top, "otherAxleDiameter").delta, -0.05);
}

TEST(Sensitivity, InputsTheBuildOrTheCalibrationHoldChangeNothingAndSaySo)
{
    WorkerPool workers;
    Workspace workspace = test::builtInWorkspace(0);
    // Too small for the spring's case: the build runs a larger wheel whatever is typed.
    workspace.design.DriveWhlDia = QStringLiteral("2");
    workspace.trackFactors.friction = 0.1f;
    const SensitivityResult result = ComputeSensitivity(workers, workspace);
    const SensitivityEntry &wheel = entryOf(result, "driveWheelDiameter");
    EXPECT_EQ(wheel.held, SensitivityHeld::Build);
    EXPECT_EQ(wheel.effect(), 0.0);
    const SensitivityEntry &friction = entryOf(result, "friction");
    EXPECT_EQ(friction.held, SensitivityHeld::Calibration);
    EXPECT_EQ(friction.effect(), 0.0);
    EXPECT_EQ(entryOf(result, "springLength").held, SensitivityHeld::Nothing);
    EXPECT_EQ(SensitivityChangeText(wheel), "+0.1 in: changes nothing (the build keeps the drive wheel as it is)");
}
