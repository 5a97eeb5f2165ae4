// SPDX-License-Identifier: GPL-3.0-or-later
// The Power Designer's sweep on a worker thread: the same results as the one-by-one sweep, STOP,
// a second GO, the design map's cells and clicks, "Use best", a design changed or another mode
// meanwhile, the dialog's size on the screen, and closing the dialog or the window while it runs.

#include "../shell/GuiTestSupport.h"

#include "dialogs/DesignMapView.h"
#include "dialogs/PowerDesignerDialog.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace zindle::test {
namespace {

struct Ranges {
    const char *wheel[3];
    const char *length[3];
    const char *width[3];
};

// Wheel 4 to 7.5 by 0.5 and length 24 to 48 by 12: 24 combinations, some not reaching 15 ft.
const Ranges Small{{"4", "7.5", "0.5"}, {"24", "48", "12"}, {"1.5", "1.5", "1.5"}};
// 141 x 116 = 16,356 combinations: seconds of work, ended by STOP long before.
const Ranges Long{{"4", "7.5", "0.025"}, {"10", "240", "2"}, {"1.5", "1.5", "1.5"}};
constexpr int LongTotal = 141 * 116;

struct ThreadFixture {
    StartedWindow s;
    PowerDesignerDialog *dialog = nullptr;
    ThreadFixture()
    {
        s.w().action(QStringLiteral("PowerDesignerPos"))->trigger();
        dialog = s.w().views().powerDesigner();
        QApplication::processEvents();
    }
    void set(const Ranges &r)
    {
        const char *names[3][3] = {{"DWFromEF", "DWToEF", "DWStepEF"},
                                   {"SLFromEF", "SLToEF", "SLStepEF"},
                                   {"SWFromEF", "SWToEF", "SWStepEF"}};
        const char *const *values[3] = {r.wheel, r.length, r.width};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                text(names[row][column]) = QLatin1String(values[row][column]);
    }
    struct FieldText {
        QLineEdit *edit;
        void operator=(const QString &t) { edit->setText(t); }
    };
    FieldText text(const char *name) { return {dialog->field(QLatin1String(name))}; }
    QString value(const char *name) { return dialog->field(QLatin1String(name))->text(); }
    QPushButton *button(const char *name) { return dialog->findChild<QPushButton *>(QLatin1String(name)); }
    // Presses GO and waits for the sweep to end.
    bool sweep()
    {
        QSignalSpy ended(dialog, &PowerDesignerDialog::sweepEnded);
        button("PDGoBtn")->click();
        return ended.count() == 1 || ended.wait(20000);
    }
    // Presses GO and returns once the worker has counted some combinations.
    void startLong()
    {
        set(Long);
        button("PDGoBtn")->click();
        ASSERT_TRUE(dialog->sweeping());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->progressBar()->value() > 0, 10000);
        ASSERT_TRUE(dialog->sweeping());
    }
    std::array<QString, 3> sizes() const
    {
        const DesignRecord &d = s.workspace.design;
        return {d.SpringWidth, d.SpringLength, d.DriveWhlDia};
    }
};

std::array<QString, 3> sizesOf(const SweepCell &cell) { return {cell.width, cell.length, cell.wheel}; }

// The best fields the sweep's rule gives for these cells, from none.
SweepBest bestOf(const std::vector<SweepCell> &cells)
{
    QString time = QStringLiteral("99999");
    SweepBest best;
    for (const SweepCell &c : cells)
        OfferSweepTime(time, best, c.time, c.width, c.length, c.wheel);
    return best;
}

