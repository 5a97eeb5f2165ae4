// SPDX-License-Identifier: GPL-3.0-or-later
// The run of one car, from hand-filled results of the earlier steps: the texts it writes, the
// traces it records, the frames it shows and its behaviour with numbers that would divide by
// zero.

#include "app/SimulationControls.h"
#include "model/DesignList.h"
#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "physics/Race.h"
#include "physics/Simulation.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace zindle;

namespace {

struct SimRun {
    DesignRecord design;
    MaterialCatalogue catalogue;
    ResultFields results;
    DesignList list;
    ForcePictureState forces;
    SimulationState state;
    Balance balance{0.0f, 3.0f, 1.5f, 6.0f};

    SimRun()
    {
        ResetParameters(design);
        results.RevsEF = QStringLiteral("20");
        results.ProjectedMassEF = QStringLiteral("0.3");
        results.PoweredDistanceEF = QStringLiteral("25.1");
        results.TractionLeftEF = QStringLiteral("0.2");
        results.TractionRightEF = QStringLiteral("0");
        grip(QStringLiteral("10"));
    }
    void grip(const QString &mu) { catalogue.treads[0].TreadFriction = mu; }

    SimulationOutcome run(int frame, SheetMode mode = SheetMode::Simulate, const SimulationFrameHook &hook = {})
    {
        const DesignNumbers numbers = ParseDesignNumbers(design, catalogue);
        SimulationContext context{design, catalogue, numbers, balance, results, list, forces, mode, nullptr};
        const SimulationOutcome outcome = RunSimulation(context, frame, hook);
        // What the application keeps of the run: the picture shown and the buttons.
        RecordRun(state, frame, outcome);
        return outcome;
    }
    const RaceTrace &trace() const { return list.traces[static_cast<size_t>(list.CurrentDesign)]; }
    bool traceFinite() const
    {
        for (float sample : trace().DistanceTrace)
            if (!std::isfinite(sample))
                return false;
        return true;
    }
};

} // namespace

TEST(Simulation, ACarThatReachesTheLineRecordsItsTimeAndTrace)
{
    SimRun r;
    const SimulationOutcome out = r.run(FrameRunToEnd, SheetMode::Race);
    ASSERT_NE(out.timeToCourseEnd, NotYetAtCourseEnd);
    EXPECT_EQ(r.results.TimeEF, floatText(static_cast<float>(out.timeToCourseEnd) / 100.0f));
    const auto &d = r.trace().DistanceTrace;
    EXPECT_GE(d[static_cast<size_t>(out.timeToCourseEnd)], 15.0f);
    EXPECT_LT(d[static_cast<size_t>(out.timeToCourseEnd - 1)], 15.0f);
    EXPECT_EQ(d[0], -1.0f); // the start is not a step
    EXPECT_EQ(d[static_cast<size_t>(out.finalTimeIndex)], out.distance);
    EXPECT_EQ(d[static_cast<size_t>(out.finalTimeIndex + 1)], -1.0f);
    EXPECT_TRUE(r.list.current().DesignSimulated);
    EXPECT_FLOAT_EQ(r.state.LastRunTime, out.finalTimeIndex / 100.0f);
    EXPECT_EQ(r.results.TopSpeedEF, floatText(out.velocity).left(4));
    // The end speed of a car whose spring is running down is below the highest of its run.
    EXPECT_EQ(r.results.TopSpeedEF, "18.2");
    EXPECT_EQ(r.results.PeakSpeedEF, "19.0");
    EXPECT_GE(out.revsLeft, 20.0f); // the run ends when the spring is spent
    EXPECT_TRUE(r.results.RevisedLabel.isEmpty() || out.distance < 25.1f);
}

TEST(Simulation, ACarThatStopsShortShowsItsFinalTimeInBrackets)
{
    SimRun r;
    r.results.RevsEF = QStringLiteral("5");
    r.results.PoweredDistanceEF = QStringLiteral("1"); // a prediction below what it covers
    const SimulationOutcome out = r.run(FrameRunToEnd, SheetMode::Race);
    EXPECT_EQ(out.timeToCourseEnd, NotYetAtCourseEnd);
    EXPECT_EQ(r.results.TimeEF, QStringLiteral("[") + doubleText(out.finalTimeIndex / 100.0).left(4) + "]");
    EXPECT_TRUE(r.results.RevisedLabel.isEmpty());
    EXPECT_EQ(r.results.PoweredDistanceEF, "1");
}

TEST(Simulation, SkiddingShortensThePoweredDistanceAndRevisesIt)
{
    SimRun r;
    r.grip(QStringLiteral("1"));
    r.results.RevsEF = QStringLiteral("9.4");
    r.results.PoweredDistanceEF = QStringLiteral("11.8119997");
    const SimulationOutcome out = r.run(FrameRunToEnd, SheetMode::Race);
    EXPECT_TRUE(out.skidOccurred);
    EXPECT_TRUE(r.forces.SkidOccurred);
    EXPECT_EQ(r.trace().SkidTrace[1], 1);
    EXPECT_LT(out.distance, 11.8f);
    EXPECT_EQ(r.results.RevisedLabel, "(was 11.8)");
    EXPECT_EQ(r.results.PoweredDistanceEF, floatText(out.distance).left(4));
}

