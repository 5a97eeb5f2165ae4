// SPDX-License-Identifier: GPL-3.0-or-later
// The Power Designer window: its fields, the order of its refusals, the one-by-one sweep through
// the window's Simulate refresh ("Show every combination"), STOP, and what ends that sweep when
// the window moves on. The sweep on a worker thread is in PowerDesignerThreadTest.cpp.

#include "../shell/GuiTestSupport.h"

#include "dialogs/DesignMapView.h"
#include "dialogs/PowerDesignerDialog.h"
#include "model/NumberText.h"
#include "shell/WindowRefreshHooks.h"
#include "sheet/EmptySheet.h"

#include <QAction>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QSignalSpy>
#include <algorithm>

namespace zindle::test {
namespace {

struct PowerDesignerFixture {
    StartedWindow s;
    PowerDesignerDialog *dialog = nullptr;
    PowerDesignerFixture()
    {
        s.w().action(QStringLiteral("PowerDesignerPos"))->trigger();
        dialog = s.w().views().powerDesigner();
        // The window's pending resize after start-up refreshes on its own; let it happen now.
        QApplication::processEvents();
        // These tests watch every combination; the threaded sweep has tests of its own.
        dialog->showEveryCombination()->setChecked(true);
    }
    void set(const char *name, const char *text) { dialog->field(QLatin1String(name))->setText(QLatin1String(text)); }
    QString text(const char *name) { return dialog->field(QLatin1String(name))->text(); }
    QPushButton *button(const char *name) { return dialog->findChild<QPushButton *>(QLatin1String(name)); }
    // Presses GO and waits for the sweep, which shows a combination per tick, to end.
    bool go()
    {
        QSignalSpy ended(dialog, &PowerDesignerDialog::sweepEnded);
        button("PDGoBtn")->click();
        return ended.count() == 1 || ended.wait(30000);
    }
};

TEST(PowerDesigner, MenuItemShowsTheWindowWithItsDefaultsAndLeavesTheDesignUnchanged)
{
    PowerDesignerFixture f;
    EXPECT_TRUE(f.s.w().action(QStringLiteral("PowerDesignerPos"))->isEnabled());
    EXPECT_TRUE(f.dialog->isVisible());
    EXPECT_EQ(f.dialog->windowTitle(), QStringLiteral("Power Designer"));
    EXPECT_TRUE(f.s.workspace.list.current().DesignSaved);
    const char *fields[] = {"SWFromEF", "SWToEF", "SWStepEF", "SLFromEF", "SLToEF",
                            "SLStepEF", "DWFromEF", "DWToEF", "DWStepEF"};
    const char *defaults[] = {"1.5", "1.5", "1.5", "36", "36", "4", "4", "7.5", "0.5"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(f.text(fields[i]), QLatin1String(defaults[i])) << fields[i];
    for (const char *best : {"BestYet", "BestSWYet", "BestSLYet", "BestDWYet"}) {
        EXPECT_EQ(f.text(best), QStringLiteral("-"));
        EXPECT_FALSE(f.dialog->field(QLatin1String(best))->isEnabled());
    }
    EXPECT_TRUE(f.dialog->showEveryCombination()->isEnabled());
    // The count follows the ranges as they are typed.
    EXPECT_EQ(f.dialog->progressBar()->text(), QStringLiteral("0 of 8 combinations"));
    QTest::keyClicks(f.dialog->field(QStringLiteral("DWToEF")), QStringLiteral("x"));
    EXPECT_EQ(f.dialog->progressBar()->text(), QStringLiteral("The ranges are not valid yet"));
    f.button("PDCancelBtn")->click();
    EXPECT_FALSE(f.dialog->isVisible());
}

TEST(PowerDesigner, EveryCombinationIsShownOnlyWhenAsked)
{
    StartedWindow s;
    s.w().action(QStringLiteral("PowerDesignerPos"))->trigger();
    EXPECT_FALSE(s.w().views().powerDesigner()->showEveryCombination()->isChecked());
}

TEST(PowerDesigner, RefusalsComeInFieldOrderAndRunNothing)
{
    PowerDesignerFixture f;
    const DesignRecord before = f.s.workspace.design;
    f.set("SWStepEF", "0");
    f.set("SLFromEF", "0.5");
    f.set("DWToEF", "8");
    const size_t refreshes = refreshLog(f.s.w()).size();
    f.button("PDGoBtn")->click();
    f.set("SWStepEF", "1.5");
    f.button("PDGoBtn")->click();
    f.set("SLFromEF", "30");
    f.button("PDGoBtn")->click();
    f.set("DWToEF", "3"); // valid, but below its from
    f.button("PDGoBtn")->click();
    std::vector<Shown> messages;
    for (const Shown &shown : f.s.prompter.shown)
        if (shown.kind == QStringLiteral("message"))
            messages.push_back(shown);
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].text, QStringLiteral("The spring width step size must be positive, greater than 0.01 inch, "
                                               "and not more than 6 inches. "));
    EXPECT_EQ(messages[1].text, QStringLiteral("The starting spring length must be positive, no less than 1 inch, "
                                               "and not more than 240 inches. "));
    EXPECT_EQ(messages[2].text, QStringLiteral("The ending drive wheel diameter must be positive, not less than 0.1 "
                                               "inch, and not more than 7.5 inches. "));
    EXPECT_EQ(messages[3].text, QStringLiteral("All ending values must be greater than their corresponding starting "
                                               "values.  Please double-check all of the ranges. "));
    for (const auto &m : messages)
        EXPECT_EQ(m.caption, QStringLiteral("Please try again."));
    EXPECT_EQ(refreshLog(f.s.w()).size(), refreshes);
    EXPECT_EQ(f.s.workspace.design.DriveWhlDia, before.DriveWhlDia);
    EXPECT_EQ(f.s.workspace.design.SpringLength, before.SpringLength);
    EXPECT_EQ(f.dialog->lastOutcome().combinations, 0);
}

TEST(PowerDesigner, SweepRunsTheSimulateRefreshPerCombinationAndKeepsTheBest)
{
    PowerDesignerFixture f;
    f.set("DWFromEF", "4");
    f.set("DWToEF", "5");
    f.set("DWStepEF", "0.5");
    const size_t refreshes = refreshLog(f.s.w()).size();
    ASSERT_TRUE(f.go());
    EXPECT_EQ(f.s.w().CurrentMode(), SheetMode::Simulate);
    EXPECT_EQ(f.dialog->lastOutcome().combinations, 3);
    // One refresh to enter Simulate, then one per combination.
    const std::vector<SheetMode> log(refreshLog(f.s.w()).begin() + long(refreshes), refreshLog(f.s.w()).end());
    EXPECT_EQ(std::count(log.begin(), log.end(), SheetMode::Simulate), 4);
    // The design keeps the last combination.
    EXPECT_EQ(f.s.workspace.design.DriveWhlDia, QStringLiteral("5"));
    EXPECT_NE(f.text("BestYet"), QStringLiteral("-"));
    EXPECT_EQ(f.text("BestSWYet"), QStringLiteral("1.5"));
    EXPECT_EQ(f.text("BestSLYet"), QStringLiteral("36"));
    EXPECT_TRUE(f.text("BestDWYet") == "4" || f.text("BestDWYet") == "4.5" || f.text("BestDWYet") == "5");
    // Watched or not, the sweep leaves its combinations for the design map: one row of three.
    ASSERT_TRUE(f.dialog->lastResult());
    EXPECT_EQ(f.dialog->lastResult()->cells.size(), 3u);
    EXPECT_EQ(f.dialog->lastResult()->cells.back().wheel, QStringLiteral("5"));
    EXPECT_TRUE(f.dialog->designMap()->hasMap());
}

TEST(PowerDesigner, AWholeSweepIsOneUndoStep)
{
    PowerDesignerFixture f;
    const QString wheel = f.s.workspace.design.DriveWhlDia;
    f.set("DWFromEF", "4");
    f.set("DWToEF", "5");
    f.set("DWStepEF", "0.5");
    ASSERT_TRUE(f.go());
    ASSERT_EQ(f.s.workspace.design.DriveWhlDia, QStringLiteral("5"));
    // Entering Simulate on the way reset the element size; that is no step of its own.
    EXPECT_EQ(f.s.w().history().count(), 1);
    EXPECT_EQ(f.s.w().action(QStringLiteral("UndoPos"))->text(), QStringLiteral("Undo Power Designer sweep"));
    f.s.w().Undo();
    EXPECT_EQ(f.s.workspace.design.DriveWhlDia, wheel);
    EXPECT_EQ(f.s.w().CurrentMode(), SheetMode::Simulate);
    f.s.w().Redo();
    EXPECT_EQ(f.s.workspace.design.DriveWhlDia, QStringLiteral("5"));
}

TEST(PowerDesigner, StopEndsALongSweepWithinOneCombination)
{
    PowerDesignerFixture f;
    // 12 widths x 24 lengths x 8 diameters: several hundred combinations.
    f.set("SWFromEF", "0.5");
    f.set("SWToEF", "6");
    f.set("SWStepEF", "0.5");
    f.set("SLFromEF", "10");
    f.set("SLToEF", "240");
    f.set("SLStepEF", "10");
    std::vector<QString> tried, times;
    int runs = 0;
    const auto chain = f.dialog->runSimulateChain;
    QPushButton *stop = f.button("Button1");
    f.dialog->runSimulateChain = [&] {
        chain();
        ++runs;
        tried.push_back(f.s.workspace.design.SpringWidth + "/" + f.s.workspace.design.SpringLength);
        times.push_back(f.s.workspace.results.TimeEF);
        // STOP is pressed while the third combination is being simulated; the window sees it
        // before the next combination's tick.
        if (runs == 3)
            QMetaObject::invokeMethod(stop, "click", Qt::QueuedConnection);
    };
    ASSERT_TRUE(f.go());
    EXPECT_TRUE(f.dialog->lastOutcome().stopped);
    EXPECT_EQ(f.dialog->lastOutcome().combinations, 3);
    ASSERT_EQ(runs, 3);
    EXPECT_EQ(tried, (std::vector<QString>{"0.5/10", "1/10", "1.5/10"}));
    // The design holds the last combination tried, the best fields the best of the three.
    EXPECT_EQ(f.s.workspace.design.SpringWidth, QStringLiteral("1.5"));
    EXPECT_EQ(f.s.workspace.design.SpringLength, QStringLiteral("10"));
    EXPECT_EQ(f.s.workspace.design.DriveWhlDia, QStringLiteral("4"));
    float best = 99999.0f;
    int bestIndex = -1;
    for (int i = 0; i < 3; ++i)
        if (!times[size_t(i)].startsWith('[') && floatOr(times[size_t(i)], 99999.0f) < best) {
            best = floatOr(times[size_t(i)], 99999.0f);
            bestIndex = i;
        }
    if (bestIndex >= 0) {
        EXPECT_EQ(f.text("BestYet"), times[size_t(bestIndex)]);
        EXPECT_EQ(f.text("BestSWYet") + "/" + f.text("BestSLYet"), tried[size_t(bestIndex)]);
    }
    EXPECT_FALSE(f.dialog->sweeping());
}

TEST(PowerDesigner, LeavingSimulateDuringASweepEndsIt)
{
    PowerDesignerFixture f;
    f.set("SWFromEF", "0.5");
    f.set("SWToEF", "6");
    f.set("SWStepEF", "0.5");
    int runs = 0;
    const auto chain = f.dialog->runSimulateChain;
    MainWindow &w = f.s.w();
    f.dialog->runSimulateChain = [&] {
        chain();
        if (++runs == 2)
            QMetaObject::invokeMethod(&w, [&w] { w.VPSet(); }, Qt::QueuedConnection);
    };
    ASSERT_TRUE(f.go());
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(f.dialog->lastOutcome().stopped);
    EXPECT_EQ(w.CurrentMode(), SheetMode::Design);
}

} // namespace
} // namespace zindle::test
