// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassResultsDialog.h"

#include "files/FileAccess.h"
#include "files/FileErrors.h"
#include "files/PathText.h"
#include "files/ReplaceQuestion.h"
#include "model/Prompter.h"
#include "output/LeagueColumns.h"
#include "output/LeaguePages.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <algorithm>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
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

// What the worker and the window share while a class is ranked.
struct ClassResultsDialog::Ranking {
    QString folder;
    FolderLogbooks logbooks;
    int total = 0;
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
};

ClassResultsDialog::ClassResultsDialog(WorkerPool &workers, Prompter &prompter, QWidget *parent)
    : QDialog(parent), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("ClassResultsDialog"));
    setWindowTitle(tr("Class results"));
    resize(900, 520);
    auto *layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ClassResultsSummary"));
    auto *top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(new QLabel(tr("Predict for track:"), this));
    track_ = new QComboBox(this);
    track_->setObjectName(QStringLiteral("ClassResultsTrack"));
    track_->setToolTip(tr("Only the runs on this track are compared, and every design is predicted with "
                          "the track's calibration from the class's logbook."));
    showTracks({});
    top->addWidget(track_);
    layout->addLayout(top);
    connect(track_, &QComboBox::activated, this, [this] {
        if (!folder_.isEmpty())
            showFolder(folder_);
    });
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("ClassResultsNotes"));
    notes_->setWordWrap(true);
    notes_->hide();
    layout->addWidget(notes_);

    model_ = new QStandardItemModel(0, ColumnCount, this);
    model_->setHorizontalHeaderLabels({tr("Place"), tr("Design"),
                                       tr("Time to 15 ft (sec)"), tr("Measured (sec)"),
                                       tr("Error"), tr("Peak speed (ft/sec)"),
                                       tr("Powered distance (ft)"), tr("Total Car Mass (lbm)"),
                                       tr("Advisories"), tr("File")});
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(SortRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("ClassResultsTable"));
    table_->setAccessibleName(tr("Class results"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setToolTip(tr("Double-click a design to open it."));
    layout->addWidget(table_);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString path = fileAt(index.row());
        if (!path.isEmpty())
            emit openRequested(path);
    });

    auto *bottom = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ClassResultsProgress"));
    progress_->hide();
    bottom->addWidget(progress_, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    stop_ = buttons->addButton(tr("Stop"), QDialogButtonBox::ActionRole);
    stop_->setObjectName(QStringLiteral("ClassResultsStop"));
    stop_->hide();
    connect(stop_, &QPushButton::clicked, this, [this] { StopClick(); });
    export_ = buttons->addButton(tr("Export..."), QDialogButtonBox::ActionRole);
    export_->setObjectName(QStringLiteral("ClassResultsExport"));
    export_->setEnabled(false);
    connect(export_, &QPushButton::clicked, this, [this] { ExportClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

ClassResultsDialog::~ClassResultsDialog()
{
    if (ranking_)
        ranking_->stop.store(true);
    result_.wait();
}

void ClassResultsDialog::showFolder(const QString &folder)
{
    if (ranking_) {
        ranking_->stop.store(true);
        result_.wait();
    }
    // The files and the logbooks are read here, on the window's thread; the worker gets them and
    // nothing else.
    DesignSources sources = CollectDesignSources({folder});
    auto ranking = std::make_shared<Ranking>();
    ranking->folder = folder;
    ranking->logbooks = ReadFolderLogbooks(sources);
    showTracks(FolderTracks(ranking->logbooks));
    logbookNotes_ = ranking->logbooks.shownErrors + ChooseTrack(ranking->logbooks, track());
    folder_ = folder;
    ranking->total = static_cast<int>(sources.size());
    ranking_ = ranking;
    rows_.clear();
    model_->removeRows(0, model_->rowCount());
    export_->setEnabled(false);
    summary_->setText(tr("%1: ranking %2 design files...").arg(folder).arg(ranking->total));
    showNotes();
    progress_->setRange(0, std::max(1, ranking->total));
    progress_->setValue(0);
    progress_->show();
    stop_->setEnabled(true);
    stop_->show();
    std::future<std::vector<StandingRow>> rows =
        workers_.run([ranking, sources = std::move(sources), &workers = workers_] {
            StandingsOptions options;
            options.stop = &ranking->stop;
            // The pages carry each car's side view, as the command line's do.
            options.sideViews = true;
            options.progress = [counter = &ranking->done](int done, int) { counter->store(done); };
            options.logbooks = &ranking->logbooks;
            return RunStandings(workers, sources, options);
        });
    result_.watch(
        std::move(rows), [this](std::future<std::vector<StandingRow>> &done) { rankingEnded(done.get()); },
        [this] { showProgress(); });
}

void ClassResultsDialog::StopClick()
{
    if (!ranking_)
        return;
    ranking_->stop.store(true);
    stop_->setEnabled(false);
}

void ClassResultsDialog::showProgress()
{
    if (ranking_)
        progress_->setValue(ranking_->done.load());
}

void ClassResultsDialog::rankingEnded(std::vector<StandingRow> rows)
{
    const std::shared_ptr<Ranking> ranking = std::move(ranking_);
    progress_->hide();
    stop_->hide();
    showStandings(ranking->folder, std::move(rows));
    if (ranking->stop.load() && static_cast<int>(rows_.size()) < ranking->total)
        summary_->setText(summary_->text()
                          + QLatin1Char(' ')
                          + tr("(stopped: %1 of %2 files ranked)").arg(rows_.size()).arg(ranking->total));
    emit standingsShown();
}

void ClassResultsDialog::showStandings(const QString &folder, std::vector<StandingRow> rows)
{
    rows_ = std::move(rows);
    folder_ = folder;
    export_->setEnabled(!rows_.empty());
    table_->setSortingEnabled(false);
    model_->removeRows(0, model_->rowCount());
    int read = 0;
    for (const StandingRow &row : rows_) {
        StandingTexts t = standingTexts(row);
        const bool readable = row.readable();
        if (!readable)
            t.advisories = row.shownErrorText();
        read += readable;
        const Qt::Alignment right = Qt::AlignRight;
        // Unplaced rows sort after the placed ones, unreadable files last.
        const double placeKey = row.place > 0 ? row.place : (readable ? Last / 2 : Last);
        const double timeKey = row.finished ? row.time : Last;
        const double speedKey = readable && !row.PeakSpeedEF.isEmpty() ? row.peakSpeed : -Last;
        const double distanceKey = readable && !row.PoweredDistanceEF.isEmpty() ? row.distance : -Last;
        const double massKey = readable && !row.ProjectedMassEF.isEmpty() ? row.mass : Last;
        const double measuredKey = row.measuredTime ? *row.measuredTime : Last;
        const double errorKey = row.measuredTime && row.coastTime ? *row.measuredTime - *row.coastTime : Last;
        QList<QStandardItem *> items{
            cell(t.place, placeKey, right),
            // A file that could not be read is known by its file name.
            cell(readable ? row.name : QFileInfo(row.source).fileName(), row.name.toLower()),
            cell(t.time, timeKey, right),
            cell(t.measured, measuredKey, right),
            cell(t.error, errorKey, right),
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
    const bool measured = anyMeasured(rows_);
    table_->setColumnHidden(MeasuredColumn, !measured);
    table_->setColumnHidden(ErrorColumn, !measured);
    table_->setSortingEnabled(true);
    table_->sortByColumn(PlaceColumn, Qt::AscendingOrder);
    table_->resizeColumnsToContents();
    // Long advisories are cut with "..." (the hint holds them whole) rather than pushing the File
    // column, the one that tells two designs of the same name apart, off the window.
    table_->setColumnWidth(AdvisoriesColumn,
                           std::min(table_->columnWidth(AdvisoriesColumn), table_->fontMetrics().averageCharWidth() * 36));
    const int unreadable = static_cast<int>(rows_.size()) - read;
    // Whole sentences for one and for more, so that each language words its own number.
    QString text = (read == 1 ? tr("%1: %2 design") : tr("%1: %2 designs")).arg(folder).arg(read);
    if (unreadable == 1)
        text = (read == 1 ? tr("%1: %2 design, %3 file could not be read")
                          : tr("%1: %2 designs, %3 file could not be read")).arg(folder).arg(read).arg(unreadable);
    else if (unreadable > 1)
        text = (read == 1 ? tr("%1: %2 design, %3 files could not be read")
                          : tr("%1: %2 designs, %3 files could not be read")).arg(folder).arg(read).arg(unreadable);
    if (rows_.empty())
        text = tr("%1: no design files (.zndl) in this folder").arg(folder);
    summary_->setText(text);
    showNotes();
}

void ClassResultsDialog::showTracks(const QStringList &tracks)
{
    const QString chosen = track();
    track_->clear();
    track_->addItem(tr("(none)"), QString());
    for (const QString &name : tracks)
        track_->addItem(name, name);
    // A track the folder's logbooks do not know is not kept.
    track_->setCurrentIndex(std::max(0, track_->findData(chosen)));
}

void ClassResultsDialog::showNotes()
{
    const QStringList lines = calibrationNotes(rows_, Wording::Shown) + logbookNotes_;
    notes_->setText(lines.join(QLatin1Char('\n')));
    notes_->setVisible(!lines.isEmpty());
}

QString ClassResultsDialog::track() const { return track_->currentData().toString(); }

void ClassResultsDialog::chooseTrack(const QString &track)
{
    track_->setCurrentIndex(std::max(0, track_->findData(track)));
    if (!folder_.isEmpty())
        showFolder(folder_);
}

void ClassResultsDialog::ExportClick()
{
    if (rows_.empty() || ranking())
        return;
    const QString path = AskPathToWrite(prompter_, tr("Export class results"),
                                        {tr("Web page|*.html"), tr("PDF document|*.pdf"),
                                         tr("Table (CSV)|*.csv")},
                                        QDir(folder_).filePath(QStringLiteral("standings.html")));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("csv")) {
        bytes = standingsCsv(rows_);
    } else if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        bytes = standingsHtml(rows_, {});
    } else if (suffix == QLatin1String("pdf")) {
        if (!standingsPdf(rows_, {}, bytes)) {
            prompter_.message(tr("The PDF of the class results could not be made."), FileErrorCaption());
            return;
        }
    } else {
        prompter_.message(tr("Class results are exported as .html, .pdf or .csv, not as \"%1\".")
                              .arg(printableText(QFileInfo(path).fileName())),
                          FileErrorCaption());
        return;
    }
    const WriteOutcome outcome = WriteFileAtomically(path, bytes);
    if (!outcome.ok)
        prompter_.message(outcome.shownError(), FileErrorCaption());
}

QString ClassResultsDialog::fileAt(int viewRow) const
{
    const QModelIndex index = sorted_->index(viewRow, PlaceColumn);
    return index.isValid() ? index.data(FileRole).toString() : QString();
}

} // namespace zindle
