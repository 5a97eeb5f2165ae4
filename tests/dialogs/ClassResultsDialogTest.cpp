// SPDX-License-Identifier: GPL-3.0-or-later
// The Class results window: the standings of a folder in a table sorted by any column, and a
// double-click that asks for the design to be opened.

#include "dialogs/ClassResultsDialog.h"
#include "support/ClassFolder.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

QStringList column(const ClassResultsDialog &dialog, int col)
{
    QStringList texts;
    QAbstractItemModel *model = dialog.table()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        texts << model->index(r, col).data().toString();
    return texts;
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

    ClassResultsDialog dialog;
    dialog.showFolder(dir.path());
    ASSERT_EQ(dialog.table()->model()->rowCount(), 13);
    EXPECT_TRUE(dialog.findChild<QLabel *>("ClassResultsSummary")->text().endsWith(
        "12 designs, 1 file could not be read"));

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
    ClassResultsDialog dialog;
    dialog.showFolder(dir.path());
    EXPECT_EQ(dialog.table()->model()->rowCount(), 0);
    EXPECT_TRUE(dialog.findChild<QLabel *>("ClassResultsSummary")->text().contains("no design files"));
}
