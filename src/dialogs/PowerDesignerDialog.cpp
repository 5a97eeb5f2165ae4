// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerDesignerDialog.h"

#include "DesignMapView.h"
#include "model/Prompter.h"
#include "app/Workspace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace zindle {

namespace {

QLineEdit *addEdit(QWidget *parent, QGridLayout *grid, int row, int column, const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(60);
    grid->addWidget(edit, row, column);
    return edit;
}

} // namespace

// One threaded sweep: its own copy of the workspace, the flags the two threads share, and the
// result, which the worker writes before its task ends and the window reads only after.
struct PowerDesignerDialog::Job {
    Job(const Workspace &workspace, const SweepBest &best, const SweepRanges &sweep)
        : start(workspace), before(best), ranges(sweep)
    {
    }
    const Workspace start;
    const SweepBest before;
    const SweepRanges ranges;
    std::atomic<bool> stop{false};
    std::atomic<int> done{0};
    ParallelSweepResult result;
};

PowerDesignerDialog::PowerDesignerDialog(Workspace &workspace, WorkerPool &workers, Prompter &prompter,
                                         QWidget *parent)
    : QDialog(parent, Qt::Tool), workspace_(workspace), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("TPDWin"));
    setWindowTitle(tr("Power Designer"));
    setModal(false);
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const SweepRanges defaults;
    struct Row {
        const char *label, *hint, *from, *to, *step;
        const SweepRange *range;
    };
    const Row rows[] = {
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Spring Width (in)"),
         QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Width of the spring"), "SWFromEF", "SWToEF", "SWStepEF",
         &defaults.width},
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Spring Length (in)"),
         QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Length of the spring"), "SLFromEF", "SLToEF", "SLStepEF",
         &defaults.length},
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Drive wheel dia (in)"),
         QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog",
                           "Diameter of rear (drive) wheel.  Set to 0 for minimum allowable"),
         "DWFromEF", "DWToEF", "DWStepEF", &defaults.wheel},
    };
    int r = 0;
    for (const Row &row : rows) {
        const QString hint = tr(row.hint);
        auto *caption = new QLabel(tr(row.label), this);
        caption->setToolTip(hint);
        grid->addWidget(caption, r, 0);
        addEdit(this, grid, r, 1, row.from, row.range->from)->setToolTip(hint);
        grid->addWidget(new QLabel(tr("to"), this), r, 2);
        addEdit(this, grid, r, 3, row.to, row.range->to)->setToolTip(hint);
        grid->addWidget(new QLabel(tr("step"), this), r, 4);
        addEdit(this, grid, r, 5, row.step, row.range->step)->setToolTip(hint);
        ++r;
    }
    grid->setColumnStretch(6, 1);
    column->addLayout(grid);

    watch_ = new QCheckBox(tr("Show every combination"), this);
    watch_->setObjectName(QStringLiteral("ShowEveryCombination"));
    watch_->setToolTip(tr("Run the combinations one after the other in the window, drawing each car (much slower)"));
    column->addWidget(watch_);

    auto *result = new QGridLayout;
    const std::pair<const char *, const char *> bests[] = {
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Best Time to 15 ft"), "BestYet"},
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "at Spring Width = "), "BestSWYet"},
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Spring Length = "), "BestSLYet"},
        {QT_TRANSLATE_NOOP("zindle::PowerDesignerDialog", "Drive Wheel Diameter = "), "BestDWYet"},
    };
    r = 0;
    for (const auto &[caption, name] : bests) {
        result->addWidget(new QLabel(tr(caption), this), r, 0, Qt::AlignRight);
        auto *edit = new QLineEdit(QStringLiteral("-"), this);
        edit->setObjectName(QLatin1String(name));
        edit->setEnabled(false);
        // Room for a whole time text, such as 1.36000001430511.
        edit->setFixedWidth(std::max(120, edit->fontMetrics().horizontalAdvance(QStringLiteral("0.000000000000000")) + 16));
        result->addWidget(edit, r, 1);
        ++r;
    }
    // The design keeps the last combination tried, which students take for the best.
    useBest_ = new QPushButton(tr("Use best"), this);
    useBest_->setObjectName(QStringLiteral("UseBestBtn"));
    useBest_->setAutoDefault(false);
    useBest_->setToolTip(tr("Put the sizes of the best time into the design"));
    useBest_->setEnabled(false);
    result->addWidget(useBest_, 0, 2, Qt::AlignLeft);
    result->setColumnStretch(3, 1);
    column->addLayout(result);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("SweepProgressBar"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(tr("%v of %m combinations"));
    column->addWidget(progress_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("SweepStatus"));
    status_->setWordWrap(true);
    column->addWidget(status_);

    auto *buttons = new QHBoxLayout;
    go_ = new QPushButton(tr("GO"), this);
    go_->setObjectName(QStringLiteral("PDGoBtn"));
    go_->setAutoDefault(false);
    auto *stop = new QPushButton(tr("STOP"), this);
    stop->setObjectName(QStringLiteral("Button1"));
    stop->setAutoDefault(false);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("PDCancelBtn"));
    cancel->setAutoDefault(false);
    buttons->addWidget(go_);
    buttons->addWidget(stop);
    buttons->addWidget(cancel);
    saveMap_ = new QPushButton(tr("Save map..."), this);
    saveMap_->setObjectName(QStringLiteral("SaveMapBtn"));
    saveMap_->setAutoDefault(false);
    saveMap_->setToolTip(tr("Save the design map as a picture (PNG, SVG, PDF) or its times (CSV)"));
    saveMap_->hide();
    buttons->addWidget(saveMap_);
    showInSimulate_ = new QPushButton(tr("Show in Simulate"), this);
    showInSimulate_->setObjectName(QStringLiteral("ShowInSimulateBtn"));
    showInSimulate_->setAutoDefault(false);
    showInSimulate_->setToolTip(tr("Show the design with the sweep's sizes in Simulate mode"));
    showInSimulate_->hide();
    buttons->addWidget(showInSimulate_);
    column->addLayout(buttons);

    mapNote_ = new QLabel(this);
    mapNote_->setObjectName(QStringLiteral("DesignMapNote"));
    mapNote_->setWordWrap(true);
    mapNote_->hide();
    column->addWidget(mapNote_);
    map_ = new DesignMapView(this);
    map_->setToolTip(QString());
    map_->hide();
    column->addWidget(map_, 1);

    watchTimer_.setSingleShot(true);
    connect(&watchTimer_, &QTimer::timeout, this, [this] { watchedTick(); });
    connect(go_, &QPushButton::clicked, this, [this] { GoClick(); });
    connect(stop, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(saveMap_, &QPushButton::clicked, this, [this] { SaveMapClick(); });
    connect(useBest_, &QPushButton::clicked, this, [this] { UseBestClick(); });
    connect(showInSimulate_, &QPushButton::clicked, this, [this] { ShowInSimulateClick(); });
    for (const Row &row : rows)
        for (const char *name : {row.from, row.to, row.step})
            connect(field(QLatin1String(name)), &QLineEdit::textChanged, this, [this] { showCombinationCount(); });
    showCombinationCount();
    connect(map_, &DesignMapView::combinationClicked, this, [this](int combination) { applyCombination(combination); });
}

