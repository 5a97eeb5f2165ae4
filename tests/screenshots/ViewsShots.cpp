// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Analyze, Simulate and Race views, the Advisories window and the Power
// Designer, written into the build folder (screenshots/) to be checked by eye; run by
// scripts/screenshots.sh, not by ctest.

#include "ShotSupport.h"

#include "dialogs/AdvisoriesWindow.h"
#include "dialogs/PowerDesignerDialog.h"
#include "shell/SheetImage.h"
#include "shell/WindowRefreshHooks.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace zindle::test {
namespace {

TEST(ViewsScreenshots, AnalyzeSimulateRaceAdvisoriesAndPowerDesigner)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    w.DesignListClick(1);
    w.VPProperties();
    auto *slider = w.findChild<QSlider *>(QStringLiteral("ElementSizeSlider"));
    slider->setValue(3);
    saveShot(&w, QStringLiteral("views-analyze-9"));
    slider->setValue(5);
    saveShot(&w, QStringLiteral("views-analyze-2"));

    w.VPDynamic();
    w.SimulateStep = 40;
    w.views().StepDynamicBtnClick();
    saveShot(&w, QStringLiteral("views-simulate-middle"));
    w.findChild<QToolButton *>(QStringLiteral("ToEndDynamicBtn"))->click();
    saveShot(&w, QStringLiteral("views-simulate-end"));

    // Five built-ins simulated, then raced.
    for (int slot = 0; slot < 5; ++slot) {
        w.DesignListClick(slot);
        w.VPDynamic();
    }
    w.DesignListClick(1);
    w.views().raceIntervalOverride = 1;
    w.VPRace();
    EXPECT_TRUE(s.workspace.race.raceOver);
    saveShot(&w, QStringLiteral("views-race-end"));

    // Several advisories: a body clear of the case and of the front axle, in Simulate (which
    // adds the skid advisory when the run skids).
    DesignRecord &d = s.workspace.design;
    d.OuterPts = {QPoint(380, 300), QPoint(560, 300), QPoint(560, 530), QPoint(380, 530)};
    d.InnerPts = {QPoint(400, 320), QPoint(540, 320), QPoint(540, 520), QPoint(400, 520)};
    w.VPDynamic();
    AdvisoriesWindow *advisories = w.views().advisories();
    EXPECT_TRUE(advisories->isVisible());
    saveShot(advisories, QStringLiteral("views-advisories"));
    saveShot(&w, QStringLiteral("views-design-with-advisories"));

    // A car the model cannot run: a negative weight that outweighs it and a 3 in spring on a
    // 2 in drive axle, in Simulate.
    w.DesignListClick(0);
    d.Weights[0] = WeightSlot{400, 300, -1.0f, {}};
    d.SpringLength = QStringLiteral("3");
    d.DriveAxleDia = QStringLiteral("2");
    w.VPDynamic();
    EXPECT_TRUE(advisories->isVisible());
    saveShot(advisories, QStringLiteral("views-advisories-cannot-run"));
    saveShot(&w, QStringLiteral("views-simulate-cannot-run"));

    w.DesignListClick(0);
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    PowerDesignerDialog *pd = w.views().powerDesigner();
    pd->field(QStringLiteral("DWToEF"))->setText(QStringLiteral("5"));
    QSignalSpy ended(pd, &PowerDesignerDialog::sweepEnded);
    pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"))->click();
    EXPECT_TRUE(ended.count() == 1 || ended.wait(20000));
    saveShot(pd, QStringLiteral("views-power-designer"));
    saveShot(&w, QStringLiteral("views-after-sweep"));
}

} // namespace
} // namespace zindle::test
