// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserDialog.h"

#include "LocalDecimalComma.h"
#include "OptimiserMapView.h"
#include "app/Workspace.h"
#include "model/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>
#include <mutex>

namespace zindle {

namespace {

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

// One search: its own copy of the workspace, the stop flag, what the progress callback last
// reported (read by the window's timer) and the result, which the worker writes before its
// task ends and the window reads only after.
struct OptimiserDialog::Job {
    Job(const Workspace &workspace, std::vector<OptimiserParameter> varied)
        : start(workspace), parameters(std::move(varied))
    {
    }
    const Workspace start;
    const std::vector<OptimiserParameter> parameters;
    std::atomic<bool> stop{false};
    std::mutex mutex;
    qint64 tried = 0;
    std::optional<double> best;
    OptimiserResult result;
};

OptimiserDialog::OptimiserDialog(Workspace &workspace, WorkerPool &workers, QWidget *parent)
    : QDialog(parent, Qt::Tool), workspace_(workspace), workers_(workers)
{
    setObjectName(QStringLiteral("OptimiserWin"));
    setWindowTitle(tr("Optimiser"));
    setModal(false);
    auto *column = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;

    auto *sizesColumn = new QVBoxLayout;
    sizes_ = new QTableWidget(0, 3, this);
    sizes_->setObjectName(QStringLiteral("OptimiserSizes"));
    sizes_->setAccessibleName(tr("Sizes to vary"));
    sizes_->setHorizontalHeaderLabels({tr("Size"), tr("From"), tr("To")});
    sizes_->verticalHeader()->hide();
    sizes_->horizontalHeader()->setSectionResizeMode(SizeNameColumn, QHeaderView::Stretch);
    sizes_->setItemDelegate(new LocalDecimalCommaDelegate(sizes_));
    sizes_->setTabKeyNavigation(false);
    sizes_->setMinimumHeight(110);
    sizesColumn->addWidget(buddyLabel(tr("Si&zes to vary:"), sizes_, this));
    sizesColumn->addWidget(sizes_, 1);
    top->addLayout(sizesColumn, 3);

    auto *form = new QFormLayout;
    goal_ = new QComboBox(this);
    goal_->setObjectName(QStringLiteral("OptimiserGoal"));
    goal_->addItems({tr("Least time to 15 ft"), tr("Greatest distance"), tr("Closest to a target time")});
    form->addRow(buddyLabel(tr("&Goal:"), goal_, this), goal_);
    target_ = new QLineEdit(QStringLiteral("2"), this);
    target_->setObjectName(QStringLiteral("OptimiserTarget"));
    target_->setEnabled(false);
    acceptLocalDecimalComma(target_);
    form->addRow(buddyLabel(tr("&Target time (s):"), target_, this), target_);
    mass_ = new QLineEdit(this);
    mass_->setObjectName(QStringLiteral("OptimiserMassLimit"));
    mass_->setPlaceholderText(tr("no limit"));
    acceptLocalDecimalComma(mass_);
    form->addRow(buddyLabel(tr("&Mass limit (lb):"), mass_, this), mass_);
    noSkid_ = new QCheckBox(tr("No s&kid"), this);
    noSkid_->setObjectName(QStringLiteral("OptimiserNoSkid"));
    form->addRow(noSkid_);
    noAdvisory_ = new QCheckBox(tr("No &advisory (much slower)"), this);
    noAdvisory_->setObjectName(QStringLiteral("OptimiserNoAdvisory"));
    form->addRow(noAdvisory_);
    seed_ = new QSpinBox(this);
    seed_->setObjectName(QStringLiteral("OptimiserSeed"));
    seed_->setRange(0, std::numeric_limits<int>::max());
    seed_->setValue(1);
    seed_->setToolTip(tr("The same seed gives the same designs again"));
    form->addRow(buddyLabel(tr("S&eed:"), seed_, this), seed_);
    evaluations_ = new QSpinBox(this);
    evaluations_->setObjectName(QStringLiteral("OptimiserEvaluations"));
    evaluations_->setRange(0, 100000);
    evaluations_->setSingleStep(50);
    evaluations_->setSpecialValueText(tr("%1 per size").arg(EvaluationsPerParameter));
    evaluations_->setToolTip(tr("How many designs to try at most"));
    form->addRow(buddyLabel(tr("E&valuations:"), evaluations_, this), evaluations_);
    top->addLayout(form, 2);
    column->addLayout(top, 2);

    auto *buttons = new QHBoxLayout;
    start_ = new QPushButton(tr("&Start"), this);
    start_->setObjectName(QStringLiteral("OptimiserStartBtn"));
    start_->setAutoDefault(false);
    stop_ = new QPushButton(tr("ST&OP"), this);
    stop_->setObjectName(QStringLiteral("OptimiserStopBtn"));
    stop_->setAutoDefault(false);
    stop_->setEnabled(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("OptimiserStatus"));
    status_->setWordWrap(true);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("OptimiserCloseBtn"));
    close->setAutoDefault(false);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(status_, 1);
    buttons->addWidget(close);
    column->addLayout(buttons);

    best_ = new QTableWidget(0, 0, this);
    best_->setObjectName(QStringLiteral("OptimiserBest"));
    best_->setAccessibleName(tr("Best designs"));
    best_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    best_->setSelectionBehavior(QAbstractItemView::SelectRows);
    best_->setSelectionMode(QAbstractItemView::SingleSelection);
    best_->setTabKeyNavigation(false);
    best_->verticalHeader()->hide();
    auto *bestRow = new QHBoxLayout;
    bestRow->addWidget(buddyLabel(tr("&Best designs:"), best_, this), 1);
    apply_ = new QPushButton(tr("A&pply"), this);
    apply_->setObjectName(QStringLiteral("OptimiserApplyBtn"));
    apply_->setAutoDefault(false);
    apply_->setToolTip(tr("Put the chosen design's sizes into your design and show Simulate"));
    apply_->setEnabled(false);
    bestRow->addWidget(apply_);
    column->addLayout(bestRow);
    column->addWidget(best_, 2);

