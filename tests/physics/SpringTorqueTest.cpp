// SPDX-License-Identifier: GPL-3.0-or-later
// The spring model and the force rules: torque scaling, the revolutions formula and its
// guards, the stretched torque curve, axle loads, traction and the skid rule.

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/NumberText.h"
#include "physics/Forces.h"
#include "physics/SpringTorque.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace zindle;

namespace {

SpringMaterial curveMaterial(std::initializer_list<const char *> rows)
{
    SpringMaterial spring = MaterialCatalogue::builtInSpring();
    spring.SpringTorqueCurve.fill(QStringLiteral("0"));
    int k = 0;
    for (const char *row : rows)
        spring.SpringTorqueCurve[static_cast<size_t>(k++)] = QString::fromLatin1(row);
    return spring;
}

} // namespace

TEST(SpringTorque, TorqueScalesWithWidthRelativeToTheSample)
{
    EXPECT_EQ(maxSpringTorque(1.5f, 0.57f, 1.5f), 0.57f);
    EXPECT_EQ(maxSpringTorque(3.0f, 0.57f, 1.5f), 2.0f * 0.57f);
    EXPECT_EQ(maxSpringTorque(0.0001f, 0.57f, 1.5f), 0.0f); // below 0.0001
    EXPECT_EQ(maxSpringTorque(-1.0f, 0.57f, 1.5f), 0.0f);
    EXPECT_EQ(maxSpringTorque(1.5f, 0.57f, 0.0f), 0.0f);    // sample without width
}

TEST(SpringTorque, TorqueStepWritesTorquePropulsionAndSpringMass)
{
    DesignRecord design;
    ResetParameters(design);
    MaterialCatalogue catalogue;
    ResultFields results;
    ComputeTorqueStep(ParseDesignNumbers(design, catalogue), results);
    EXPECT_EQ(results.MaxRealTorqueEF, "0.569999992847443");
    const float propulsion = 0.57f / (4.8f / 2.0f);
    EXPECT_EQ(results.PropulsionLeftEF, floatText(propulsion));
    EXPECT_EQ(results.PropulsionRightEF, results.PropulsionLeftEF);
    EXPECT_EQ(results.SpringMassEF, floatText(0.045f * 36.0f * 0.0125f * 1.5f));

    // A zero torque gives a propulsion of exactly 0, not a tiny number; so does a wheel of no size.
    design.SpringWidth = QStringLiteral("0");
    ComputeTorqueStep(ParseDesignNumbers(design, catalogue), results);
    EXPECT_EQ(results.MaxRealTorqueEF, "0");
    EXPECT_EQ(results.PropulsionLeftEF, "0");
    EXPECT_EQ(results.SpringMassEF, "0");
    EXPECT_EQ(staticPropulsion(0.57f, 0.0f), 0.0f);
}

TEST(SpringTorque, RevolutionsOfTheDefaultSpringInATwoInchChamber)
{
    EXPECT_NEAR(revolutionsDelivered(0.0125f, 36.0f, 0.5f, 2.0f), 9.40f, 0.01f);
    // Powered distance: pi x diameter x revolutions / 12 feet.
    EXPECT_NEAR(poweredDistance(4.8f, 9.4f), 3.1415927 * 4.8 * 9.4 / 12.0, 1e-5);
}

TEST(SpringTorque, ASpringThatCannotBeWoundDeliversNoRevolutions)
{
    // Too long for its chamber: the first square root's argument is negative.
    EXPECT_EQ(revolutionsDelivered(0.0125f, 36.0f, 0.5f, 0.5f), 0.0f);
    // No thickness: every turn count would divide by zero.
    EXPECT_EQ(revolutionsDelivered(0.0f, 36.0f, 0.5f, 2.0f), 0.0f);

    DesignRecord design;
    ResetParameters(design);
    MaterialCatalogue catalogue;
    ResultFields results;
    results.CaseIDEF = QStringLiteral("0.5");
    ComputeRevolutionsStep(ParseDesignNumbers(design, catalogue), results);
    EXPECT_EQ(results.RevsEF, "0");
    EXPECT_EQ(results.PoweredDistanceEF, "0");
    results.CaseIDEF.clear(); // no build yet
    ComputeRevolutionsStep(ParseDesignNumbers(design, catalogue), results);
    EXPECT_EQ(results.RevsEF, "0");
}

TEST(SpringTorque, OnlyTheMaximumEnteredFallsLinearlyToZero)
{
    const SpringMaterial spring = curveMaterial({"0.57"});
    EXPECT_EQ(TorqueCurve(spring).pointCount(), 1);
    EXPECT_FLOAT_EQ(TorqueAtRevs(spring, 0.0f, 9.0f), 0.57f);
    EXPECT_FLOAT_EQ(TorqueAtRevs(spring, 4.5f, 9.0f), 0.285f);
    EXPECT_FLOAT_EQ(TorqueAtRevs(spring, 9.0f, 9.0f), 0.0f);
}

