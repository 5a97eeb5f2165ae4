// SPDX-License-Identifier: GPL-3.0-or-later
// One step's share of the energy from the values it used, and the sentence on the largest loss.

#include "physics/RunEnergy.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(RunEnergy, AStepsTermsComeFromItsOwnValues)
{
    EnergyTrace trace;
    // A rear axle skids: its spring pushes with 0.3 lb over twice the 0.1 ft the car moves, the
    // tread passes on 0.2 lb of it.
    AddEnergyStep(trace, {1, 0.3f, 0.0f, 0.2f, 0.0f, true, false, 0.25f, 0.05f, 0.01f, 0.0f, 2.0f, 0.1f, false});
    const EnergyTotals t = trace.totals();
    EXPECT_NEAR(t.springDelivered, 0.06, 1e-7);
    EXPECT_NEAR(t.skid, 0.04, 1e-7);
    EXPECT_NEAR(t.wheelRotation, 0.005, 1e-7);
    EXPECT_NEAR(t.friction, 0.005, 1e-7);
    EXPECT_NEAR(t.carKinetic, 0.02, 1e-7);
    EXPECT_EQ(t.stopped, 0.0);
    EXPECT_EQ(LargestLossSentence(t),
              "Skidding wasted 67 % of your spring's energy: more weight on the drive wheels or a grippier tread "
              "would help");
    EXPECT_EQ(LargestLossSentence({}), "");
}