TEST(Simulation, WithoutFrictionThePropulsionFallsLinearlyWithTheRevolutions)
{
    SimRun r;
    r.design.Friction = QStringLiteral("0");
    std::vector<SimulationFrame> frames;
    r.run(FrameEntireCycle, SheetMode::Simulate, [&](const SimulationFrame &f) { frames.push_back(f); });
    ASSERT_GT(frames.size(), 10u);
    const float full = 0.57f / 2.4f;
    for (const SimulationFrame &f : frames) {
        if (f.final)
            continue;
        // The force of a step is taken before that step's turns are added: allow one step.
        EXPECT_NEAR(f.propulsionLeft, full * (1.0f - f.revsLeft / 20.0f), 0.005f) << f.frame;
    }
    EXPECT_TRUE(frames.back().final);
    EXPECT_EQ(frames.back().propulsionLeft, 0.0f);
}

TEST(Simulation, FramesAreTwoStepsApartAndSteppingPastTheEndShowsTheEndPicture)
{
    SimRun r;
    r.run(1);
    ASSERT_TRUE(r.state.frameShown);
    EXPECT_EQ(r.state.shownFrame.timeIndex, 2);
    EXPECT_EQ(r.state.shownFrame.DynamicTimeLabel, "0.02 sec");
    EXPECT_EQ(r.state.shownFrame.DynamicRevsRightLabel, "");
    EXPECT_TRUE(r.state.shownFrame.DynamicRevsLeftLabel.endsWith(" of 20.0: Rear"));
    EXPECT_TRUE(r.state.StepEnabled);

    const SimulationOutcome out = r.run(2);
    r.state = SimulationState{};
    r.run(out.frameCount + 1);
    EXPECT_FALSE(r.state.StepEnabled);
    EXPECT_FALSE(r.state.ToEndEnabled);
    EXPECT_TRUE(r.state.RewindEnabled);
    EXPECT_TRUE(r.state.shownFrame.final);
    EXPECT_EQ(r.state.shownFrame.propulsionLeft, 0.0f);
    EXPECT_FLOAT_EQ(r.state.shownFrame.tractionLeft, 10.0f * r.forces.NormalForceDriveAtRest);

    // The race's run shows nothing and leaves Step as it was.
    r.state = SimulationState{};
    r.run(FrameRunToEnd, SheetMode::Race);
    EXPECT_FALSE(r.state.frameShown);
    EXPECT_TRUE(r.state.StepEnabled);
    EXPECT_TRUE(r.state.RewindEnabled);
}

TEST(Simulation, AllWheelDriveEndsWhenEitherAxleHasTurnedAllRevolutions)
{
    SimRun r;
    r.grip(QStringLiteral("1"));
    ApplyDrive(r.design, DriveKind::AllWD);
    r.results.RevsEF = QStringLiteral("9.4");
    const SimulationOutcome out = r.run(FrameRunToEnd, SheetMode::Race);
    // The lightly loaded front axle skids and spins through its turns first.
    EXPECT_GE(out.revsRight, 9.4f);
    EXPECT_LT(out.revsLeft, 9.4f);
}

TEST(Simulation, NoMassOrNoWheelLeavesTheCarAtRestAfterOneStep)
{
    {
        SimRun r;
        r.results.ProjectedMassEF.clear(); // the mass analysis never ran
        r.run(FrameRunToEnd, SheetMode::Race);
        EXPECT_EQ(r.results.TimeEF, "[0.01]");
        EXPECT_EQ(r.results.TopSpeedEF, "0");
        EXPECT_EQ(r.results.PoweredDistanceEF, "0");
        EXPECT_EQ(r.results.RevisedLabel, "(was 25.1)");
        EXPECT_TRUE(r.traceFinite());
    }
    {
        SimRun r;
        r.design.DriveWhlDia = QStringLiteral("0");
        r.run(FrameRunToEnd, SheetMode::Race);
        EXPECT_EQ(r.results.TimeEF, "[0.01]");
        EXPECT_TRUE(r.traceFinite());
    }
    {
        // Massless wheels (a board of no density) take no share of the force.
        SimRun r;
        r.catalogue.boards[0].BoardDensity = QStringLiteral("0");
        const SimulationOutcome out = r.run(FrameRunToEnd, SheetMode::Race);
        EXPECT_TRUE(std::isfinite(out.velocity));
        EXPECT_NE(out.timeToCourseEnd, NotYetAtCourseEnd);
    }
}

