// SPDX-License-Identifier: GPL-3.0-or-later
// The report's test runs pages: each mark measured beside predicted with its error, the resting
// distance, a mark the prediction never reaches, each track's RMS error, and pages enough.

#include "output/TestRunsReport.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// A car at 10 ft/s for two seconds that coasts to rest at 25 ft after three.
CoastedRun steadyCar()
{
    CoastedRun run;
    run.points = {{0, 0.0f, 0.0f, false}, {100, 10.0f, 10.0f, false}, {200, 20.0f, 10.0f, false},
                  {300, 25.0f, 0.0f, true}};
    run.springEndIndex = 200;
    run.rests = true;
    run.restFt = 25.0f;
    return run;
}

MeasuredRun run(const char *date, const char *track, std::vector<RunMark> marks, std::optional<double> rest = {},
                const char *note = "")
{
    return {QDate::fromString(QLatin1String(date), Qt::ISODate), QLatin1String(track), std::move(marks), rest, {},
            QLatin1String(note)};
}

QStringList texts(const std::vector<ReportLine> &page)
{
    QStringList lines;
    for (const ReportLine &line : page)
        lines << line.text;
    return lines;
}

} // namespace

TEST(TestRunsReport, EachMarkBesideThePredictionThenEachTracksRmsError)
{
    const std::vector<MeasuredRun> runs{run("2026-05-04", "Room 12 tile", {{5, 0.6}, {15, 1.4}}, 24.0, "first try"),
                                        run("2026-05-06", "Gym", {{30, 4.0}})};
    const auto pages = TestRunsPages("Racer", steadyCar(), runs,
                                     "calibrated for Room 12 tile: friction 0.05 lb, springs at 90 % of their rated torque");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(texts(pages[0]),
              QStringList({"Test runs of Racer", "Predicted with coasting; an error is measured minus predicted.",
                           "Predictions calibrated for Room 12 tile: friction 0.05 lb, springs at 90 % of their rated "
                           "torque",
                           "2026-05-04, Room 12 tile - first try",
                           "      5 ft: measured 0.60 s, predicted 0.50 s, error +0.10 s (+17 %)",
                           "      15 ft: measured 1.40 s, predicted 1.50 s, error -0.10 s (-7 %)",
                           "      Rest: measured 24.00 ft, predicted 25.00 ft", "2026-05-06, Gym",
                           "      30 ft: measured 4.00 s; the prediction comes to rest before it", "Error by track",
                           "Room 12 tile: RMS error 0.10 s over 2 marks (1 run)",
                           "Gym: no timed mark the prediction reaches (1 run)"}));
    EXPECT_EQ(pages[0][0].fontSize, 16);
    EXPECT_EQ(pages[0][1].y, 250);
}

TEST(TestRunsReport, RunsBeyondAPageGoOnTheNextWithTheirLinesTogether)
{
    const std::vector<MeasuredRun> runs(20, run("2026-05-04", "Gym", {{5, 0.6}, {10, 1.1}, {15, 1.6}}, 24.0));
    const auto pages = TestRunsPages("Racer", steadyCar(), runs, {});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1][0].text, "Test runs of Racer (continued)");
    EXPECT_EQ(pages[0][1].text, "Predicted with coasting by the design's own model; an error is measured minus predicted.");
    // Every page ends with a run's last line, and each line stays on the paper.
    EXPECT_TRUE(pages[0].back().text.contains("Rest: "));
    for (const auto &page : pages)
        for (const ReportLine &line : page)
            EXPECT_LE(line.y, 6200) << line.text.toStdString();
}
