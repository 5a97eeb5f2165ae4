// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the run charts while stepping through Simulate and of the race chart of the five
// built-in designs, next to the window that drives them.

#include "ShotSupport.h"

#include "dialogs/ChartWindow.h"
#include "shell/ChartViews.h"
#include "shell/WindowRefreshHooks.h"

namespace zindle::test {
namespace {

TEST(Screenshots, RunChartsMidStepAndTheRaceChart)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    w.VPDynamic();
    for (int i = 0; i < 30; ++i)
        w.views().StepDynamicBtnClick();
    w.charts().ShowRunCharts();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("charts-simulate-window"));
    saveShot(w.charts().runCharts(), QStringLiteral("charts-run-mid-step"));

    for (int slot = 1; slot < 5; ++slot) {
        w.DesignListClick(slot);
        w.VPDynamic();
    }
    w.VPRace();
    w.charts().ShowRaceChart();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("charts-race-window"));
    saveShot(w.charts().raceChart(), QStringLiteral("charts-race"));
}

} // namespace
} // namespace zindle::test
