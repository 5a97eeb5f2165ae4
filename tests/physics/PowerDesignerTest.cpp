// SPDX-License-Identifier: GPL-3.0-or-later
// The Power Designer sweep with a stand-in for the Simulate refresh: field validation, the
// values each loop visits, the best-result fields, STOP and the design left behind.

#include "model/DesignRecord.h"
#include "model/NumberText.h"
#include "physics/PowerDesigner.h"
#include "support/PseudoTranslation.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

struct Sweep {
    DesignRecord design;
    ResultFields results;
    SweepBest best;
    QStringList tried; // "width/length/wheel" per simulated combination
    std::function<QString()> time = [] { return QStringLiteral("3"); };

    Sweep() { ResetParameters(design); }
    SweepOutcome run(const SweepRanges &ranges, std::function<bool()> stop = {})
    {
        SweepHooks hooks;
        hooks.runSimulateChain = [this] {
            tried << design.SpringWidth + "/" + design.SpringLength + "/" + design.DriveWhlDia;
            results.TimeEF = time();
        };
        hooks.stopRequested = std::move(stop);
        return RunPowerDesignerSweep(design, results, best, ranges, hooks);
    }
};

} // namespace

TEST(PowerDesigner, DefaultRangesVisitEightWheelDiameters)
{
    Sweep s;
    const SweepOutcome out = s.run(SweepRanges{});
    EXPECT_TRUE(out.message.isEmpty());
    EXPECT_EQ(out.combinations, 8);
    ASSERT_EQ(s.tried.size(), 8);
    EXPECT_EQ(s.tried.first(), "1.5/36/4");
    EXPECT_EQ(s.tried.last(), "1.5/36/7.5");
    EXPECT_EQ(s.design.DriveWhlDia, "7.5"); // the last combination, not the best
}

TEST(PowerDesigner, ALoopRunsUpToTheFirstValueThatReachesItsEnd)
{
    Sweep s;
    SweepRanges ranges;
    ranges.length = {QStringLiteral("30"), QStringLiteral("36"), QStringLiteral("4")};
    ranges.wheel = {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("1")};
    s.run(ranges);
    EXPECT_EQ(s.tried, QStringList({"1.5/30/5", "1.5/34/5", "1.5/38/5"}));

    // From = to everywhere: exactly one simulation.
    Sweep one;
    ranges.length = {QStringLiteral("36"), QStringLiteral("36"), QStringLiteral("4")};
    EXPECT_EQ(one.run(ranges).combinations, 1);
}

TEST(PowerDesigner, BestKeepsTheFastestTimeAndSkipsCarsThatStopShort)
{
    Sweep s;
    int n = 0;
    const QStringList times{"[3.45]", "2.5", "2.36999988555908", "2.4", "", "[1.00]", "2.37", "9"};
    s.time = [&] { return times[n++]; };
    s.run(SweepRanges{});
    EXPECT_EQ(s.best.BestYet, "2.36999988555908");
    EXPECT_EQ(s.best.BestSWYet, "1.5");
    EXPECT_EQ(s.best.BestSLYet, "36");
    EXPECT_EQ(s.best.BestDWYet, "5");

    // No candidate at all: the fields keep what an earlier sweep found.
    s.time = [] { return QStringLiteral("[9.99]"); };
    s.run(SweepRanges{});
    EXPECT_EQ(s.best.BestYet, "2.36999988555908");
    Sweep fresh;
    fresh.time = [] { return QStringLiteral("[9.99]"); };
    fresh.run(SweepRanges{});
    EXPECT_EQ(fresh.best.BestYet, "-");
}

TEST(PowerDesigner, StopFinishesTheCurrentCombinationAndKeepsIt)
{
    Sweep s;
    const SweepOutcome out = s.run(SweepRanges{}, [&] { return s.tried.size() == 3; });
    EXPECT_TRUE(out.stopped);
    EXPECT_EQ(out.combinations, 3);
    EXPECT_EQ(s.design.DriveWhlDia, "5");
    EXPECT_EQ(s.best.BestDWYet, "4");
}

TEST(PowerDesigner, InvalidFieldsAreRefusedInOrderBeforeAnythingRuns)
{
    SweepRanges ranges;
    ranges.width.from = QStringLiteral("0.05");
    ranges.length.step = QStringLiteral("abc");
    Sweep s;
    const SweepOutcome out = s.run(ranges);
    EXPECT_EQ(out.message, "The starting spring width must be positive, greater than 0.1 inch, and "
                           "not more than 6 inches. ");
    EXPECT_EQ(out.combinations, 0);
    EXPECT_EQ(s.design.DriveWhlDia, "4.80");

    ranges.width.from = QStringLiteral("0.1"); // the ends are inclusive
    EXPECT_EQ(ValidateSweepRanges(ranges), "The spring length step size must be positive, greater "
                                           "than 0.01 inch, and not more than 120 inches. ");
    ranges.length.step = QStringLiteral("4");
    ranges.wheel.to = QStringLiteral("7.51");
    EXPECT_EQ(ValidateSweepRanges(ranges), "The ending drive wheel diameter must be positive, not "
                                           "less than 0.1 inch, and not more than 7.5 inches. ");
    ranges.wheel.to = QStringLiteral("3");
    EXPECT_EQ(ValidateSweepRanges(ranges), "All ending values must be greater than their "
                                           "corresponding starting values.  Please double-check "
                                           "all of the ranges. ");
    // The dialog shows the refusal in the student's language.
    const test::BracketedTexts bracketed;
    ranges.wheel.to = QStringLiteral("7.51");
    EXPECT_EQ(ValidateSweepRanges(ranges), "\u27e6The ending drive wheel diameter must be positive, not less than 0.1 "
                                           "inch, and not more than 7.5 inches. \u27e7");
    EXPECT_EQ(SweepMessageCaption(), "\u27e6Please try again.\u27e7");
}
