// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Class results": the standings of every design in a folder (see app/ClassStandings.h) in a
// table the user sorts by any column. Double-clicking a design asks for it to be opened; the
// window opens it as File > Open does, unsaved-changes prompt first.
//
// The class is ranked on the window's workers from the list of files found when the folder was
// chosen, with one result handed back; meanwhile a bar shows the designs run and Stop ranks
// those already started. The window stays usable throughout. Export writes the standings as the
// command line's league does: a web page or a PDF with the chart and each car's side view, or CSV.
//
// Where the class's logbooks hold runs, the measured time and its error join the table; a track
// chosen from the logbooks' tracks counts only its runs and predicts every design with its
// calibration, which a line above the table names. A damaged logbook is named there too.

#include "app/ClassStandings.h"
#include "app/FutureWatch.h"

#include <QDialog>
#include <atomic>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace zindle {

class Prompter;

class ClassResultsDialog : public QDialog {
    Q_OBJECT
public:
    // Export asks through `prompter` where to write, and whether to replace a file.
    ClassResultsDialog(WorkerPool &workers, Prompter &prompter, QWidget *parent = nullptr);
    // A ranking still running stops and is waited for.
    ~ClassResultsDialog() override;

    // Starts ranking every design in `folder` (all cores); the standings show, best first, when
    // it ends (standingsShown).
    void showFolder(const QString &folder);
    // Shows standings already run.
    void showStandings(const QString &folder, std::vector<StandingRow> rows);
    // The designs not yet started are left out of the standings.
    void StopClick();
    // The standings shown as HTML, PDF or CSV, by the extension of the name chosen.
    void ExportClick();
    bool ranking() const { return result_.watching(); }

    QTableView *table() const { return table_; }
    const std::vector<StandingRow> &rows() const { return rows_; }
    // The file of the row the view shows at `viewRow` (after sorting); empty for a file that
    // could not be read.
    QString fileAt(int viewRow) const;
    // The track chosen, empty for "(none)".
    QString track() const;
    // Chooses `track` (empty: none) and ranks the folder again for it.
    void chooseTrack(const QString &track);

    enum Column { PlaceColumn, NameColumn, TimeColumn, MeasuredColumn, ErrorColumn, SpeedColumn, DistanceColumn,
                  MassColumn, AdvisoriesColumn, FileColumn, ColumnCount };

signals:
    void openRequested(const QString &path);
    void standingsShown();

private:
    struct Ranking;
    void showProgress();
    void rankingEnded(std::vector<StandingRow> rows);
    void showTracks(const QStringList &tracks);
    void showNotes();

    WorkerPool &workers_;
    Prompter &prompter_;
    QString folder_;
    std::shared_ptr<Ranking> ranking_;
    FutureWatch<std::vector<StandingRow>> result_;
    QLabel *summary_ = nullptr;
    QComboBox *track_ = nullptr;
    QLabel *notes_ = nullptr;
    QStringList logbookNotes_; // damaged logbooks, and those without the track's calibration
    QProgressBar *progress_ = nullptr;
    QPushButton *stop_ = nullptr;
    QPushButton *export_ = nullptr;
    QTableView *table_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QSortFilterProxyModel *sorted_ = nullptr;
    std::vector<StandingRow> rows_;
};

} // namespace zindle