TEST(PowerDesignerThread, GivesWhatTheOneByOneSweepGivesWithOneRefresh)
{
    ThreadFixture f;
    f.set(Small);
    f.dialog->showEveryCombination()->setChecked(true);
    ASSERT_TRUE(f.sweep());
    const ParallelSweepResult watched = *f.dialog->lastResult();
    const SweepOutcome watchedOutcome = f.dialog->lastOutcome();
    const DesignSnapshot watchedDesign = takeSnapshot(f.s.workspace);
    const QString watchedTime = f.s.workspace.results.TimeEF;
    const QString best[] = {f.value("BestYet"), f.value("BestSWYet"), f.value("BestSLYet"), f.value("BestDWYet")};
    ASSERT_EQ(watchedOutcome.combinations, 24);
    ASSERT_NE(best[0], QStringLiteral("-"));

    // From the same design, with the best fields at "-" (a new window), on the thread.
    ThreadFixture g;
    g.set(Small);
    g.s.w().VPDynamic();
    const size_t refreshes = refreshLog(g.s.w()).size();
    ASSERT_TRUE(g.sweep());
    // No refresh per combination: one, for the design holding its last combination.
    EXPECT_EQ(refreshLog(g.s.w()).size(), refreshes + 1);
    EXPECT_EQ(g.s.w().CurrentMode(), SheetMode::Simulate);
    EXPECT_EQ(g.dialog->lastOutcome().combinations, watchedOutcome.combinations);
    EXPECT_FALSE(g.dialog->lastOutcome().stopped);
    EXPECT_EQ(g.value("BestYet"), best[0]);
    EXPECT_EQ(g.value("BestSWYet"), best[1]);
    EXPECT_EQ(g.value("BestSLYet"), best[2]);
    EXPECT_EQ(g.value("BestDWYet"), best[3]);
    EXPECT_TRUE(g.dialog->lastSweepHeld());
    EXPECT_TRUE(sameDesign(takeSnapshot(g.s.workspace), watchedDesign));
    EXPECT_EQ(g.s.workspace.results.TimeEF, watchedTime);
    const ParallelSweepResult &threaded = *g.dialog->lastResult();
    ASSERT_EQ(threaded.cells.size(), watched.cells.size());
    for (size_t i = 0; i < watched.cells.size(); ++i) {
        EXPECT_EQ(threaded.cells[i].time, watched.cells[i].time) << i;
        EXPECT_EQ(sizesOf(threaded.cells[i]), sizesOf(watched.cells[i])) << i;
    }
    EXPECT_EQ(threaded.bestIndex, watched.bestIndex);
    EXPECT_EQ(g.dialog->progressBar()->value(), 24);
    EXPECT_EQ(g.dialog->progressBar()->maximum(), 24);
    // One step, and undone in one.
    EXPECT_EQ(g.s.w().history().count(), 1);
    EXPECT_EQ(g.s.w().action(QStringLiteral("UndoPos"))->text(), QStringLiteral("Undo Power Designer sweep"));
}

TEST(PowerDesignerThread, StopEndsTheSweepAndASecondGoDoesNothing)
{
    ThreadFixture f;
    QSignalSpy ended(f.dialog, &PowerDesignerDialog::sweepEnded);
    f.startLong();
    EXPECT_FALSE(f.button("PDGoBtn")->isEnabled());
    const size_t refreshes = refreshLog(f.s.w()).size();
    const std::array<QString, 3> before = f.sizes();
    f.dialog->GoClick();
    QApplication::processEvents();
    EXPECT_EQ(refreshLog(f.s.w()).size(), refreshes);
    EXPECT_EQ(f.sizes(), before);

    f.button("Button1")->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(f.dialog->sweeping());
    EXPECT_TRUE(f.button("PDGoBtn")->isEnabled());
    const SweepOutcome &outcome = f.dialog->lastOutcome();
    const ParallelSweepResult &result = *f.dialog->lastResult();
    EXPECT_TRUE(outcome.stopped);
    ASSERT_GT(outcome.combinations, 0);
    EXPECT_LT(outcome.combinations, LongTotal);
    EXPECT_EQ(result.total, LongTotal);
    ASSERT_EQ(static_cast<int>(result.cells.size()), outcome.combinations);
    // The design holds the last combination counted, the fields the best among those.
    EXPECT_TRUE(f.dialog->lastSweepHeld());
    EXPECT_EQ(f.sizes(), sizesOf(result.cells.back()));
    const SweepBest best = bestOf(result.cells);
    EXPECT_EQ(f.value("BestYet"), best.BestYet);
    EXPECT_EQ(f.value("BestSWYet"), best.BestSWYet);
    EXPECT_EQ(f.value("BestSLYet"), best.BestSLYet);
    EXPECT_EQ(f.value("BestDWYet"), best.BestDWYet);
    EXPECT_TRUE(f.dialog->statusLabel()->text().startsWith(
        QStringLiteral("Stopped after %1 of %2 combinations.").arg(outcome.combinations).arg(LongTotal)));

    // The map shows what ran; a cell not run takes no click.
    DesignMapView *map = f.dialog->designMap();
    ASSERT_TRUE(map->isVisible());
    const DesignMapGrid *grid = map->grid();
    ASSERT_TRUE(grid);
    const int lastMapCell = static_cast<int>(grid->cells.size()) - 1;
    ASSERT_EQ(grid->cells.back().kind, DesignMapCell::NotRun);
    const int steps = f.s.w().history().count();
    QTest::mouseClick(map, Qt::LeftButton, {}, map->cellCentre(lastMapCell).toPoint());
    EXPECT_EQ(f.s.w().history().count(), steps);
    EXPECT_EQ(f.sizes(), sizesOf(result.cells.back()));
    EXPECT_TRUE(map->toolTipAt(map->cellCentre(lastMapCell)).startsWith(QStringLiteral("Not run")));
}

