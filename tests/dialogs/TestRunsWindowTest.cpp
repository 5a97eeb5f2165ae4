// SPDX-License-Identifier: GPL-3.0-or-later
// The Test runs window: runs added from its fields, changed in the table and deleted, each
// written at once and taken back by Undo to the logbook's very bytes; input refused with the
// reason; the student's prediction kept; and a track calibrated on a worker, said in a sentence
// and offered to predict for.

#include "dialogs/TestRunsWindow.h"

#include "app/WorkerPool.h"
#include "support/ClassFolder.h"
#include "support/FolderFiles.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::contentOf;
using zindle::test::put;
using zindle::test::ScriptedPrompter;

namespace {

struct RunsWindowFixture {
    QTemporaryDir dir;
    WorkerPool workers;
    ScriptedPrompter prompter;
    TestRunsWindow window{workers, prompter, nullptr};
    QString logbookPath = dir.filePath(QStringLiteral("zindle-log.json"));
    QByteArray original = contentOf(ZINDLE_TEST_DATA "/logbook-unknown-fields.json");

    RunsWindowFixture()
    {
        test::writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 0);
        put(logbookPath, original);
        TestRunsSubject subject;
        subject.designName = QStringLiteral("Racer");
        subject.log = DesignLogSubject{QStringLiteral("Racer"), QStringLiteral("racer.zndl"), dir.path(), logbookPath};
        window.showSubject(subject);
        window.show();
    }
    void click(const char *name) { QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton); }
    void type(const char *field, const QString &text)
    {
        QLineEdit *edit = window.field(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    int runs() const { return static_cast<int>(ReadLogbook(logbookPath).logbook.designs[0].runs.size()); }
};

} // namespace

TEST(TestRunsWindow, RunsAreAddedChangedAndDeletedAndUndoGivesBackTheLogbookItWas)
{
    RunsWindowFixture f;
    QTableWidget *table = f.window.table();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, TestRunsWindow::MarksColumn)->text(), "5:0.71,10:1.2,15:1.62");
    EXPECT_EQ(table->item(0, TestRunsWindow::ErrorColumn)->text(), "-"); // not simulated
    EXPECT_EQ(f.window.field("PredictionEdit")->text(), "1.5");
    EXPECT_EQ(f.window.besideText(), "your runs: 1.62 s");

    f.window.findChild<QComboBox *>("RunTrackCombo")->setCurrentText(QStringLiteral("Gym"));
    f.type("RunMarksEdit", QStringLiteral("5:0.8,10:abc"));
    f.click("AddRunBtn");
    EXPECT_EQ(f.prompter.messages(),
              QStringList{"Mark \"10:abc\" time: \"abc\" is not a number (a period is the decimal point)."});
    EXPECT_EQ(contentOf(f.logbookPath), f.original);
    f.type("RunMarksEdit", QStringLiteral("5:0.8"));
    f.type("RunRestEdit", QStringLiteral("9"));
    f.type("RunDateEdit", QStringLiteral("2026-05-11"));
    QTest::keyClick(f.window.field("RunRestEdit"), Qt::Key_Return);
    EXPECT_EQ(f.runs(), 2);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, TestRunsWindow::TrackColumn)->text(), "Gym");
    EXPECT_TRUE(f.window.field("RunMarksEdit")->text().isEmpty());

    // A cell typed wrong shows the run as kept again; one typed right changes the run.
    table->item(1, TestRunsWindow::RestColumn)->setText(QStringLiteral("3"));
    EXPECT_EQ(f.prompter.messages().back(), "The car cannot come to rest at 3 ft before its last mark at 5 ft.");
    EXPECT_EQ(table->item(1, TestRunsWindow::RestColumn)->text(), "9");
    table->item(1, TestRunsWindow::NoteColumn)->setText(QStringLiteral("new tread"));
    EXPECT_EQ(ReadLogbook(f.logbookPath).logbook.designs[0].runs[1].run.note, "new tread");

    f.type("PredictionEdit", QStringLiteral("1.4"));
    QTest::keyClick(f.window.field("PredictionEdit"), Qt::Key_Return);
    EXPECT_EQ(ReadLogbook(f.logbookPath).logbook.designs[0].predictionS, 1.4);

    table->setCurrentCell(0, 0);
    f.click("DeleteRunBtn");
    EXPECT_EQ(f.runs(), 1);

    // Ctrl+Z in the table (a field keeps it for its own typing).
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    table->setFocus();
    QTest::keySequence(table, QKeySequence::Undo);
    EXPECT_EQ(f.runs(), 2);
    for (int i = 0; i < 3; ++i)
        f.click("UndoRunBtn");
    EXPECT_EQ(contentOf(f.logbookPath).toStdString(), f.original.toStdString());
    EXPECT_FALSE(f.window.findChild<QPushButton *>("UndoRunBtn")->isEnabled());
    f.click("RedoRunBtn");
    EXPECT_EQ(f.runs(), 2);
}

