// SPDX-License-Identifier: GPL-3.0-or-later
// Test day on this screen: the Test runs window with three runs of a design and the sentence of
// a track's calibration, the Run Charts with the measured points over the prediction with
// coasting, and the whole screen while predicting for the track.

#include "ShotSupport.h"

#include "dialogs/ChartWindow.h"
#include "dialogs/TestRunsWindow.h"
#include "files/Logbook.h"
#include "shell/ChartViews.h"
#include "shell/TestRunsView.h"
#include "shell/WindowRefreshHooks.h"
#include "support/ClassFolder.h"

#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

namespace zindle::test {
namespace {

MeasuredRun tileRun(const char *marks, double rest, const char *note)
{
    MeasuredRun run;
    run.date = QDate(2026, 5, 4);
    run.track = QStringLiteral("Room 12 corridor, tile");
    QString error;
    run.marks = *parseMarks(QLatin1String(marks), error);
    run.restFt = rest;
    run.note = QLatin1String(note);
    return run;
}

TEST(TestDayShots, TestRunsCalibrationAndMeasuredPointsOnThisScreen)
{
    QTemporaryDir dir;
    const QString racer = writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 0);
    writeClassDesign(dir.path(), QStringLiteral("pickup.zndl"), QStringLiteral("Pickup"), 1);
    Logbook logbook;
    logbook.designs.push_back({QStringLiteral("Racer"), QStringLiteral("racer.zndl"),
                               {{tileRun("5:0.78,10:1.18,15:1.56", 27.5, "first try"), {}},
                                {tileRun("5:0.81,10:1.22,15:1.63", 25.0, "wheel rubbed"), {}},
                                {tileRun("5:0.77,10:1.16,15:1.54", 28.5, "new tread"), {}}},
                               1.8,
                               {}});
    logbook.designs.push_back({QStringLiteral("Pickup"), QStringLiteral("pickup.zndl"),
                               {{tileRun("5:0.9,10:1.45", 16.0, ""), {}}}, std::nullopt, {}});
    ASSERT_TRUE(WriteLogbook(dir.filePath(QStringLiteral("zindle-log.json")), logbook).ok);

    StartedWindow s;
    MainWindow &w = s.w();
    QScreen *screen = w.screen();
    const QString size = QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
    w.setWindowState(Qt::WindowNoState);
    w.move(screen->availableGeometry().topLeft());
    w.resize(screen->availableGeometry().size() - QSize(0, 30));
    ASSERT_TRUE(w.OpenDesignFile(racer));
    w.VPDynamic();
    w.views().ToEndDynamicBtnClick();
    w.action(QStringLiteral("TestRunsPos"))->trigger();
    TestRunsWindow *runs = w.testRuns().testRuns();
    QSignalSpy written(runs, &TestRunsWindow::logbookChanged);
    runs->findChild<QPushButton *>(QStringLiteral("CalibrateBtn"))->click();
    ASSERT_TRUE(written.wait(60000));
    saveShot(runs, QStringLiteral("test-runs-calibrated-") + size);

    w.testRuns().PredictForTrack(QStringLiteral("Room 12 corridor, tile"));
    w.views().ToEndDynamicBtnClick();
    w.charts().ShowRunCharts();
    const QRect free = screen->availableGeometry();
    w.charts().runCharts()->setGeometry(free.right() - 560, free.top() + 40, 540, std::min(700, free.height() - 80));
    runs->move(free.left() + 20, free.bottom() - runs->height() - 20);
    QApplication::processEvents();
    saveShot(w.charts().runCharts(), QStringLiteral("test-runs-chart-") + size);
    saveShot(runs, QStringLiteral("test-runs-predicting-") + size);
    EXPECT_TRUE(screen->grabWindow(0).save(shotFolder() + QStringLiteral("/test-runs-screen-") + size +
                                           QStringLiteral(".png")));
}

} // namespace
} // namespace zindle::test