TEST(PowerDesignerThread, AMapCellClickedPutsItsCombinationIntoTheDesign)
{
    ThreadFixture f;
    f.set({{"4", "7.5", "0.5"}, {"24", "48", "6"}, {"1.5", "1.5", "1.5"}});
    ASSERT_TRUE(f.sweep());
    DesignMapView *map = f.dialog->designMap();
    ASSERT_TRUE(map->isVisible());
    map->resize(520, 400);
    const DesignMapGrid &grid = *map->grid();
    ASSERT_EQ(grid.xValues.size(), 8u);
    ASSERT_EQ(grid.yValues.size(), 5u);
    const ParallelSweepResult &result = *f.dialog->lastResult();
    const QString held = f.s.workspace.results.TimeEF;

    // The best cell, then a car that does not reach 15 ft: each shows, after the click, the
    // time its cell shows.
    int notFinished = -1;
    for (int i = 0; i < static_cast<int>(grid.cells.size()); ++i)
        if (grid.cells[static_cast<size_t>(i)].kind == DesignMapCell::NotFinished)
            notFinished = i;
    ASSERT_GE(grid.best, 0);
    ASSERT_GE(notFinished, 0);
    int steps = f.s.w().history().count();
    for (const int mapCell : {grid.best, notFinished}) {
        SCOPED_TRACE(mapCell);
        const QPointF centre = map->cellCentre(mapCell);
        const std::optional<int> combination = map->combinationAt(centre);
        ASSERT_TRUE(combination);
        const SweepCell &cell = result.cells[static_cast<size_t>(*combination)];
        const QString tip = map->toolTipAt(centre);
        EXPECT_TRUE(tip.contains(QStringLiteral("Drive wheel dia ") + cell.wheel.left(6) + QStringLiteral(" in")))
            << qPrintable(tip);
        EXPECT_TRUE(tip.contains(QStringLiteral("Spring length ") + cell.length.left(6) + QStringLiteral(" in")))
            << qPrintable(tip);
        f.s.w().VPBuild(); // the click shows Simulate from any mode
        QTest::mouseClick(map, Qt::LeftButton, {}, centre.toPoint());
        EXPECT_EQ(f.sizes(), sizesOf(cell));
        EXPECT_EQ(f.s.w().CurrentMode(), SheetMode::Simulate);
        EXPECT_EQ(f.s.workspace.results.TimeEF, cell.time);
        EXPECT_EQ(f.s.w().history().count(), ++steps);
        EXPECT_EQ(f.s.w().action(QStringLiteral("UndoPos"))->text(), QStringLiteral("Undo Apply design map cell"));
    }
    EXPECT_TRUE(map->toolTipAt(map->cellCentre(grid.best)).contains(QStringLiteral("(best)")));
    EXPECT_EQ(f.s.workspace.results.TimeEF.left(1), QStringLiteral("["));
    f.s.w().Undo();
    f.s.w().Undo();
    EXPECT_EQ(f.s.workspace.results.TimeEF, held);
}

