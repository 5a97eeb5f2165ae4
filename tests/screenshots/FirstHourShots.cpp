// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the views a student meets in the first hour, at the window sizes the classroom
// machines have: the wide screen, 1024x600 and 800x600. Looked at by eye; they assert nothing.

#include "ShotSupport.h"

#include "dialogs/AdvisoriesWindow.h"
#include "dialogs/ChartWindow.h"
#include "dialogs/MaterialDialogs.h"
#include "dialogs/ResultDetailsWindow.h"
#include "shell/ChartViews.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>

namespace zindle::test {
namespace {

QString sized(const char *name, QSize size)
{
    return QStringLiteral("ux-%1-%2x%3").arg(QLatin1String(name)).arg(size.width()).arg(size.height());
}

TEST(FirstHourShots, MainWindowAndItsToolWindowsAtEachSize)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(1600, 1000), QSize(1024, 600), QSize(800, 600)}) {
        w.resize(size);
        w.VPSet();
        w.SelectPart(3);
        QApplication::processEvents();
        saveShot(&w, sized("design", size));
        w.VPProperties();
        QApplication::processEvents();
        saveShot(&w, sized("analyze", size));
        w.VPDynamic();
        w.views().ToEndDynamicBtnClick();
        QApplication::processEvents();
        saveShot(&w, sized("simulate", size));
        w.charts().ShowRunCharts();
        QApplication::processEvents();
        for (ChartWindow *chart : w.findChildren<ChartWindow *>()) {
            if (!chart->isVisible())
                continue;
            chart->resize(chart->size().boundedTo(size - QSize(16, 64)));
            saveShot(chart, sized("chart", size));
            chart->hide();
        }
        MaterialsDialog *materials = w.materialsDialog();
        materials->Reload();
        materials->resize(materials->minimumSizeHint());
        saveShot(materials, sized("materials", size));
    }
    w.resize(1600, 1000);
    w.DesignListClick(2); // the Pickup: front-wheel drive
    w.VPSet();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("ux-design-fwd-1600x1000"));
    w.VPRace();
    QApplication::processEvents();
    saveShot(&w, QStringLiteral("ux-race-1600x1000"));
    w.charts().ShowRaceChart();
    QApplication::processEvents();
    for (ChartWindow *chart : w.findChildren<ChartWindow *>())
        if (chart->isVisible()) {
            saveShot(chart, QStringLiteral("ux-race-chart-1600x1000"));
            chart->hide();
        }
    w.VPSet();
    w.ShowResultDetails();
    saveShot(w.resultDetails(), QStringLiteral("ux-result-details-1600x1000"));
}

} // namespace
} // namespace zindle::test
