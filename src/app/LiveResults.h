// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Results shown while the user designs: the time to 15 ft, the top speed, the mass and the
// advisories of the design as it stands, computed in the background after every change.
//
// The computation is the one entering Simulate mode runs (the element size back to "9", the
// whole Simulate refresh), done on a copy of the workspace taken on the window's thread, so
// its numbers are those Simulate will show and nothing the modes rely on is touched: no
// simulated flag, no race trace, no advisory, no result field of the window's workspace.
//
// LiveResults schedules it: changes that come fast are gathered by a short delay, at most one
// computation runs at a time, and every request is numbered. A result whose number is not the
// newest is dropped; while a newer one waits or runs the readout is told it is updating, so a
// result of an older state is never shown as current. Destroying the scheduler asks the
// running computation to stop at its next step boundary and waits for it.

#include "app/FutureWatch.h"
#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "model/Challenge.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zindle {

struct LiveResult {
    quint64 generation = 0; // the request this result answers
    // Whether the model ran the car; when not, `cannotRun` says why.
    bool runs = false;
    QString cannotRun;
    // The result fields' texts exactly as the Simulate refresh leaves them ("[3.45]" for a car
    // that falls short of 15 ft; empty where the model could not compute them).
    QString TimeEF, TopSpeedEF, PeakSpeedEF, ProjectedMassEF;
    // The advisories Simulate mode evaluates for the design, top to bottom (the skid one included).
    QStringList advisories;
    // The rules of the challenge set when this was requested, checked on the same refreshed copy;
    // no challenge, no checks.
    std::shared_ptr<const Challenge> challenge;
    std::vector<RuleCheck> checks;
    // The car reached 15 ft.
    bool finished() const { return runs && !TimeEF.isEmpty() && !TimeEF.startsWith(QLatin1Char('[')); }
};

// Runs on `copy` what entering Simulate mode runs and collects the readout's values. `copy` is
// the computation's own (it is changed); `stop`, when set, ends the refresh early at a step
// boundary (the result is then of no use and is dropped by the caller).
LiveResult ComputeLiveResult(Workspace &copy, const std::atomic<bool> *stop = nullptr);

// What the computation depends on, as bytes: the design, the materials and the sheet's screen
// scale (the connectivity advisories are taken at screen pixels), and the challenge checked,
// when one is. Equal bytes give equal results.
QByteArray liveInputKey(const Workspace &workspace, const Challenge *challenge = nullptr);

class LiveResults : public QObject {
    Q_OBJECT
public:
    // `workspace` is the window's; it is only read, on this object's thread, when a copy is taken.
    // The computations run on `workers`, which must outlive this object.
    LiveResults(const Workspace &workspace, WorkerPool &workers, QObject *parent = nullptr);
    ~LiveResults() override;

    // Outside Design mode nothing is computed; a computation running when it goes off is dropped.
    void setActive(bool active);
    bool active() const { return active_; }
    // How long changes are gathered before a computation starts (milliseconds).
    void setDelay(int milliseconds) { timer_.setInterval(milliseconds); }
    // What runs on the worker thread: ComputeLiveResult unless replaced (a test holds it up to
    // see what happens meanwhile). It must return once `stop` is set.
    using Computation = std::function<LiveResult(Workspace &copy, const std::atomic<bool> *stop)>;
    void setComputation(Computation computation) { computation_ = std::move(computation); }

    // The challenge whose rules each result checks; null for none. The window tells of the
    // change as of any other (designMayHaveChanged), so it is requested like an edit.
    // Another challenge of the same content is requested anew too: its results name it.
    void setChallenge(std::shared_ptr<const Challenge> challenge)
    {
        if (challenge != challenge_)
            key_.clear();
        challenge_ = std::move(challenge);
    }
    const std::shared_ptr<const Challenge> &challenge() const { return challenge_; }

    // The design (or the materials, or the sheet's scale) may have changed. Nothing happens
    // when the inputs are those of the newest request.
    void designMayHaveChanged();

    // The result of the newest request, once it is in; nothing while it is pending.
    const std::optional<LiveResult> &current() const { return current_; }
    // A request newer than the shown result waits or is being computed.
    bool pending() const { return active_ && !current_; }
    // The last result shown, kept greyed while a newer one is pending; nothing before the first.
    const std::optional<LiveResult> &lastShown() const { return lastShown_; }
    bool computing() const { return running_ != 0; }
    quint64 generation() const { return generation_; }
    int computationsStarted() const { return started_; }
    int resultsDropped() const { return dropped_; }

signals:
    // current(), pending() or lastShown() changed.
    void changed();

private:
    void startNewest();
    void computationFinished(std::future<LiveResult> &result);

    const Workspace &workspace_;
    Computation computation_ = [](Workspace &copy, const std::atomic<bool> *stop) {
        return ComputeLiveResult(copy, stop);
    };
    bool active_ = true;
    QTimer timer_;
    WorkerPool &workers_;
    FutureWatch<LiveResult> result_;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::shared_ptr<const Challenge> challenge_;
    QByteArray key_;        // inputs of the newest request
    quint64 generation_ = 0; // number of the newest request
    quint64 running_ = 0;    // number of the running computation, 0 when none runs
    std::optional<LiveResult> current_, lastShown_;
    int started_ = 0, dropped_ = 0;
};

} // namespace zindle