TEST(PowerDesignerThread, AMapOfAnotherDesignOrOfAnEarlierStatePutsNothingIntoTheDesign)
{
    ThreadFixture f;
    f.set(Small);
    ASSERT_TRUE(f.sweep());
    DesignMapView *map = f.dialog->designMap();
    map->resize(520, 400);
    QLabel *note = f.dialog->findChild<QLabel *>(QStringLiteral("DesignMapNote"));
    const int best = map->grid()->best;
    ASSERT_GE(best, 0);
    EXPECT_TRUE(map->isEnabled());

    // The Pickup comes in (the Default design's changes are not kept) and the window is opened
    // again: its map is the Default design's.
    f.s.prompter.confirmAnswers = {Answer::No};
    f.s.w().DesignListClick(2);
    f.s.w().action(QStringLiteral("PowerDesignerPos"))->trigger();
    EXPECT_FALSE(map->isEnabled());
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("not of the design now in the window"))) << qPrintable(note->text());
    EXPECT_FALSE(map->toolTipAt(map->cellCentre(best)).contains(QStringLiteral("Click")));
    const std::array<QString, 3> pickup = f.sizes();
    const int steps = f.s.w().history().count();
    QTest::mouseClick(map, Qt::LeftButton, {}, map->cellCentre(best).toPoint());
    EXPECT_FALSE(f.dialog->applyCombination(0));
    EXPECT_EQ(f.sizes(), pickup);
    EXPECT_EQ(f.s.w().history().count(), steps);

    // The Default design back as it was swept (sizes apart): the map is its own again, until
    // the design changes. (Opening the window marked the Pickup changed.)
    f.s.prompter.confirmAnswers = {Answer::No};
    f.s.w().DesignListClick(0);
    EXPECT_TRUE(map->isEnabled());
    EXPECT_FALSE(note->isVisible());
    f.s.w().DriveButtonClick(DriveKind::AllWD);
    EXPECT_FALSE(map->isEnabled());
    EXPECT_TRUE(note->text().contains(QStringLiteral("the design has changed since"))) << qPrintable(note->text());
}

TEST(PowerDesignerThread, TheMapIsSavedAsAPictureOrItsTimes)
{
    ThreadFixture f;
    QPushButton *save = f.button("SaveMapBtn");
    ASSERT_TRUE(save);
    EXPECT_FALSE(save->isVisible());
    f.set(Small);
    ASSERT_TRUE(f.sweep());
    EXPECT_TRUE(save->isVisible());
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("map.png")), csv = dir.filePath(QStringLiteral("map.csv"));
    f.s.prompter.savePaths = {png, csv, dir.filePath(QStringLiteral("map.txt"))};
    save->click();
    save->click();
    save->click();
    QFile picture(png), times(csv);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_TRUE(picture.read(8).startsWith("\x89PNG"));
    ASSERT_TRUE(times.open(QIODevice::ReadOnly));
    EXPECT_EQ(times.readAll(), designMapCsv(*f.dialog->designMap()->grid()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("map.txt"))));
    ASSERT_FALSE(f.s.prompter.messages().isEmpty());
    EXPECT_EQ(f.s.prompter.messages().back(),
              QStringLiteral("A design map is saved as .png, .svg, .pdf or .csv, not as \"map.txt\"."));
}

TEST(PowerDesignerThread, ANewSweepMarksThePreviousMapAndAllThreeVaryingShowsATextThatFits)
{
    ThreadFixture f;
    const int withoutMap = f.dialog->height();
    f.set(Small);
    ASSERT_TRUE(f.sweep());
    EXPECT_TRUE(f.dialog->screen()->availableGeometry().contains(f.dialog->geometry()));
    EXPECT_GT(f.dialog->height(), withoutMap + 150);
    QLabel *note = f.dialog->findChild<QLabel *>(QStringLiteral("DesignMapNote"));
    // While the next sweep runs, the best fields are its own and the map is the previous one's.
    f.set({{"4", "4.5", "0.5"}, {"30", "34", "4"}, {"1", "1.5", "0.5"}});
    QSignalSpy ended(f.dialog, &PowerDesignerDialog::sweepEnded);
    f.button("PDGoBtn")->click();
    EXPECT_EQ(f.value("BestYet"), QStringLiteral("-"));
    EXPECT_FALSE(f.dialog->designMap()->isEnabled());
    EXPECT_FALSE(f.button("SaveMapBtn")->isEnabled());
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("This map is of the previous sweep")));
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    EXPECT_EQ(f.dialog->lastOutcome().combinations, 8);
    EXPECT_FALSE(f.dialog->designMap()->isVisible());
    EXPECT_FALSE(f.dialog->designMap()->hasMap());
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("all three")));
    // Shrunk back: only the note (and the spacing above it) is new.
    EXPECT_LE(f.dialog->height(), withoutMap + note->height() + 12);
}