PowerDesignerDialog::~PowerDesignerDialog() { abandonSweep(); }

int PowerDesignerDialog::progressMaximum(qint64 total)
{
    return static_cast<int>(std::min<qint64>(total, std::numeric_limits<int>::max()));
}

QLineEdit *PowerDesignerDialog::field(const QString &objectName) const
{
    return findChild<QLineEdit *>(objectName);
}

SweepRanges PowerDesignerDialog::ranges() const
{
    const auto text = [this](const char *name) { return field(QLatin1String(name))->text(); };
    SweepRanges r;
    r.width = {text("SWFromEF"), text("SWToEF"), text("SWStepEF")};
    r.length = {text("SLFromEF"), text("SLToEF"), text("SLStepEF")};
    r.wheel = {text("DWFromEF"), text("DWToEF"), text("DWStepEF")};
    return r;
}

void PowerDesignerDialog::showBest(const SweepBest &best)
{
    field(QStringLiteral("BestYet"))->setText(best.BestYet);
    field(QStringLiteral("BestSWYet"))->setText(best.BestSWYet);
    field(QStringLiteral("BestSLYet"))->setText(best.BestSLYet);
    field(QStringLiteral("BestDWYet"))->setText(best.BestDWYet);
}

void PowerDesignerDialog::setSweeping(bool on)
{
    sweeping_ = on;
    go_->setEnabled(!on);
    watch_->setEnabled(!on);
    saveMap_->setEnabled(!on);
    updateButtons();
}

void PowerDesignerDialog::showCombinationCount()
{
    if (sweeping_)
        return;
    const SweepRanges r = ranges();
    if (!ValidateSweepRanges(r).isEmpty()) {
        progress_->setFormat(tr("The ranges are not valid yet"));
        progress_->setValue(0);
        return;
    }
    progress_->setFormat(tr("%v of %m combinations"));
    showProgress(0, progressMaximum(CountSweepCombinations(r)));
}

void PowerDesignerDialog::startNewSweep()
{
    best_ = SweepBest{};
    showBest(best_);
    offerSimulate_ = false;
    progress_->setFormat(tr("%v of %m combinations"));
    status_->setText(QString());
    if (map_->hasMap()) {
        map_->setEnabled(false);
        mapNote_->setText(tr("This map is of the previous sweep; the new sweep's map shows when it ends."));
        mapNote_->show();
    } else {
        mapNote_->hide();
    }
}