TEST(TestRunsWindow, TheCommaKeyTypesTheDecimalPointInTheNumbersWhereTheDesktopWritesACommaButNotInTheMarks)
{
    RunsWindowFixture f;
    f.window.findChild<QComboBox *>("RunTrackCombo")->setCurrentText(QStringLiteral("Gym"));
    f.type("RunMarksEdit", QStringLiteral("5:0.8,10:1.5"));
    f.type("RunRestEdit", QStringLiteral("12,5"));
    f.type("RunMassEdit", QStringLiteral("0,25"));
    f.type("RunDateEdit", QStringLiteral("2026-05-11"));
    f.click("AddRunBtn");
    f.type("PredictionEdit", QStringLiteral("1,4"));
    QTest::keyClick(f.window.field("PredictionEdit"), Qt::Key_Return);
    const LoggedDesign design = ReadLogbook(f.logbookPath).logbook.designs[0];
    if (QLocale::system().decimalPoint() == QLatin1String(",")) {
        ASSERT_EQ(design.runs.size(), 2U);
        EXPECT_EQ(design.runs[1].run.restFt, 12.5);
        EXPECT_EQ(design.runs[1].run.massLbm, 0.25);
        EXPECT_EQ(design.predictionS, 1.4);
    } else {
        EXPECT_EQ(design.runs.size(), 1U);
        EXPECT_EQ(design.predictionS, 1.5);
        EXPECT_EQ(f.prompter.messages(),
                  (QStringList{"Rest: \"12,5\" is not a number (a period is the decimal point).",
                               "Your prediction: \"1,4\" is not a number (a period is the decimal point)."}));
    }
}

TEST(TestRunsWindow, ATrackIsCalibratedOnAWorkerAndOfferedToPredictFor)
{
    RunsWindowFixture f;
    QSignalSpy written(&f.window, &TestRunsWindow::logbookChanged);
    f.click("CalibrateBtn");
    EXPECT_TRUE(f.window.calibrating());
    ASSERT_TRUE(written.wait(60000));
    EXPECT_TRUE(f.window.calibrationText().startsWith(
        "On Room 12 corridor, tile your cars behave as if rolling friction were "))
        << f.window.calibrationText().toStdString();
    const LogbookRead read = ReadLogbook(f.logbookPath);
    ASSERT_NE(read.logbook.calibrationOf(QStringLiteral("Room 12 corridor, tile")), nullptr);
    EXPECT_EQ(read.logbook.designs[0].runs.size(), 1u);

    QComboBox *predictFor = f.window.predictFor();
    ASSERT_EQ(predictFor->count(), 2);
    QSignalSpy chosen(&f.window, &TestRunsWindow::predictForTrack);
    predictFor->setFocus();
    QTest::keyClick(predictFor, Qt::Key_Down);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), "Room 12 corridor, tile");
}