TEST(PowerDesignerThread, UseBestPutsTheBestInAsOneStep)
{
    ThreadFixture f;
    f.set(Small);
    ASSERT_TRUE(f.sweep());
    const std::array<QString, 3> last = f.sizes(), best{f.value("BestSWYet"), f.value("BestSLYet"), f.value("BestDWYet")};
    ASSERT_NE(best, last);
    QPushButton *useBest = f.button("UseBestBtn");
    QTest::mouseClick(useBest, Qt::LeftButton);
    EXPECT_EQ(f.sizes(), best);
    EXPECT_EQ(f.s.workspace.results.TimeEF, f.value("BestYet"));
    EXPECT_FALSE(useBest->isEnabled()); // the design holds it now
    EXPECT_EQ(f.s.w().history().count(), 2);
    f.s.w().Undo();
    EXPECT_EQ(f.sizes(), last);
    EXPECT_TRUE(useBest->isEnabled());
}

TEST(PowerDesignerThread, ModesMayChangeDuringTheSweepButTheDesignMayNot)
{
    // Another mode meanwhile: the sweep runs on, its result goes into the design, and the
    // window stays where the student went until "Show in Simulate".
    {
        ThreadFixture f;
        QSignalSpy ended(f.dialog, &PowerDesignerDialog::sweepEnded);
        f.set({{"4", "7.5", "0.05"}, {"24", "48", "2"}, {"1.5", "1.5", "1.5"}});
        f.button("PDGoBtn")->click();
        f.s.w().VPBuild();
        ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
        EXPECT_FALSE(f.dialog->lastOutcome().stopped);
        EXPECT_EQ(f.dialog->lastOutcome().combinations, f.dialog->lastResult()->total);
        EXPECT_TRUE(f.dialog->lastSweepHeld());
        EXPECT_EQ(f.s.w().CurrentMode(), SheetMode::Build);
        EXPECT_EQ(f.sizes(), sizesOf(f.dialog->lastResult()->cells.back()));
        QPushButton *show = f.button("ShowInSimulateBtn");
        ASSERT_TRUE(show->isVisible());
        QTest::mouseClick(show, Qt::LeftButton);
        EXPECT_EQ(f.s.w().CurrentMode(), SheetMode::Simulate);
        EXPECT_FALSE(show->isVisible());
    }
    // The design changed meanwhile: it keeps its own sizes; the map and the best still show.
    {
        ThreadFixture f;
        f.startLong();
        const std::array<QString, 3> before = f.sizes();
        f.s.w().DriveButtonClick(DriveKind::AllWD);
        f.button("Button1")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!f.dialog->sweeping(), 10000);
        EXPECT_FALSE(f.dialog->lastSweepHeld());
        EXPECT_EQ(f.s.workspace.design.Drive, DriveKind::AllWD);
        EXPECT_EQ(f.sizes(), before);
        EXPECT_NE(f.s.w().action(QStringLiteral("UndoPos"))->text(), QStringLiteral("Undo Power Designer sweep"));
        EXPECT_TRUE(f.dialog->statusLabel()->text().contains(QStringLiteral("changed during the sweep")));
        EXPECT_TRUE(f.dialog->designMap()->isVisible());
        EXPECT_NE(f.value("BestYet"), QStringLiteral("-"));
    }
    // Another design brought in meanwhile: the same.
    {
        ThreadFixture f;
        f.startLong();
        f.s.prompter.confirmAnswers.push_back(Answer::No); // do not save the Default Design
        f.s.w().DesignListClick(1);
        ASSERT_EQ(f.s.workspace.list.CurrentDesign, 1);
        const std::array<QString, 3> racer = f.sizes();
        f.button("Button1")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!f.dialog->sweeping(), 10000);
        EXPECT_FALSE(f.dialog->lastSweepHeld());
        EXPECT_EQ(f.sizes(), racer);
        EXPECT_EQ(f.s.w().history().count(), 0);
    }
}

TEST(PowerDesignerThread, ClosingTheDialogOrTheWindowDuringASweepIsClean)
{
    // The dialog: its sweep stops and ends as after STOP.
    {
        ThreadFixture f;
        QSignalSpy ended(f.dialog, &PowerDesignerDialog::sweepEnded);
        f.startLong();
        f.button("PDCancelBtn")->click();
        EXPECT_FALSE(f.dialog->isVisible());
        ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
        EXPECT_TRUE(f.dialog->lastOutcome().stopped);
        EXPECT_LT(f.dialog->lastOutcome().combinations, LongTotal);
    }
    // The window: it goes at once, the worker stopped and waited for, nothing called back.
    {
        ThreadFixture f;
        f.startLong();
        QElapsedTimer clock;
        clock.start();
        f.s.window.reset();
        EXPECT_LT(clock.elapsed(), 5000);
        QApplication::processEvents();
        QApplication::processEvents();
    }
}

} // namespace
} // namespace zindle::test