    mapNote_ = new QLabel(this);
    mapNote_->setObjectName(QStringLiteral("OptimiserMapNote"));
    mapNote_->setWordWrap(true);
    mapNote_->hide();
    column->addWidget(mapNote_);
    map_ = new OptimiserMapView(this);
    map_->hide();
    column->addWidget(map_, 5);

    connect(goal_, &QComboBox::currentIndexChanged, this,
            [this](int index) { target_->setEnabled(index == OptimiserGoal::Target); });
    connect(start_, &QPushButton::clicked, this, [this] { StartClick(); });
    connect(stop_, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(close, &QPushButton::clicked, this, [this] { hide(); });
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyClick(); });
    connect(best_, &QTableWidget::itemSelectionChanged, this,
            [this] { apply_->setEnabled(!searching() && !best_->selectedItems().isEmpty()); });
    listSizes();
    resize(760, 560);
}

OptimiserDialog::~OptimiserDialog() { abandonSearch(); }

void OptimiserDialog::StartClick()
{
    if (searching())
        return;
    // The design may have gained or lost a weight since the list was made.
    listSizes();
    QString error;
    std::vector<OptimiserParameter> parameters = chosenParameters(error);
    OptimiserOptions options;
    if (error.isEmpty() && parameters.empty())
        error = tr("Tick at least one size to vary.");
    if (!error.isEmpty() || !readOptions(options, error)) {
        status_->setText(error);
        return;
    }
    if (openChallenge)
        if (const std::shared_ptr<const Challenge> challenge = openChallenge())
            options.constraints.challenge = *challenge;
    // The copy is taken here, on the window's thread; the worker never reads the window's
    // workspace.
    searched_ = takeSnapshot(workspace_);
    applied_ = {};
    searchedSlot_ = workspace_.list.CurrentDesign;
    studentValues_ = ReadOptimiserValues(workspace_, parameters);
    auto job = std::make_shared<Job>(workspace_, std::move(parameters));
    job_ = job;
    Job *running = job.get();
    options.stopFlag = &running->stop;
    // Called on the worker; the window's timer reads what it left.
    options.progress = [running](qint64 tried, std::optional<double> best) {
        const std::lock_guard<std::mutex> lock(running->mutex);
        running->tried = tried;
        running->best = best;
    };
    // The last search's designs are of another search: they go until this one ends.
    result_ = {};
    best_->clear();
    best_->setRowCount(0);
    best_->setColumnCount(0);
    map_->clear();
    map_->hide();
    mapNote_->hide();
    setSearching(true);
    status_->setText(tr("Starting..."));
    std::future<void> done = workers_.run([running, options, &workers = workers_] {
        running->result = RunOptimiser(workers, running->start, running->parameters, options);
    });
    done_.watch(
        std::move(done), [this](std::future<void> &) { searchDone(); }, [this] { showProgress(); });
}

void OptimiserDialog::StopClick()
{
    if (job_)
        job_->stop.store(true);
}

void OptimiserDialog::showProgress()
{
    if (!job_)
        return;
    qint64 tried = 0;
    std::optional<double> best;
    {
        const std::lock_guard<std::mutex> lock(job_->mutex);
        tried = job_->tried;
        best = job_->best;
    }
    if (tried == 0)
        return;
    // The number as the command line prints it.
    status_->setText(best ? tr("%1 designs tried, best %2 s").arg(tried).arg(QString::number(*best, 'f', 2))
                          : tr("%1 designs tried, none reaches 15 ft yet").arg(tried));
}

void OptimiserDialog::setSearching(bool on)
{
    start_->setEnabled(!on);
    stop_->setEnabled(on);
    // What the search was started with stays as it ran.
    for (QWidget *setting : std::initializer_list<QWidget *>{sizes_, goal_, mass_, noSkid_, noAdvisory_, seed_, evaluations_})
        setting->setEnabled(!on);
    target_->setEnabled(!on && goal_->currentIndex() == OptimiserGoal::Target);
    apply_->setEnabled(!on && !best_->selectedItems().isEmpty());
    // Focus on a button about to be disabled would fall to nothing a keyboard user can see.
    if (on)
        stop_->setFocus();
    else
        start_->setFocus();
}

void OptimiserDialog::searchDone()
{
    showProgress();
    const std::shared_ptr<Job> job = std::move(job_);
    result_ = std::move(job->result);
    parameters_ = job->parameters;
    QString status = status_->text();
    if (result_.stopped)
        status = tr("Stopped after %1 designs; the best so far are shown.").arg(result_.evaluations);
    if (!result_.message.isEmpty())
        status += QLatin1Char(' ') + tr("Nothing to show: %1.").arg(result_.message);
    status_->setText(status);
    setSearching(false);
    showBest();
    showMap();
    emit searchEnded();
}

void OptimiserDialog::abandonSearch()
{
    if (!job_)
        return;
    job_->stop.store(true);
    done_.wait();
    job_.reset();
}

void OptimiserDialog::showEvent(QShowEvent *event)
{
    if (!searching())
        listSizes();
    QDialog::showEvent(event);
}

void OptimiserDialog::hideEvent(QHideEvent *event)
{
    // Hidden, its STOP is out of reach: the search stops (a minimised main window hides its
    // tool windows too; that stops nothing).
    if (!event->spontaneous() && searching())
        StopClick();
    QDialog::hideEvent(event);
}

} // namespace zindle
