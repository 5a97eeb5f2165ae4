// The run of one car, from hand-filled results of the earlier steps: the texts it writes, the
// traces it records, the frames it shows and its behaviour with numbers that would divide by
// zero.

#include "model/DesignList.h"
#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "physics/Simulation.h"

#include <gtest/gtest.h>
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

    SimulationOutcome run(int frame, int mode = 5, const SimulationFrameHook &hook = {})
    {
        SimulationContext context{design, catalogue, balance, results, list, forces, state, mode};
        return RunSimulation(context, frame, hook);
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
    const SimulationOutcome out = r.run(FrameRunToEnd, 6);
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
    EXPECT_GE(out.revsLeft, 20.0f); // the run ends when the spring is spent
    EXPECT_TRUE(r.results.RevisedLabel.isEmpty() || out.distance < 25.1f);
}

TEST(Simulation, ACarThatStopsShortShowsItsFinalTimeInBrackets)
{
    SimRun r;
    r.results.RevsEF = QStringLiteral("5");
    r.results.PoweredDistanceEF = QStringLiteral("1"); // a prediction below what it covers
    const SimulationOutcome out = r.run(FrameRunToEnd, 6);
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
    const SimulationOutcome out = r.run(FrameRunToEnd, 6);
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
    r.run(FrameEntireCycle, 5, [&](const SimulationFrame &f) { frames.push_back(f); });
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
    r.run(FrameRunToEnd, 6);
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
    const SimulationOutcome out = r.run(FrameRunToEnd, 6);
    // The lightly loaded front axle skids and spins through its turns first.
    EXPECT_GE(out.revsRight, 9.4f);
    EXPECT_LT(out.revsLeft, 9.4f);
}

TEST(Simulation, NoMassNoWheelOrTooMuchFrictionStayFinite)
{
    {
        SimRun r;
        r.results.ProjectedMassEF.clear(); // the mass analysis never ran
        r.run(FrameRunToEnd, 6);
        EXPECT_EQ(r.results.TimeEF, "[100.]");
        EXPECT_EQ(r.results.TopSpeedEF, "0");
        EXPECT_EQ(r.results.PoweredDistanceEF, "0");
        EXPECT_EQ(r.results.RevisedLabel, "(was 25.1)");
        EXPECT_TRUE(r.traceFinite());
    }
    {
        SimRun r;
        r.design.DriveWhlDia = QStringLiteral("0");
        r.run(FrameRunToEnd, 6);
        EXPECT_EQ(r.results.TimeEF, "[100.]");
        EXPECT_TRUE(r.traceFinite());
    }
    {
        // Friction above the propulsion pushes the car backwards until the time limit.
        SimRun r;
        r.design.Friction = QStringLiteral("1");
        const SimulationOutcome out = r.run(FrameRunToEnd, 6);
        EXPECT_EQ(r.results.TimeEF, "[100.]");
        EXPECT_LT(out.distance, 0.0f);
        EXPECT_TRUE(std::isfinite(out.distance));
        EXPECT_TRUE(r.traceFinite());
    }
    {
        // Massless wheels (a board of no density) take no share of the force.
        SimRun r;
        r.catalogue.boards[0].BoardDensity = QStringLiteral("0");
        const SimulationOutcome out = r.run(FrameRunToEnd, 6);
        EXPECT_TRUE(std::isfinite(out.velocity));
        EXPECT_NE(out.timeToCourseEnd, NotYetAtCourseEnd);
    }
}

TEST(Simulation, SlotsBeyondTheRaceRecordNoTrace)
{
    SimRun r;
    for (int i = r.list.DesignCount(); i < 20; ++i)
        r.list.append(QStringLiteral("D%1").arg(i), QString(), true);
    r.list.CurrentDesign = 19;
    r.run(FrameRunToEnd, 6);
    EXPECT_TRUE(r.list.current().DesignSimulated);
    for (const RaceTrace &trace : r.list.traces)
        EXPECT_EQ(trace.DistanceTrace[1], -1.0f);
}
