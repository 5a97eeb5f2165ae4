// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Class results": the standings of every design in a folder (see app/ClassStandings.h) in a
// table the user sorts by any column. Double-clicking a design asks for it to be opened; the
// window opens it as File > Open does, unsaved-changes prompt first.

#include "app/ClassStandings.h"

#include <QDialog>
#include <vector>

class QLabel;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace zindle {

class ClassResultsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClassResultsDialog(QWidget *parent = nullptr);

    // Runs every design in `folder` (all cores) and shows the standings, best first.
    void showFolder(const QString &folder);
    // Shows standings already run.
    void showStandings(const QString &folder, std::vector<StandingRow> rows);

    QTableView *table() const { return table_; }
    const std::vector<StandingRow> &rows() const { return rows_; }
    // The file of the row the view shows at `viewRow` (after sorting); empty for a file that
    // could not be read.
    QString fileAt(int viewRow) const;

    enum Column { PlaceColumn, NameColumn, TimeColumn, SpeedColumn, DistanceColumn, MassColumn,
                  AdvisoriesColumn, FileColumn, ColumnCount };

signals:
    void openRequested(const QString &path);

private:
    QLabel *summary_ = nullptr;
    QTableView *table_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QSortFilterProxyModel *sorted_ = nullptr;
    std::vector<StandingRow> rows_;
};

} // namespace zindle
