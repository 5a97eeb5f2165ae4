// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser window: a search run to its end on the worker, STOP, the refusals of its fields,
// and Apply as one step of the design's history.

#include "../shell/GuiTestSupport.h"

#include "dialogs/OptimiserDialog.h"
#include "dialogs/OptimiserMapView.h"
#include "shell/OptimiserView.h"
#include "support/BuiltInWorkspace.h"
#include "support/PseudoTranslation.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include "files/ChallengeFile.h"
#include "shell/ChallengeView.h"
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace zindle::test {
namespace {

struct OptimiserFixture {
    StartedWindow s;
    OptimiserDialog *dialog = nullptr;
    OptimiserFixture()
    {
        s.w().action(QStringLiteral("OptimiserPos"))->trigger();
        dialog = s.w().optimiser().optimiser();
        QApplication::processEvents();
    }
    QPushButton *button(const char *name) { return dialog->findChild<QPushButton *>(QLatin1String(name)); }
    QString status() { return dialog->statusLabel()->text(); }
    // Presses Start and waits for the search to end.
    bool run(int evaluations)
    {
        dialog->evaluationsField()->setValue(evaluations);
        QSignalSpy ended(dialog, &OptimiserDialog::searchEnded);
        button("OptimiserStartBtn")->click();
        return ended.count() == 1 || ended.wait(60000);
    }
    QTableWidgetItem *size(const char *caption, int column)
    {
        const QList<QTableWidgetItem *> found = dialog->sizesTable()->findItems(QLatin1String(caption), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : dialog->sizesTable()->item(found.front()->row(), column);
    }
};

TEST(OptimiserWindow, RunsToItsEndAndListsTheBestDesignsWithinTheConstraints)
{
    OptimiserFixture f;
    EXPECT_EQ(f.dialog->windowTitle(), QStringLiteral("Optimiser"));
    // A range past the field's limits is refused as the command line refuses it.
    f.size("drive wheel", 2)->setText(QStringLiteral("9"));
    f.button("OptimiserStartBtn")->click();
    EXPECT_FALSE(f.dialog->searching());
    EXPECT_EQ(f.status(), QStringLiteral("drive-wheel takes values from 0.01 to 7.5"));
    f.size("drive wheel", 2)->setText(QStringLiteral("7.5"));

    f.dialog->findChild<QLineEdit *>(QStringLiteral("OptimiserMassLimit"))->setText(QStringLiteral("0.3"));
    ASSERT_TRUE(f.run(80));
    const OptimiserResult &result = f.dialog->lastResult();
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.evaluations, 80);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^80 designs tried, best [0-9]+\\.[0-9][0-9] s$"))
                    .match(f.status())
                    .hasMatch())
        << f.status().toStdString();
    QTableWidget *best = f.dialog->bestTable();
    ASSERT_GE(best->rowCount(), 1);
    EXPECT_LE(best->rowCount(), 5);
    EXPECT_EQ(best->rowCount(), static_cast<int>(result.best.size()));
    for (const OptimiserDesign &design : result.best) {
        EXPECT_TRUE(design.broken.isEmpty());
        EXPECT_LE(design.massLb, 0.3);
    }
    QStringList headers;
    for (int column = 0; column < best->columnCount(); ++column)
        headers << best->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headers, QStringList({"Rank", "spring length (in)", "drive wheel (in)", "Time (s)", "Distance (ft)",
                                    "What differs from your design"}));
    // What differs is told against the design's own sizes; the seed makes the search repeatable.
    EXPECT_EQ(best->item(0, 5)->text(), QStringLiteral("spring length 36.00 → 37.09 in; drive wheel 4.80 → 4.86 in"));
    // Two sizes varied: the map of the two, with the way of every local search.
    ASSERT_NE(f.dialog->designMap()->map(), nullptr);
    EXPECT_TRUE(f.dialog->designMap()->isVisible());
    EXPECT_FALSE(f.dialog->designMap()->map()->paths.empty());

    // One size: no map, and the window says why.
    f.dialog->chooseSizes({QStringLiteral("spring-width")});
    ASSERT_TRUE(f.run(20));
    EXPECT_FALSE(f.dialog->designMap()->isVisible());
    EXPECT_EQ(f.dialog->findChild<QLabel *>(QStringLiteral("OptimiserMapNote"))->text(),
              QStringLiteral("The design map needs two sizes varied."));

    // A choice is ticked like a size, without From and To, and what differs says it in words.
    EXPECT_TRUE(f.size("drive", 1)->text().isEmpty());
    EXPECT_FALSE(f.size("drive", 2)->flags() & Qt::ItemIsEditable);
    f.dialog->chooseSizes({QStringLiteral("spring-length"), QStringLiteral("drive")});
    ASSERT_TRUE(f.run(40));
    EXPECT_EQ(best->horizontalHeaderItem(2)->text(), QStringLiteral("drive"));
    for (int row = 0; row < best->rowCount(); ++row) {
        const QString drive = best->item(row, 2)->text();
        EXPECT_TRUE(QStringList({"rear", "front", "all"}).contains(drive));
        EXPECT_EQ(best->item(row, 5)->text().contains(QStringLiteral("drive rear → ") + drive), drive != "rear");
    }

    // The challenge open in the window is kept by the next search.
    QTemporaryDir dir;
    Challenge challenge;
    RuleRefusal refusal;
    challenge.rules = {*parseRule(QStringLiteral("drive = front"), refusal)};
    const QString path = dir.filePath(QStringLiteral("front.json"));
    ASSERT_TRUE(WriteChallenge(path, challenge).ok);
    ASSERT_TRUE(f.s.w().challenges().OpenChallengeFile(path));
    ASSERT_TRUE(f.run(40));
    ASSERT_GE(best->rowCount(), 1);
    for (int row = 0; row < best->rowCount(); ++row)
        EXPECT_EQ(best->item(row, 2)->text(), QStringLiteral("front"));
}

