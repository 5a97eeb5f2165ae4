// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Power Designer: a tool window that sweeps spring width, spring length and drive wheel
// diameter over a grid and shows the best time to 15 ft it found, and, when at most two of the
// three ranges vary, the design map of the times over them.
//
// The sweep runs on a worker thread (app/ParallelSweep.h) from a copy of the workspace taken at
// GO, with a progress bar; the window does not repaint per combination and stays usable. STOP
// ends it at the next combination boundary. When it ends, the design holds the last combination
// counted, as one step of the design's history, and the window shows Simulate for it; a student
// who went to another mode meanwhile stays there, and the dialog offers "Show in Simulate".
// When the design was changed or another one brought in meanwhile, the design stays as it is
// and the map and the best fields still show the sweep. "Use best" puts the best combination
// into the design, as one step.
//
// From GO on, the best fields are the new sweep's; the previous sweep's map stays greyed and
// says so until the new one is shown. The progress bar counts the combinations of the ranges
// as they are typed.
//
// The map belongs to the design it was swept for, as it was then apart from the three sizes
// swept: while another design is in, or this one has changed otherwise, the map is shown
// greyed, says so, and a click on it puts nothing into the design.
//
// "Show every combination" runs the one-by-one sweep instead, one combination per tick of a
// timer, each through the window's whole Simulate refresh, so that a student can watch each car.
// Grids too large for the design map run on the worker without keeping their cells.

#include "app/DesignHistory.h"
#include "app/FutureWatch.h"
#include "app/ParallelSweep.h"
#include "physics/PowerDesigner.h"

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zindle {

class DesignMapView;
class Prompter;
struct Workspace;

class PowerDesignerDialog : public QDialog {
    Q_OBJECT
public:
    // The threaded sweep runs on `workers`.
    PowerDesignerDialog(Workspace &workspace, WorkerPool &workers, Prompter &prompter, QWidget *parent);
    // Stops a running sweep and waits for its thread.
    ~PowerDesignerDialog() override;

    // Grids larger than this keep no cells, and so show no map: the map keeps every
    // combination's result in memory.
    static constexpr qint64 KeptCombinationLimit = 100000;

    // Called before a sweep starts (the window enters Simulate mode here).
    std::function<void()> beforeSweep;
    // The one-by-one sweep writes into the design as it goes: the window opens one history step
    // before it (watchedSweepStarting) and closes it after it (afterSweep).
    std::function<void()> watchedSweepStarting;
    std::function<void()> afterSweep;
    // Runs the whole Simulate refresh for the design as it now stands (the one-by-one sweep).
    std::function<void()> runSimulateChain;
    // Makes `change` to the design as one history step named `name` and shows the result in
    // Simulate or refreshes the mode the window is in; false, changing nothing, when the window
    // may not change the design now (it is closing, or a sheet tool or another action is in
    // progress).
    enum class ShowChange { InSimulate, InCurrentMode };
    std::function<bool(const QString &name, const std::function<void(DesignRecord &)> &change, ShowChange where)>
        changeDesign;
    // Whether the window is in Simulate mode, and a switch to it.
    std::function<bool()> showsSimulate;
    std::function<void()> showSimulate;

    void GoClick();
    void StopClick();
    void CancelClick() { hide(); }
    // Puts the combination of the best fields into the design, when they are the design's own.
    bool UseBestClick();
    void ShowInSimulateClick();
    // Saves the design map shown as a picture or its times as CSV, by the file name's extension.
    void SaveMapClick();
    // The window moved on (another mode, a modal dialog): a one-by-one sweep ends now, its
    // status saying `why`.
    void stopWatchedSweep(const QString &why);
    // The window is going: a running sweep stops, its thread is waited for, and nothing of its
    // results reaches the design.
    void abandonSweep();
    // Puts the combination `combination` (an index into the last sweep's cells) into the design,
    // when the map is the design's own.
    bool applyCombination(int combination);
    // Whether the map shown was swept for the design in memory as it stands (sizes apart).
    bool mapBelongsToDesign() const;
    // The window's design or its state changed: the map is offered for clicks only while it is
    // still the design's own.
    void followDesign();

    bool sweeping() const { return sweeping_; }
    const SweepOutcome &lastOutcome() const { return outcome_; }
    // The last sweep's combinations, for either way of running it (null before the first).
    const ParallelSweepResult *lastResult() const { return last_.get(); }
    // Whether the last sweep's results went into the design.
    bool lastSweepHeld() const { return held_; }
    QLineEdit *field(const QString &objectName) const;
    QCheckBox *showEveryCombination() const { return watch_; }
    QProgressBar *progressBar() const { return progress_; }
    QLabel *statusLabel() const { return status_; }
    DesignMapView *designMap() const { return map_; }

signals:
    // A sweep ended (finished or stopped) and its results are shown.
    void sweepEnded();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    struct Job;
    struct Watched;
    // A count as a progress bar's value, which is an int.
    static int progressMaximum(qint64 total);
    SweepRanges ranges() const;
    void showBest(const SweepBest &best);
    void setSweeping(bool on);
    void runWatched(const SweepRanges &ranges, qint64 total);
    void watchedTick();
    void finishWatched();
    void runThreaded(const SweepRanges &ranges, qint64 total);
    void showProgress(int done, int total);
    void threadedSweepEnded();
    void showMap(const QString &note);
    // The nine fields changed: the bar shows how many combinations GO would run.
    void showCombinationCount();
    // A new sweep begins: its best fields start empty, the previous map is marked as such.
    void startNewSweep();
    // Sizes the dialog to what it shows, within the screen's free area: grown for a map (kept
    // larger when the student made it larger), shrunk when the map goes.
    void fitToScreen(bool mapAppeared);
    // Whether the best fields hold sizes the design may take now.
    bool bestApplies() const;
    // Writes the three swept sizes into the design as one step named `step`, shown in Simulate.
    bool putSizes(const QString &step, QString width, QString length, QString wheel);
    void updateButtons();

    Workspace &workspace_;
    WorkerPool &workers_;
    Prompter &prompter_;
    SweepBest best_;
    SweepOutcome outcome_;
    std::shared_ptr<const ParallelSweepResult> last_;
    bool held_ = false;
    // The sweep's result went into the design while the window showed another mode.
    bool offerSimulate_ = false;
    bool stopRequested_ = false; // the one-by-one sweep's
    std::shared_ptr<Watched> watched_; // shared: its type is complete only where the sweep runs
    QTimer watchTimer_;
    bool sweeping_ = false;
    // The threaded sweep in progress: what it runs from, and what the window compares with
    // afterwards to know the design is still the one swept.
    std::shared_ptr<Job> job_;
    FutureWatch<void> sweepDone_;
    DesignSnapshot sweptDesign_;
    int sweptSlot_ = -1;
    // What the map shown belongs to: the list entry and the design as swept, sizes left out.
    void takeMapOwner();
    DesignSnapshot mapDesign_;
    int mapSlot_ = -1;
    QString sweptName_;

    QPushButton *go_ = nullptr;
    QPushButton *saveMap_ = nullptr;
    QPushButton *useBest_ = nullptr;
    QPushButton *showInSimulate_ = nullptr;
    QCheckBox *watch_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *status_ = nullptr;
    DesignMapView *map_ = nullptr;
    QLabel *mapNote_ = nullptr;
};

} // namespace zindle
