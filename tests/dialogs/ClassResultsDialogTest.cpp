// SPDX-License-Identifier: GPL-3.0-or-later
// The Class results window: the standings of a folder ranked on a worker while the window goes
// on, in a table sorted by any column, Stop, and a double-click that asks for the design to be
// opened, and the export of the pages the command line writes.

#include "dialogs/ClassResultsDialog.h"
#include "support/ClassFolder.h"
#include "support/LoggedClass.h"
#include "support/QtPrinters.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace zindle;
using zindle::test::ScriptedPrompter;

namespace {

QStringList column(const ClassResultsDialog &dialog, int col)
{
    QStringList texts;
    QAbstractItemModel *model = dialog.table()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        texts << model->index(r, col).data().toString();
    return texts;
}

// Ranks `folder` and waits for the standings.
bool ranked(ClassResultsDialog &dialog, const QString &folder)
{
    QSignalSpy shown(&dialog, &ClassResultsDialog::standingsShown);
    dialog.showFolder(folder);
    return shown.wait(60000) && !dialog.ranking();
}

QString summary(const ClassResultsDialog &dialog)
{
    return dialog.findChild<QLabel *>("ClassResultsSummary")->text();
}

} // namespace

TEST(ClassResultsDialog, ShowsTheStandingsSortsByAnyColumnAndOpensOnDoubleClick)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::writeClassFolder(dir.path(), 12);
    QFile broken(dir.filePath("zz-broken.zndl"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a design");
    broken.close();

    WorkerPool workers;
    ScriptedPrompter prompter;
    ClassResultsDialog dialog(workers, prompter);
    ASSERT_TRUE(ranked(dialog, dir.path()));
    ASSERT_EQ(dialog.table()->model()->rowCount(), 13);
    EXPECT_TRUE(summary(dialog).endsWith("12 designs, 1 file could not be read"));
    EXPECT_TRUE(dialog.findChild<QProgressBar *>("ClassResultsProgress")->isHidden());

    // Best first; the unreadable file last, without a place.
    QStringList places = column(dialog, ClassResultsDialog::PlaceColumn);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(places[i], QString::number(i + 1));
    EXPECT_EQ(places[12], "-");
    EXPECT_TRUE(column(dialog, ClassResultsDialog::FileColumn)[12].endsWith("zz-broken.zndl"));

    // Sorting by peak speed, fastest first, goes by the number, not by the text.
    dialog.table()->sortByColumn(ClassResultsDialog::SpeedColumn, Qt::DescendingOrder);
    const QStringList speeds = column(dialog, ClassResultsDialog::SpeedColumn);
    for (int i = 1; i < 12; ++i)
        EXPECT_GE(speeds[i - 1].toDouble(), speeds[i].toDouble()) << i;
    // By mass, lightest first: the unreadable file still last.
    dialog.table()->sortByColumn(ClassResultsDialog::MassColumn, Qt::AscendingOrder);
    const QStringList masses = column(dialog, ClassResultsDialog::MassColumn);
    for (int i = 1; i < 12; ++i)
        EXPECT_LE(masses[i - 1].toDouble(), masses[i].toDouble()) << i;
    EXPECT_EQ(masses[12], "-");

    // A double-click asks for the file of the row under the mouse, after sorting.
    QStringList opened;
    QObject::connect(&dialog, &ClassResultsDialog::openRequested, [&opened](const QString &path) { opened << path; });
    dialog.show();
    const QModelIndex third = dialog.table()->model()->index(2, ClassResultsDialog::NameColumn);
    emit dialog.table()->doubleClicked(third);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened[0], column(dialog, ClassResultsDialog::FileColumn)[2]);
    // Nothing to open for a file that could not be read.
    emit dialog.table()->doubleClicked(dialog.table()->model()->index(12, 0));
    EXPECT_EQ(opened.count(), 1);

    dialog.table()->sortByColumn(ClassResultsDialog::PlaceColumn, Qt::AscendingOrder);
    const QString shots = QStringLiteral(ZINDLE_SCREENSHOT_DIR);
    QDir().mkpath(shots);
    dialog.grab().save(shots + "/class-results.png");
}

TEST(ClassResultsDialog, AnEmptyFolderSaysSo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WorkerPool workers;
    ScriptedPrompter prompter;
    ClassResultsDialog dialog(workers, prompter);
    ASSERT_TRUE(ranked(dialog, dir.path()));
    EXPECT_EQ(dialog.table()->model()->rowCount(), 0);
    EXPECT_TRUE(summary(dialog).contains("no design files"));
}