TEST(SpringTorque, CurveIsStretchedOverTheRevolutionsAndZeroRowsAreSkipped)
{
    const SpringMaterial spring = curveMaterial({"0.57", "0.40", "0.30"});
    EXPECT_EQ(TorqueCurve(spring).pointCount(), 3);
    EXPECT_FLOAT_EQ(TorqueAtRevs(spring, 3.0f, 9.0f), 0.40f);
    EXPECT_FLOAT_EQ(TorqueAtRevs(spring, 7.5f, 9.0f), 0.15f);

    // A "0" inside the curve is a gap, not a zero torque; an empty row is a gap too.
    const SpringMaterial gap = curveMaterial({"0.57", "0", "0.30"});
    EXPECT_FLOAT_EQ(TorqueAtRevs(gap, 3.0f, 9.0f), 0.435f);
    const SpringMaterial empty = curveMaterial({"0.57", "", "0.30"});
    EXPECT_FLOAT_EQ(TorqueAtRevs(empty, 3.0f, 9.0f), 0.435f);
}

TEST(SpringTorque, TorqueStaysFiniteWithoutRevolutionsOrRollingBackwards)
{
    const SpringMaterial spring = curveMaterial({"0.57", "0.40"});
    EXPECT_EQ(TorqueAtRevs(spring, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(TorqueAtRevs(spring, 1.0f, -2.0f), 0.0f);
    // A car pushed backwards has turned a negative number of revolutions: still wound fully.
    EXPECT_FLOAT_EQ(TorqueAtRevs(spring, -5.0f, 9.0f), 0.57f);
    EXPECT_TRUE(std::isfinite(TorqueAtRevs(spring, -0.5f, 9.0f)));
}

TEST(Forces, WithoutPropulsionEveryArrangementLoadsTheOtherAxleWithMdOverL)
{
    const Balance balance{2.0f, 3.0f, 1.5f, 6.0f};
    for (DriveKind drive : {DriveKind::RearWD, DriveKind::FrontWD, DriveKind::AllWD}) {
        const AxleLoad load = AxleLoads(drive, balance, 0.0f);
        EXPECT_FLOAT_EQ(load.other, 1.0f);
        EXPECT_FLOAT_EQ(load.other + load.drive, 2.0f);
    }
    ForcePictureState state;
    ComputeAtRestLoads(DriveKind::RearWD, balance, state);
    EXPECT_FLOAT_EQ(state.NormalForceOtherAtRest, 1.0f);
    EXPECT_FLOAT_EQ(state.NormalForceDriveAtRest, 1.0f);
    EXPECT_FLOAT_EQ(state.ForcePictureMass, 2.0f);
}

TEST(Forces, PropulsionMovesLoadByArrangement)
{
    const Balance balance{2.0f, 3.0f, 1.5f, 6.0f};
    EXPECT_FLOAT_EQ(AxleLoads(DriveKind::RearWD, balance, 1.0f).other, (6.0f - 1.5f) / 6.0f);
    EXPECT_FLOAT_EQ(AxleLoads(DriveKind::AllWD, balance, 1.0f).other, (6.0f - 3.0f) / 6.0f);
    EXPECT_FLOAT_EQ(AxleLoads(DriveKind::FrontWD, balance, 1.0f).other, (6.0f + 1.5f) / 6.0f);

    // Enough propulsion to lift the other axle: the drive axle carries exactly M and the other
    // axle's negative load gives no traction.
    const AxleLoad lifted = AxleLoads(DriveKind::RearWD, balance, 10.0f);
    EXPECT_LT(lifted.other, 0.0f);
    EXPECT_EQ(lifted.drive, 2.0f);
    EXPECT_EQ(TractionCapacity(1.0f, lifted.other), 0.0f);
}

TEST(Forces, ZeroWheelbasePutsTheWholeCarOnTheDriveAxle)
{
    const AxleLoad load = AxleLoads(DriveKind::RearWD, Balance{2.0f, 0.0f, 1.5f, 0.0f}, 1.0f);
    EXPECT_EQ(load.other, 0.0f);
    EXPECT_EQ(load.drive, 2.0f);
    // A centroid that is not a number is treated the same way rather than spread into a run.
    const AxleLoad broken = AxleLoads(DriveKind::RearWD, Balance{2.0f, std::nanf(""), 1.5f, 6.0f}, 1.0f);
    EXPECT_EQ(broken.other, 0.0f);
    EXPECT_EQ(broken.drive, 2.0f);
}

TEST(Forces, APropulsionEqualToTheTractionSkids)
{
    const SkidResult equal = ApplySkidRule(1.0f, 1.0f);
    EXPECT_TRUE(equal.skids);
    EXPECT_EQ(equal.force, 0.75f);
    const SkidResult below = ApplySkidRule(0.99f, 1.0f);
    EXPECT_FALSE(below.skids);
    EXPECT_EQ(below.force, 0.99f);
}
