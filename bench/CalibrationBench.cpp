// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration of one track from 50 runs: ten of each built-in design, timed at three marks
// with their resting distances, made by the model at a friction of 0.11 lb and 86 % of the rated
// torque with 2 % noise. The designs are prepared (refreshed) once; what is timed is the fit.

#include "app/TrackCalibration.h"
#include "app/WorkspaceCoast.h"
#include "model/BuiltInDesigns.h"
#include "physics/Coast.h"
#include "sheet/EmptySheet.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace zindle;

namespace {

std::vector<CalibrationDesign> fiftyRuns()
{
    std::mt19937 random(7u);
    std::normal_distribution<double> noise(1.0, 0.02);
    std::vector<CalibrationDesign> designs;
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        Workspace workspace;
        BuildBuiltInDesign(workspace, slot);
        workspace.scale = HeadlessSheetScale();
        CalibrationDesign design = *PrepareCalibrationDesign(workspace, {});
        workspace.trackFactors = {0.11f, 0.86f};
        const CoastedRun truth = *RunWorkspaceCoast(workspace);
        for (int k = 0; k < 10; ++k) {
            MeasuredRun run;
            for (double feet : {4.0, 8.0, 12.0})
                if (const auto time = TimeAtDistance(truth, feet))
                    run.marks.push_back({feet, *time * noise(random)});
            run.restFt = truth.restFt * noise(random);
            design.runs.push_back(run);
        }
        designs.push_back(std::move(design));
    }
    return designs;
}

void BM_CalibrateFiftyRuns(benchmark::State &state)
{
    const std::vector<CalibrationDesign> designs = fiftyRuns();
    Calibration fit;
    for (auto _ : state) {
        fit = Calibrate(designs);
        // Through a const copy: the packaged library's read-write form may change a double.
        const double friction = fit.friction;
        benchmark::DoNotOptimize(friction);
    }
    state.counters["runs"] = fit.runs;
    state.counters["friction_mlb"] = fit.friction * 1000.0;
    state.counters["efficiency"] = fit.springEfficiency;
}
BENCHMARK(BM_CalibrateFiftyRuns)->Unit(benchmark::kMillisecond);

} // namespace
