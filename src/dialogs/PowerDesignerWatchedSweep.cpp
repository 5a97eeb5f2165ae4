// SPDX-License-Identifier: GPL-3.0-or-later
// The Power Designer's one-by-one sweep ("Show every combination").
#include "PowerDesignerDialog.h"

#include "app/Workspace.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

namespace zindle {

namespace {

// The index of the combination that became the best, replaying the sweep's rule over `cells`.
int bestOf(const std::vector<SweepCell> &cells)
{
    QString bestTime = QStringLiteral("99999");
    SweepBest scratch;
    int index = -1;
    for (size_t i = 0; i < cells.size(); ++i)
        if (OfferSweepTime(bestTime, scratch, cells[i].time, cells[i].width, cells[i].length, cells[i].wheel))
            index = static_cast<int>(i);
    return index;
}

} // namespace

// The one-by-one sweep: one combination per tick of the dialog's timer, each through the
// window's whole Simulate refresh, which computes to its end and paints before the tick
// returns. Between ticks the window is the user's; a tick that finds the design changed by
// anything but the sweep itself ends the sweep there, as the threaded sweep refuses a design
// changed under it, so that every cell is of one design.
struct PowerDesignerDialog::Watched {
    Watched(const SweepRanges &sweep, qint64 count) : ranges(sweep), stepper(sweep), total(count) {}
    SweepRanges ranges;
    SweepStepper stepper;
    qint64 total;
    bool keep = false;
    std::shared_ptr<ParallelSweepResult> kept = std::make_shared<ParallelSweepResult>();
    QString bestTime = QStringLiteral("99999");
    SweepOutcome outcome;
    // The design as the last tick left it, and its list entry.
    DesignSnapshot expected;
    int slot = -1;
    QString why; // why the sweep ended early, when something else ended it
};

void PowerDesignerDialog::runWatched(const SweepRanges &r, qint64 total)
{
    if (!runSimulateChain)
        return;
    if (beforeSweep)
        beforeSweep();
    if (watchedSweepStarting)
        watchedSweepStarting();
    startNewSweep();
    sweptName_ = workspace_.list.current().DesignName;
    takeMapOwner();
    stopRequested_ = false;
    setSweeping(true);
    watched_ = std::make_shared<Watched>(r, total);
    // Only a grid small enough is kept for the map.
    watched_->keep = total <= KeptCombinationLimit;
    watched_->expected = takeSnapshot(workspace_);
    watched_->slot = workspace_.list.CurrentDesign;
    showProgress(0, progressMaximum(total));
    watchTimer_.start(0);
}

void PowerDesignerDialog::watchedTick()
{
    Watched &w = *watched_;
    if (stopRequested_) {
        w.outcome.stopped = true;
        finishWatched();
        return;
    }
    if (workspace_.list.CurrentDesign != w.slot || !sameDesign(w.expected, takeSnapshot(workspace_))) {
        w.outcome.stopped = true;
        w.why = tr("The design changed during the sweep, so the sweep stopped there: every combination shown "
                   "ran with the design as it was at GO.");
        finishWatched();
        return;
    }
    if (!w.stepper.next(workspace_.design)) {
        finishWatched();
        return;
    }
    runSimulateChain();
    ++w.outcome.combinations;
    const DesignRecord &design = workspace_.design;
    const QString &time = workspace_.results.TimeEF;
    OfferSweepTime(w.bestTime, best_, time, design.SpringWidth, design.SpringLength, design.DriveWhlDia);
    if (w.keep)
        w.kept->cells.push_back({time, design.SpringWidth, design.SpringLength, design.DriveWhlDia});
    progress_->setValue(std::min(w.outcome.combinations, progress_->maximum()));
    showBest(best_);
    w.expected = takeSnapshot(workspace_);
    watchTimer_.start(0);
}

void PowerDesignerDialog::stopWatchedSweep(const QString &why)
{
    if (!watched_)
        return;
    watched_->outcome.stopped = true;
    watched_->why = why;
    finishWatched();
}

void PowerDesignerDialog::finishWatched()
{
    watchTimer_.stop();
    const std::shared_ptr<Watched> w = std::move(watched_);
    outcome_ = w->outcome;
    showBest(best_);
    if (w->keep) {
        ParallelSweepResult &kept = *w->kept;
        kept.wheelValues = SweepValues(w->ranges.wheel);
        kept.lengthValues = SweepValues(w->ranges.length);
        kept.widthValues = SweepValues(w->ranges.width);
        kept.total = w->total;
        kept.combinations = outcome_.combinations;
        kept.stopped = outcome_.stopped;
        kept.best = best_;
        kept.bestIndex = bestOf(kept.cells);
    }
    last_ = w->kept;
    held_ = outcome_.combinations > 0;
    setSweeping(false);
    if (afterSweep)
        afterSweep();
    showMap(w->why);
    emit sweepEnded();
}

} // namespace zindle
