// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassResultsDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <algorithm>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <limits>

namespace zindle {

namespace {

constexpr int SortRole = Qt::UserRole;
constexpr int FileRole = Qt::UserRole + 1;

// Sorting by a number keeps the rows without one (not run, not read) after the others in
// ascending order.
constexpr double Last = std::numeric_limits<double>::max();

QStandardItem *cell(const QString &text, const QVariant &sortKey, Qt::Alignment align = Qt::AlignLeft)
{
    auto *item = new QStandardItem(text);
    item->setData(sortKey, SortRole);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

} // namespace

ClassResultsDialog::ClassResultsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ClassResultsDialog"));
    setWindowTitle(QStringLiteral("Class results"));
    resize(900, 520);
    auto *layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ClassResultsSummary"));
    layout->addWidget(summary_);

    model_ = new QStandardItemModel(0, ColumnCount, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Place"), QStringLiteral("Design"),
                                       QStringLiteral("Time to 15 ft (sec)"), QStringLiteral("Peak speed (ft/sec)"),
                                       QStringLiteral("Powered distance (ft)"), QStringLiteral("Total Car Mass (lbm)"),
                                       QStringLiteral("Advisories"), QStringLiteral("File")});
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(SortRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("ClassResultsTable"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setToolTip(QStringLiteral("Double-click a design to open it."));
    layout->addWidget(table_);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString path = fileAt(index.row());
        if (!path.isEmpty())
            emit openRequested(path);
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ClassResultsDialog::showFolder(const QString &folder)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<StandingRow> rows = RunStandings(CollectDesignSources({folder}));
    QApplication::restoreOverrideCursor();
    showStandings(folder, std::move(rows));
}

void ClassResultsDialog::showStandings(const QString &folder, std::vector<StandingRow> rows)
{
    rows_ = std::move(rows);
    table_->setSortingEnabled(false);
    model_->removeRows(0, model_->rowCount());
    int read = 0;
    for (const StandingRow &row : rows_) {
        const StandingTexts t = standingTexts(row);
        const bool readable = row.readable();
        read += readable;
        const Qt::Alignment right = Qt::AlignRight;
        // Unplaced rows sort after the placed ones, unreadable files last.
        const double placeKey = row.place > 0 ? row.place : (readable ? Last / 2 : Last);
        const double timeKey = row.finished ? row.time : Last;
        const double speedKey = readable && !row.PeakSpeedEF.isEmpty() ? row.peakSpeed : -Last;
        const double distanceKey = readable && !row.PoweredDistanceEF.isEmpty() ? row.distance : -Last;
        const double massKey = readable && !row.ProjectedMassEF.isEmpty() ? row.mass : Last;
        QList<QStandardItem *> items{
            cell(t.place, placeKey, right),
            // A file that could not be read is known by its file name.
            cell(readable ? row.name : QFileInfo(row.source).fileName(), row.name.toLower()),
            cell(t.time, timeKey, right),
            cell(t.peakSpeed, speedKey, right),
            cell(t.distance, distanceKey, right),
            cell(t.mass, massKey, right),
            cell(t.advisories, t.advisories),
            cell(row.source, row.source),
        };
        items[PlaceColumn]->setData(readable ? row.source : QString(), FileRole);
        items[AdvisoriesColumn]->setToolTip(t.advisories);
        if (!readable)
            for (QStandardItem *item : items)
                item->setForeground(QColor(160, 0, 0));
        model_->appendRow(items);
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(PlaceColumn, Qt::AscendingOrder);
    table_->resizeColumnsToContents();
    // Long advisories are cut with "..." (the hint holds them whole) rather than pushing the File
    // column, the one that tells two designs of the same name apart, off the window.
    table_->setColumnWidth(AdvisoriesColumn,
                           std::min(table_->columnWidth(AdvisoriesColumn), table_->fontMetrics().averageCharWidth() * 36));
    const int unreadable = static_cast<int>(rows_.size()) - read;
    QString text = QStringLiteral("%1: %2 design%3").arg(folder).arg(read).arg(read == 1 ? "" : "s");
    if (unreadable > 0)
        text += QStringLiteral(", %1 file%2 could not be read").arg(unreadable).arg(unreadable == 1 ? "" : "s");
    if (rows_.empty())
        text = QStringLiteral("%1: no design files (.zndl) in this folder").arg(folder);
    summary_->setText(text);
}

QString ClassResultsDialog::fileAt(int viewRow) const
{
    const QModelIndex index = sorted_->index(viewRow, PlaceColumn);
    return index.isValid() ? index.data(FileRole).toString() : QString();
}

} // namespace zindle