TEST(ClassResultsDialog, RanksWhileTheWindowGoesOnAndStopShowsTheDesignsStarted)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::writeClassFolder(dir.path(), 40);
    WorkerPool workers;
    ScriptedPrompter prompter;
    ClassResultsDialog dialog(workers, prompter);
    QSignalSpy shown(&dialog, &ClassResultsDialog::standingsShown);
    dialog.showFolder(dir.path());
    // The call returns at once: the class runs on the workers.
    EXPECT_TRUE(dialog.ranking());
    EXPECT_TRUE(summary(dialog).endsWith("ranking 40 design files..."));
    auto *stop = dialog.findChild<QPushButton *>("ClassResultsStop");
    ASSERT_TRUE(stop && !stop->isHidden());
    stop->click();
    ASSERT_TRUE(shown.wait(60000));
    const int ranked = dialog.table()->model()->rowCount();
    EXPECT_LT(ranked, 40);
    EXPECT_TRUE(summary(dialog).endsWith(QStringLiteral("(stopped: %1 of 40 files ranked)").arg(ranked)));
    EXPECT_TRUE(stop->isHidden());
    // Closed while it ranks: the workers stop and are waited for before the window goes.
    auto closing = std::make_unique<ClassResultsDialog>(workers, prompter);
    closing->showFolder(dir.path());
    closing.reset();
}

TEST(ClassResultsDialog, ExportsThePageWithEveryCarsSideViewAndRefusesOtherKindsOfFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::writeClassFolder(dir.path(), 3);
    WorkerPool workers;
    ScriptedPrompter prompter;
    ClassResultsDialog dialog(workers, prompter);
    ASSERT_TRUE(ranked(dialog, dir.path()));
    const QString page = dir.filePath("standings.html");
    prompter.savePaths = {page};
    dialog.ExportClick();
    EXPECT_EQ(prompter.lastSaveInitialName, page);
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The chart and the three cars' side views, inline.
    EXPECT_EQ(file.readAll().count("src=\"data:image/png;base64,"), 4);

    prompter.savePaths = {dir.filePath("standings.txt")};
    dialog.ExportClick();
    EXPECT_EQ(prompter.shown.back().text,
              "Class results are exported as .html, .pdf or .csv, not as \"standings.txt\".");
    EXPECT_FALSE(QFile::exists(dir.filePath("standings.txt")));
}

TEST(ClassResultsDialog, ComparesWithTheLogbooksRunsAndPredictsForAChosenTrack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeLoggedClass(dir.path()));
    WorkerPool workers;
    ScriptedPrompter prompter;
    ClassResultsDialog dialog(workers, prompter);
    ASSERT_TRUE(ranked(dialog, dir.path()));
    auto *track = dialog.findChild<QComboBox *>("ClassResultsTrack");
    ASSERT_NE(track, nullptr);
    ASSERT_EQ(track->count(), 3);
    EXPECT_EQ(track->itemText(0), "(none)");
    EXPECT_EQ(track->itemText(1), "Gym");
    EXPECT_EQ(track->itemText(2), "Room 12 tile");
    EXPECT_FALSE(dialog.table()->isColumnHidden(ClassResultsDialog::MeasuredColumn));
    // Sorted by the error, the racer (the one design timed at 15 ft) comes first.
    dialog.table()->sortByColumn(ClassResultsDialog::ErrorColumn, Qt::AscendingOrder);
    EXPECT_EQ(column(dialog, ClassResultsDialog::ErrorColumn), QStringList({"+0.38 s (+21 %)", "-", "-"}));
    auto *notes = dialog.findChild<QLabel *>("ClassResultsNotes");
    EXPECT_TRUE(notes->isHidden());

    QSignalSpy shown(&dialog, &ClassResultsDialog::standingsShown);
    dialog.chooseTrack("Room 12 tile");
    ASSERT_TRUE(shown.wait(60000));
    EXPECT_EQ(dialog.track(), "Room 12 tile");
    EXPECT_EQ(notes->text(), "Predictions calibrated for Room 12 tile: friction 0.05 lb, springs at 90 % of their "
                             "rated torque");
    dialog.table()->sortByColumn(ClassResultsDialog::MeasuredColumn, Qt::AscendingOrder);
    EXPECT_EQ(column(dialog, ClassResultsDialog::MeasuredColumn), QStringList({"1.64", "-", "-"}));
}
