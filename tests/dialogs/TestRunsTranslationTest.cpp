// SPDX-License-Identifier: GPL-3.0-or-later
// The Test runs and Sensitivity windows' texts, bracketed: the window before the design has a
// file and with a simulated design's runs compared for a calibrated track, its questions and
// refusals, and the Sensitivity window while it works. The model's texts (a fit's report, the
// sensitivity sentence, a run's parse errors) are not walked here.

#include "../shell/GuiTestSupport.h"

#include "dialogs/ChartWindow.h"
#include "dialogs/TestRunsWindow.h"
#include "files/Logbook.h"
#include "shell/SensitivityView.h"
#include "shell/TestRunsView.h"
#include "shell/WindowRefreshHooks.h"
#include "support/ClassFolder.h"
#include "support/FolderFiles.h"
#include "support/PseudoTranslation.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace zindle::test {
namespace {

const QString Tile = QStringLiteral("Room 12 corridor, tile");

TEST(TestRunsTranslation, TestRunsAndSensitivitySpeakThroughTheTranslations)
{
    const BracketedTexts bracketed;
    QTemporaryDir dir;
    const QString racer = writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 0);
    LogbookRead read = DecodeLogbook(contentOf(ZINDLE_TEST_DATA "/logbook-unknown-fields.json"), {});
    LoggedCalibration calibration;
    calibration.track = Tile;
    calibration.friction = 0.11;
    calibration.springEfficiency = 0.86;
    read.logbook.storeCalibration(calibration);
    // Renamed and moved: Earlier Runs asks about it for a design the logbook does not know.
    LoggedDesign moved = read.logbook.designs[0];
    moved.name = QStringLiteral("Old");
    moved.file = QStringLiteral("old.zndl");
    read.logbook.designs.push_back(moved);
    ASSERT_TRUE(WriteLogbook(dir.filePath(QStringLiteral("zindle-log.json")), read.logbook).ok);

    StartedWindow s;
    MainWindow &w = s.w();
    TranslationWalk walk;
    w.action(QStringLiteral("TestRunsPos"))->trigger();
    TestRunsWindow *runs = w.testRuns().testRuns();
    ASSERT_TRUE(runs && runs->isVisible());
    walk.check(QStringLiteral("TestRunsStatus without a file"), runs->statusText());

    ASSERT_TRUE(w.OpenDesignFile(racer));
    w.VPDynamic();
    w.views().ToEndDynamicBtnClick();
    w.testRuns().PredictForTrack(Tile);
    ASSERT_EQ(runs->table()->rowCount(), 1);
    walk.visibleWidgets(runs);
    // The other cells are the run's own values; the prediction's cell names what it holds.
    walk.check(QStringLiteral("Predicted cell"), runs->table()->item(0, TestRunsWindow::PredictedColumn)->text());
    walk.check(QStringLiteral("PredictForTrackCombo item"), runs->predictFor()->itemText(0));
    for (const char *name : {"PredictionEdit", "RunDateEdit"})
        walk.check(QLatin1String(name) + QStringLiteral(" placeholder"), runs->field(name)->placeholderText());

    ASSERT_TRUE(w.OpenDesignFile(
        writeClassDesign(dir.path(), QStringLiteral("fresh.zndl"), QStringLiteral("Fresh"), 1)));
    s.prompter.confirmAnswers.push_back(Answer::Cancel);
    runs->EarlierRunsClick();
    runs->field("PredictionEdit")->setText(QStringLiteral("200"));
    emit runs->field("PredictionEdit")->editingFinished();
    ASSERT_EQ(s.prompter.shown.size(), 2u);
    for (const Shown &shown : s.prompter.shown) {
        walk.check(shown.kind, shown.text);
        walk.check(shown.kind + QStringLiteral(" caption"), shown.caption);
    }

    runs->CalibrateClick(); // the runs on the tile are Racer's, but the fit takes the class's
    walk.check(QStringLiteral("CalibrationSentence"), runs->calibrationText());
    ASSERT_TRUE(QTest::qWaitFor([runs] { return !runs->calibrating(); }, 20000));

    w.action(QStringLiteral("SensitivityPos"))->trigger();
    ChartWindow *chart = w.sensitivity().sensitivity();
    walk.visibleWidgets(chart);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.sensitivity().computing() && chart->showsChart(); }, 20000));
    walk.check(QStringLiteral("SensitivityWin title"), chart->windowTitle());

    EXPECT_EQ(walk.failures.join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace zindle::test
