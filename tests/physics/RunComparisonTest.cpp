// SPDX-License-Identifier: GPL-3.0-or-later
// A measured run beside its prediction: the error at the farthest mark reached, its sign and
// share, the RMS over the marks, and a mark the prediction never reaches.

#include "physics/RunComparison.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// A car at a steady 10 ft/s that rests at 12 ft after 1.2 s.
CoastedRun steadyCar()
{
    CoastedRun run;
    for (int i = 0; i <= 120; ++i)
        run.points.push_back({i, static_cast<float>(i / 10.0), i < 120 ? 10.0f : 0.0f, i > 60});
    run.springEndIndex = 60;
    run.rests = true;
    run.restFt = 12.0f;
    return run;
}

} // namespace

TEST(RunComparison, TheErrorIsTheRealCarsAtItsFarthestReachedMark)
{
    MeasuredRun run;
    run.marks = {{5, 0.55}, {10, 1.05}, {15, 1.6}};
    const RunComparison compared = CompareRun(steadyCar(), run);
    ASSERT_EQ(compared.marks.size(), 3u);
    EXPECT_NEAR(*compared.marks[0].predictedS, 0.5, 1e-6);
    EXPECT_FALSE(compared.marks[2].predictedS); // the predicted car rests at 12 ft
    EXPECT_NEAR(*compared.errorS, 0.05, 1e-6);
    EXPECT_NEAR(*compared.errorPercent, 0.05 / 1.05 * 100.0, 1e-6);
    EXPECT_EQ(compared.predictedRestFt, 12.0);
    EXPECT_EQ(ErrorText(compared), "+0.05 s (+5 %)");
    EXPECT_NEAR(*RmsMarkError({compared}), 0.05, 1e-6);

    MeasuredRun faster;
    faster.marks = {{10, 0.9}};
    EXPECT_EQ(ErrorText(CompareRun(steadyCar(), faster)), "-0.10 s (-11 %)");
    MeasuredRun exact;
    exact.marks = {{10, 1.0}};
    EXPECT_EQ(ErrorText(CompareRun(steadyCar(), exact)), "0.00 s (0 %)");
    MeasuredRun beyond;
    beyond.marks = {{20, 2.0}};
    EXPECT_EQ(ErrorText(CompareRun(steadyCar(), beyond)), "-");
    EXPECT_FALSE(RmsMarkError({CompareRun(steadyCar(), beyond)}));
}