void PowerDesignerDialog::StopClick()
{
    stopRequested_ = true;
    if (job_)
        job_->stop.store(true);
}

void PowerDesignerDialog::hideEvent(QHideEvent *event)
{
    // With the window hidden its STOP is out of reach: the sweep stops (a minimised main window
    // hides its tool windows too; that stops nothing).
    if (!event->spontaneous() && sweeping_)
        StopClick();
    QDialog::hideEvent(event);
}

void PowerDesignerDialog::GoClick()
{
    // The button is disabled while a sweep runs; this catches a press already queued.
    if (sweeping_)
        return;
    const SweepRanges r = ranges();
    const QString message = ValidateSweepRanges(r);
    if (!message.isEmpty()) {
        outcome_ = SweepOutcome{};
        outcome_.message = message;
        prompter_.message(message, SweepMessageCaption());
        return;
    }
    const qint64 total = CountSweepCombinations(r);
    if (watch_->isChecked())
        runWatched(r, total);
    else
        runThreaded(r, total);
}

void PowerDesignerDialog::showProgress(int done, int total)
{
    progress_->setMaximum(std::max(1, total));
    progress_->setValue(done);
}

void PowerDesignerDialog::runThreaded(const SweepRanges &r, qint64 total)
{
    if (beforeSweep)
        beforeSweep();
    startNewSweep();
    // What the sweep runs from: the design as Simulate shows it now. The copy is taken here, on
    // the window's thread; the worker never reads the window's workspace.
    sweptDesign_ = takeSnapshot(workspace_);
    sweptSlot_ = workspace_.list.CurrentDesign;
    sweptName_ = workspace_.list.current().DesignName;
    takeMapOwner();
    auto job = std::make_shared<Job>(workspace_, best_, r);
    job_ = job;
    setSweeping(true);
    showProgress(0, progressMaximum(total));

    // A grid too large for the map keeps only the best and the last combination.
    const bool keepCells = total <= KeptCombinationLimit;
    // The worker only counts; the bar reads the count when the window's thread looks for the
    // result, so the window is never flooded with updates.
    std::future<void> done = workers_.run([job, keepCells, &workers = workers_] {
        ParallelSweepOptions options;
        options.stopFlag = &job->stop;
        options.keepCells = keepCells;
        options.progress = [job](qint64 completed, qint64) { job->done.store(progressMaximum(completed)); };
        job->result = RunParallelSweep(workers, job->start, job->before, job->ranges, options);
    });
    sweepDone_.watch(
        std::move(done), [this](std::future<void> &) { threadedSweepEnded(); },
        [this, job] { showProgress(job->done.load(), progress_->maximum()); });
}

void PowerDesignerDialog::threadedSweepEnded()
{
    const std::shared_ptr<Job> job = std::move(job_);
    auto result = std::make_shared<ParallelSweepResult>(std::move(job->result));
    best_ = result->best;
    showBest(best_);
    const int combinations = progressMaximum(result->combinations);
    outcome_ = SweepOutcome{result->message, combinations, result->stopped};
    showProgress(combinations, std::max(1, progressMaximum(result->total)));
    last_ = result;
    held_ = false;
    QStringList notes;
    if (result->combinations > 0 && result->cells.empty())
        notes << tr("%1 combinations are too many for the design map.").arg(result->total);
    // A student who went to another mode meanwhile stays there.
    const bool elsewhere = showsSimulate && !showsSimulate();
    if (result->combinations > 0) {
        // The results belong to the design as it was at GO; one changed since, or another one
        // brought in, would get sizes chosen for something else.
        const bool same = workspace_.list.CurrentDesign == sweptSlot_ && sameDesign(sweptDesign_, takeSnapshot(workspace_));
        if (!same)
            notes << tr("The design changed during the sweep, so it keeps its own sizes; the map and the best show "
                           "the design as it was swept.");
        else if (changeDesign && changeDesign(
                                     tr("Power Designer sweep"),
                                     [result](DesignRecord &design) { HoldLastCombination(design, *result); },
                                     elsewhere ? ShowChange::InCurrentMode : ShowChange::InSimulate))
            held_ = true;
        else
            notes << tr("The design was being edited when the sweep ended, so it keeps its own sizes.");
    }
    offerSimulate_ = held_ && elsewhere;
    setSweeping(false);
    showMap(notes.join(QLatin1Char(' ')));
    emit sweepEnded();
}

void PowerDesignerDialog::abandonSweep()
{
    stopRequested_ = true;
    watchTimer_.stop();
    watched_.reset();
    if (!job_)
        return;
    job_->stop.store(true);
    sweepDone_.wait();
    job_.reset();
    sweeping_ = false;
}

} // namespace zindle
