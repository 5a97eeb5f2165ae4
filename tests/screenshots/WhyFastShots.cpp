// SPDX-License-Identifier: GPL-3.0-or-later
// Why is it fast, on this screen: the Energy window while stepping through a run, and the What
// if window with a spring tried longer and the run from before faded behind it.

#include "ShotSupport.h"

#include "dialogs/ChartWindow.h"
#include "dialogs/TolerancesWindow.h"
#include "dialogs/WhatIfWindow.h"
#include "shell/SensitivityView.h"
#include "shell/TolerancesView.h"
#include "shell/ChartViews.h"
#include "shell/WhatIfView.h"
#include "shell/WindowRefreshHooks.h"

#include <QScreen>
#include <QTest>

namespace zindle::test {
namespace {

TEST(WhyFastShots, EnergyMidRunAndWhatIfWithTheRunBefore)
{
    StartedWindow s;
    MainWindow &w = s.w();
    QScreen *screen = w.screen();
    const QString size = QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
    const QRect free = screen->availableGeometry();
    w.setWindowState(Qt::WindowNoState);
    w.move(free.topLeft());
    w.resize(free.size() - QSize(0, 30));
    w.DesignListClick(1); // the Racer skids at the start
    w.VPDynamic();
    for (int step = 0; step < 4; ++step)
        w.views().StepDynamicBtnClick();
    w.charts().ShowEnergy();
    ChartWindow *energy = w.charts().energyChart();
    energy->setGeometry(free.right() - 620, free.top() + 40, 600, std::min(640, free.height() - 80));
    QApplication::processEvents();
    saveShot(energy, QStringLiteral("energy-mid-run-") + size);

    w.whatIf().ShowWhatIf();
    WhatIfWindow *whatIf = w.whatIf().whatIf();
    whatIf->setGeometry(free.left() + 20, free.top() + 40, 560, std::min(760, free.height() - 80));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !whatIf->computing() && whatIf->shownRun(); }, 20000));
    const WhatIfRange range = whatIfRange(s.workspace.design, WhatIfKnob::SpringLength, -1);
    whatIf->moveKnob(WhatIfKnob::SpringLength, range.at + 12, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !whatIf->computing(); }, 20000));
    QApplication::processEvents();
    saveShot(whatIf, QStringLiteral("what-if-") + size);
    whatIf->hide();
    energy->hide();

    w.sensitivity().ShowSensitivity();
    ChartWindow *sensitivity = w.sensitivity().sensitivity();
    sensitivity->setGeometry(free.left() + 20, free.top() + 40, 640, std::min(600, free.height() - 80));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.sensitivity().computing() && sensitivity->showsChart(); }, 20000));
    QApplication::processEvents();
    saveShot(sensitivity, QStringLiteral("sensitivity-") + size);
    sensitivity->hide();

    w.tolerances().ShowTolerances();
    TolerancesWindow *tolerances = w.tolerances().tolerances();
    tolerances->setGeometry(free.left() + 20, free.top() + 40, 620, std::min(720, free.height() - 80));
    QTest::qWait(300);
    tolerances->RunClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tolerances->running(); }, 60000));
    QApplication::processEvents();
    saveShot(tolerances, QStringLiteral("tolerances-") + size);
    w.views().ToEndDynamicBtnClick();
    w.charts().ShowRunCharts();
    w.charts().runCharts()->setGeometry(free.right() - 560, free.top() + 40, 540, std::min(700, free.height() - 80));
    QApplication::processEvents();
    saveShot(w.charts().runCharts(), QStringLiteral("run-charts-band-") + size);
}

} // namespace
} // namespace zindle::test