TEST(Simulation, FrictionAbovePropulsionKeepsTheCarAtRest)
{
    // Friction of 1 lb against a spring that pushes with 0.24 lb: it used to drive the car
    // backwards for 100 s.
    SimRun r;
    r.design.Friction = QStringLiteral("1");
    std::vector<SimulationFrame> frames;
    const SimulationOutcome out = r.run(FrameEntireCycle, SheetMode::Simulate, [&](const SimulationFrame &f) { frames.push_back(f); });
    EXPECT_EQ(out.finalTimeIndex, 1); // the one step that starts and ends at rest is counted
    EXPECT_EQ(out.distance, 0.0f);
    EXPECT_EQ(out.velocity, 0.0f);
    EXPECT_EQ(out.revsLeft, 0.0f);
    EXPECT_EQ(r.results.TimeEF, "[0.01]");
    EXPECT_EQ(r.results.TopSpeedEF, "0");
    EXPECT_EQ(r.results.PoweredDistanceEF, "0");
    EXPECT_EQ(r.state.LastRunTime, 0.01f);
    EXPECT_EQ(r.trace().DistanceTrace[1], 0.0f);
    EXPECT_EQ(r.trace().DistanceTrace[2], -1.0f);
    // One frame at 0.01 s, then the end picture.
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].DynamicTimeLabel, "0.01 sec");
    EXPECT_EQ(frames[0].DynamicDistanceLabel, "0.00 of 25.10 ft");
    EXPECT_TRUE(frames[1].final);

    // Stepping: frame 1 is the only one, the next press shows the end picture.
    r.state = SimulationState{};
    r.run(1);
    EXPECT_TRUE(r.state.StepEnabled);
    r.run(2);
    EXPECT_FALSE(r.state.StepEnabled);
    EXPECT_TRUE(r.state.shownFrame.final);

    // The race shows where it stayed.
    RaceState race;
    RunRaceToEnd(race, r.list);
    EXPECT_EQ(raceResultText(race.lanes[static_cast<size_t>(r.list.CurrentDesign)]), "0.01 sec/0.00 ft");
}

TEST(Simulation, ACarThatSlowsDownStopsInsteadOfRollingBack)
{
    // 0.2 lb of friction against a spring whose force falls from 0.24 lb: the car creeps
    // forward, slows down and comes to rest long before its spring has unwound.
    SimRun r;
    r.design.Friction = QStringLiteral("0.2");
    std::vector<SimulationFrame> frames;
    const SimulationOutcome out = r.run(FrameEntireCycle, SheetMode::Simulate, [&](const SimulationFrame &f) { frames.push_back(f); });
    ASSERT_GT(out.distance, 0.0f);
    EXPECT_EQ(out.velocity, 0.0f);
    EXPECT_LT(out.revsLeft, 20.0f);
    EXPECT_LT(out.finalTimeIndex, 10000);
    EXPECT_EQ(r.results.TopSpeedEF, "0");
    EXPECT_EQ(r.results.TimeEF, QStringLiteral("[") + doubleText(out.finalTimeIndex / 100.0).left(4) + "]");
    for (const SimulationFrame &f : frames)
        EXPECT_GE(f.velocity, 0.0f) << f.frame;
    // The distance never shrinks, and the last two samples are the same: the step that came
    // to rest, then the one that started and ended at rest.
    const auto &d = r.trace().DistanceTrace;
    for (int i = 2; i <= out.finalTimeIndex && i < TraceSamples; ++i)
        ASSERT_GE(d[static_cast<size_t>(i)], d[static_cast<size_t>(i - 1)]) << i;
    if (out.finalTimeIndex < TraceSamples) {
        EXPECT_EQ(d[static_cast<size_t>(out.finalTimeIndex)], d[static_cast<size_t>(out.finalTimeIndex - 1)]);
        EXPECT_EQ(d[static_cast<size_t>(out.finalTimeIndex + 1)], -1.0f);
    }
}

TEST(Simulation, ACarThatComesToRestBeyondTheLineKeepsItsTimeAndDistance)
{
    SimRun r;
    r.results.RevsEF = QStringLiteral("60");
    r.results.PoweredDistanceEF = QStringLiteral("75.3");
    r.design.Friction = QStringLiteral("0.15");
    const SimulationOutcome out = r.run(FrameRunToEnd, SheetMode::Race);
    ASSERT_NE(out.timeToCourseEnd, NotYetAtCourseEnd);
    EXPECT_LT(out.revsLeft, 60.0f); // it stopped, the spring did not run out
    EXPECT_EQ(out.velocity, 0.0f);
    EXPECT_GE(out.distance, 15.0f);
    EXPECT_EQ(r.results.TimeEF, floatText(static_cast<float>(out.timeToCourseEnd) / 100.0f));
    EXPECT_EQ(r.results.PoweredDistanceEF, floatText(out.distance).left(4));
    const auto &d = r.trace().DistanceTrace;
    float highest = 0.0f;
    for (float sample : d)
        highest = std::max(highest, sample);
    EXPECT_EQ(highest, out.distance);
}

TEST(Simulation, SlotsBeyondTheRaceRecordNoTrace)
{
    SimRun r;
    for (int i = r.list.DesignCount(); i < 20; ++i)
        r.list.append(QStringLiteral("D%1").arg(i), QString(), true);
    r.list.CurrentDesign = 19;
    r.run(FrameRunToEnd, SheetMode::Race);
    EXPECT_TRUE(r.list.current().DesignSimulated);
    for (const RaceTrace &trace : r.list.traces)
        EXPECT_EQ(trace.DistanceTrace[1], -1.0f);
}
