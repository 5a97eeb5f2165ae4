// SPDX-License-Identifier: GPL-3.0-or-later
// The fit of the model to measured runs: runs made by the model itself at a known friction and
// spring efficiency, with and without a timekeeper's noise, give those factors back; too few
// numbers fit the friction alone; what the fit found reads as one sentence.

#include "app/TrackCalibration.h"
#include "model/BuiltInDesigns.h"
#include "physics/Coast.h"
#include "physics/RunResiduals.h"
#include "sheet/EmptySheet.h"

#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace zindle;

namespace {

constexpr float TrueFriction = 0.11f, TrueEfficiency = 0.86f;

CalibrationDesign builtIn(int slot)
{
    Workspace workspace;
    BuildBuiltInDesign(workspace, slot);
    workspace.scale = HeadlessSheetScale();
    return *PrepareCalibrationDesign(workspace, {});
}

CoastedRun predict(CalibrationDesign &d, const ModelFactors &factors)
{
    DesignList list;
    list.CurrentDesign = -1;
    const SimulationContext context{d.design, d.catalogue, d.numbers, d.balance, d.results, list, d.forces,
                                    SheetMode::Race, nullptr, nullptr, factors};
    return RunWithCoast(context);
}

// Gaussian noise of `share` (standard deviation, relative) from the generator's raw numbers, the
// same on every platform.
double noisy(double value, double share, std::mt19937 &random)
{
    const double u1 = (random() + 1.0) / 4294967297.0, u2 = random() / 4294967296.0;
    const double gauss = std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * 3.141592653589793 * u2);
    return value * (1.0 + share * gauss);
}

// Two runs of each of three designs, timed at a quarter, half and three quarters of the
// distance the spring drives the car, with where it rests.
std::vector<CalibrationDesign> measuredTrack(double noise)
{
    std::mt19937 random(20261208u);
    std::vector<CalibrationDesign> designs;
    for (int slot : {0, 2, 3}) {
        CalibrationDesign design = builtIn(slot);
        const CoastedRun truth = predict(design, {TrueFriction, TrueEfficiency});
        const double powered = truth.points[static_cast<size_t>(truth.springEndIndex)].distance;
        for (int k = 0; k < 2; ++k) {
            MeasuredRun run;
            run.date = QDate(2026, 5, 4);
            run.track = QStringLiteral("Room 12 tile");
            for (double share : {0.25, 0.5, 0.75})
                run.marks.push_back({share * powered, noisy(*TimeAtDistance(truth, share * powered), noise, random)});
            run.restFt = noisy(truth.restFt, noise, random);
            EXPECT_FALSE(checkRun(run).broken());
            design.runs.push_back(run);
        }
        designs.push_back(std::move(design));
    }
    return designs;
}

} // namespace

TEST(Calibration, RecoversTheFrictionAndSpringEfficiencyTheRunsWereMadeWith)
{
    const Calibration exact = Calibrate(measuredTrack(0.0));
    ASSERT_TRUE(exact.frictionFitted && exact.efficiencyFitted);
    EXPECT_EQ(exact.runs, 6);
    EXPECT_EQ(exact.marks, 18);
    EXPECT_EQ(exact.observations, 24);
    EXPECT_NEAR(exact.friction / TrueFriction, 1.0, 0.005);
    EXPECT_NEAR(exact.springEfficiency / TrueEfficiency, 1.0, 0.005);
    EXPECT_LT(exact.rmsAfter, exact.rmsBefore / 50.0);

    const Calibration noisy = Calibrate(measuredTrack(0.02));
    EXPECT_NEAR(noisy.friction / TrueFriction, 1.0, 0.05);
    EXPECT_NEAR(noisy.springEfficiency / TrueEfficiency, 1.0, 0.05);
}

TEST(Calibration, TwoNumbersFitTheFrictionAloneAndSaySo)
{
    std::vector<CalibrationDesign> designs{builtIn(0)};
    const CoastedRun truth = predict(designs[0], {0.08f, 1.0f});
    MeasuredRun run;
    run.track = QStringLiteral("Hall");
    run.marks.push_back({10.0, *TimeAtDistance(truth, 10.0)});
    run.restFt = truth.restFt;
    designs[0].runs.push_back(run);
    const Calibration fit = Calibrate(designs);
    EXPECT_TRUE(fit.frictionFitted);
    EXPECT_FALSE(fit.efficiencyFitted);
    EXPECT_EQ(fit.springEfficiency, 1.0);
    EXPECT_NEAR(fit.friction, 0.08, 0.0004);
    EXPECT_EQ(FrictionOnlyNote(fit), "Only the rolling friction was fitted: 2 timed marks and resting distances are too "
                                     "few for two factors, so the springs are taken at their rated torque.");
}

TEST(Calibration, MarkNeverReachedCostsTheDistanceLeftAtTheRunsPace)
{
    CalibrationDesign design = builtIn(0); // rests at 34.38 ft with its own friction
    MeasuredRun run;
    run.marks.push_back({40.0, 4.0}); // 10 ft/s
    run.restFt = 44.38;
    std::vector<double> residuals;
    const CoastedRun prediction = predict(design, {});
    AppendResiduals(prediction, run, RunPace(run, 1.0), residuals);
    ASSERT_EQ(residuals.size(), 2u);
    const double stopped = prediction.points.back().timeIndex / 100.0;
    EXPECT_NEAR(residuals[0], (40.0 - 34.38) / 10.0 + std::max(0.0, stopped - 4.0), 0.001);
    EXPECT_NEAR(residuals[1], -1.0, 0.001);
}

TEST(Calibration, SentenceSaysWhatTheFitFound)
{
    Calibration fit;
    fit.friction = 0.1149;
    fit.springEfficiency = 0.8551;
    fit.rmsAfter = 0.0412;
    EXPECT_EQ(CalibrationSentence(QStringLiteral(" Room 12 tile "), fit),
              "On Room 12 tile your cars behave as if rolling friction were 0.11 lb and springs gave 86 % of their "
              "rated torque; predictions now differ from your runs by 0.04 s on average");
}
