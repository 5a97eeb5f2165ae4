// SPDX-License-Identifier: GPL-3.0-or-later
// Test day in the window: the Test runs window follows the design shown, with its runs compared
// once it is simulated; Predict for track runs every prediction with the track's calibration,
// says so under the sheet and leaves the design's texts alone; the Run Charts get the runs.

#include "GuiTestSupport.h"

#include "dialogs/TestRunsWindow.h"
#include "files/Logbook.h"
#include "shell/WindowRefreshHooks.h"
#include "shell/TestRunsView.h"
#include "support/ClassFolder.h"
#include "support/FolderFiles.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>

namespace zindle::test {
namespace {

const QString Tile = QStringLiteral("Room 12 corridor, tile");

TEST(TestRunsView, PredictForTrackCalibratesEveryRunAndSaysSoWhileTheDesignStaysAsTyped)
{
    QTemporaryDir dir;
    const QString racer = writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 0);
    LogbookRead read = DecodeLogbook(contentOf(ZINDLE_TEST_DATA "/logbook-unknown-fields.json"), {});
    LoggedCalibration calibration;
    calibration.track = Tile;
    calibration.friction = 0.11;
    calibration.springEfficiency = 0.86;
    read.logbook.storeCalibration(calibration);
    ASSERT_TRUE(WriteLogbook(dir.filePath(QStringLiteral("zindle-log.json")), read.logbook).ok);

    StartedWindow s;
    MainWindow &w = s.w();
    ASSERT_TRUE(w.OpenDesignFile(racer));
    w.VPDynamic();
    w.views().ToEndDynamicBtnClick();
    w.action(QStringLiteral("TestRunsPos"))->trigger();
    TestRunsWindow *runs = w.testRuns().testRuns();
    ASSERT_TRUE(runs && runs->isVisible());
    EXPECT_NE(runs->table()->item(0, TestRunsWindow::ErrorColumn)->text(), "-");
    const std::optional<MeasuredOverlay> overlay = w.testRuns().overlay();
    ASSERT_TRUE(overlay);
    EXPECT_EQ(overlay->runs.size(), 1u);
    EXPECT_EQ(overlay->track, Tile);
    EXPECT_FALSE(overlay->calibrated);
    const QString ownTime = s.workspace.results.TimeEF;
    s.workspace.list.entries[1].DesignSimulated = true; // raced before, without the calibration

    w.testRuns().PredictForTrack(Tile);
    EXPECT_EQ(s.workspace.trackFactors.friction, 0.11f);
    EXPECT_EQ(s.workspace.trackFactors.springEfficiency, 0.86f);
    EXPECT_TRUE(w.statusBar()->isVisible());
    EXPECT_EQ(w.statusBar()->findChild<QLabel *>(QStringLiteral("CalibrationNote"))->text(),
              "Predictions calibrated for Room 12 corridor, tile: friction 0.11 lb, springs at 86 % of their rated "
              "torque (the design's own texts are unchanged).");
    EXPECT_EQ(s.workspace.design.Friction, "0.05");
    EXPECT_FALSE(s.workspace.list.entries[1].DesignSimulated);
    w.views().ToEndDynamicBtnClick();
    EXPECT_NE(s.workspace.results.TimeEF, ownTime);
    EXPECT_TRUE(w.testRuns().overlay()->calibrated);

    w.testRuns().PredictForTrack(QString());
    EXPECT_FALSE(s.workspace.trackFactors.friction);
    EXPECT_FALSE(w.statusBar()->isVisible());
    w.views().ToEndDynamicBtnClick();
    EXPECT_EQ(s.workspace.results.TimeEF, ownTime);
}

} // namespace
} // namespace zindle::test