TEST(OptimiserWindow, StopEndsTheSearchEarlyAndSaysSo)
{
    OptimiserFixture f;
    f.dialog->evaluationsField()->setValue(100000);
    QSignalSpy ended(f.dialog, &OptimiserDialog::searchEnded);
    f.button("OptimiserStartBtn")->click();
    EXPECT_FALSE(f.button("OptimiserStartBtn")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(f.status().contains(QStringLiteral("designs tried")), 30000);
    f.button("OptimiserStopBtn")->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(30000));
    const OptimiserResult &result = f.dialog->lastResult();
    EXPECT_TRUE(result.stopped);
    EXPECT_LT(result.evaluations, 100000);
    EXPECT_EQ(f.status(), QStringLiteral("Stopped after %1 designs; the best so far are shown.").arg(result.evaluations));
    EXPECT_TRUE(f.button("OptimiserStartBtn")->isEnabled());
}

TEST(OptimiserWindow, ApplyPutsTheChosenDesignInAsOneStepAndShowsSimulate)
{
    OptimiserFixture f;
    DesignRecord &design = f.s.workspace.design;
    const QString wheel = design.DriveWhlDia, length = design.SpringLength;
    ASSERT_TRUE(f.run(60));
    ASSERT_GE(f.dialog->bestTable()->rowCount(), 2);
    f.dialog->bestTable()->selectRow(1);
    const OptimiserDesign chosen = f.dialog->lastResult().best[1];
    ASSERT_TRUE(f.dialog->ApplyClick());
    EXPECT_EQ(f.s.w().CurrentMode(), SheetMode::Simulate);
    EXPECT_EQ(f.s.w().action(QStringLiteral("UndoPos"))->text(), QStringLiteral("Undo Optimiser design"));
    EXPECT_EQ(f.s.workspace.results.TimeEF, chosen.time);
    EXPECT_NE(std::make_pair(design.DriveWhlDia, design.SpringLength), std::make_pair(wheel, length));
    f.s.w().Undo();
    EXPECT_EQ(design.DriveWhlDia, wheel);
    EXPECT_EQ(design.SpringLength, length);
    EXPECT_FALSE(f.s.w().action(QStringLiteral("UndoPos"))->isEnabled());
}

TEST(OptimiserWindow, EveryTextItShowsAfterASearchIsTranslated)
{
    const BracketedTexts bracketed;
    Workspace workspace = builtInWorkspace(0);
    WorkerPool workers;
    OptimiserDialog dialog(workspace, workers, nullptr);
    dialog.chooseSizes({QStringLiteral("spring-length"), QStringLiteral("drive-wheel"), QStringLiteral("spring-width")});
    dialog.evaluationsField()->setValue(40);
    dialog.show();
    QSignalSpy ended(&dialog, &OptimiserDialog::searchEnded);
    dialog.StartClick();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(60000));
    TranslationWalk walk;
    walk.visibleWidgets(&dialog);
    // Beside the captions and headers the walk reads: the cells, the goals, the budget's default.
    for (const QTableWidget *table : {dialog.sizesTable(), dialog.bestTable()})
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                if (!(table->item(row, column)->flags() & Qt::ItemIsEditable))
                    walk.check(table->objectName() + QStringLiteral(" cell"), table->item(row, column)->text());
    const auto *goal = dialog.findChild<QComboBox *>(QStringLiteral("OptimiserGoal"));
    for (int i = 0; i < goal->count(); ++i)
        walk.check(QStringLiteral("goal"), goal->itemText(i));
    walk.check(QStringLiteral("evaluations"), dialog.evaluationsField()->specialValueText());
    EXPECT_EQ(walk.failures.join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace zindle::test
