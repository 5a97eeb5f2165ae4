// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveResults.h"

#include "app/ChallengeCheck.h"
#include "app/RefreshChain.h"
#include "app/ResultsOwner.h"
#include "files/ChallengeFile.h"
#include "files/DesignFile.h"
#include "model/Modes.h"

#include <QDataStream>
#include <QIODevice>

namespace zindle {

LiveResult ComputeLiveResult(Workspace &copy, const std::atomic<bool> *stop)
{
    // One refresh is bounded (milliseconds, two seconds for the most hostile outline): the
    // scheduler that is going waits for it rather than have the chain abandon it half-way.
    Q_UNUSED(stop);
    EnterSimulateMode(copy);
    RefreshPhysicsMode(copy, SheetMode::Simulate);

    LiveResult result;
    result.runs = !copy.checks.cannotRun();
    result.TimeEF = copy.results.TimeEF;
    result.TopSpeedEF = copy.results.TopSpeedEF;
    result.PeakSpeedEF = copy.results.PeakSpeedEF;
    result.ProjectedMassEF = copy.results.ProjectedMassEF;
    const AdvisoryState &advisories = copy.advisories;
    result.advisories = advisories.shownTexts();
    if (!result.runs) {
        // The run checks' own advisories say why, most basic first.
        for (const AdvisoryLabel *label : {&advisories.NoBodyLabel, &advisories.NotNumberLabel,
                                           &advisories.NoRevolutionsLabel, &advisories.TooLightLabel,
                                           &advisories.AxlesTooCloseLabel})
            if (label->visible) {
                result.cannotRun = label->caption;
                break;
            }
        if (result.cannotRun.isEmpty())
            result.cannotRun = QStringLiteral("The car cannot run.");
    }
    return result;
}

QByteArray liveInputKey(const Workspace &workspace, const Challenge *challenge)
{
    QByteArray key = ComputationInputs(workspace);
    if (challenge)
        key += '\0' + EncodeChallenge(*challenge);
    return key;
}

LiveResults::LiveResults(const Workspace &workspace, WorkerPool &workers, QObject *parent)
    : QObject(parent), workspace_(workspace), workers_(workers)
{
    timer_.setSingleShot(true);
    timer_.setInterval(150);
    connect(&timer_, &QTimer::timeout, this, &LiveResults::startNewest);
}

LiveResults::~LiveResults()
{
    timer_.stop();
    if (stop_)
        stop_->store(true, std::memory_order_release);
    result_.wait();
}

void LiveResults::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active)
        return; // the window tells what changed meanwhile
    timer_.stop();
    // A computation still running is of no use any more.
    if (running_ && stop_)
        stop_->store(true, std::memory_order_release);
    // A request that never got its result must be made again on return.
    if (!current_)
        key_.clear();
    emit changed();
}

void LiveResults::designMayHaveChanged()
{
    if (!active_)
        return;
    QByteArray key = liveInputKey(workspace_, challenge_.get());
    if (generation_ != 0 && key == key_)
        return;
    key_ = std::move(key);
    ++generation_;
    current_.reset();
    // Changes coming fast wait for each other; a computation already running goes on and
    // its result is dropped.
    timer_.start();
    emit changed();
}

void LiveResults::startNewest()
{
    if (running_ || !active_ || current_ || generation_ == 0)
        return;
    // The copy is taken here, on the window's thread; the computation never sees the original.
    // One computation at a time: the window's own thread keeps the other core.
    auto copy = std::make_shared<Workspace>(workspace_);
    auto stop = std::make_shared<std::atomic<bool>>(false);
    const quint64 generation = generation_;
    running_ = generation;
    stop_ = stop;
    ++started_;
    std::future<LiveResult> result = workers_.run([copy, stop, generation, compute = computation_,
                                                   challenge = challenge_] {
        LiveResult live = compute(*copy, stop.get());
        live.generation = generation;
        // The copy has been through the Simulate refresh: the checks read the same mass, sizes,
        // time and advisories as the readout.
        live.challenge = challenge;
        if (challenge && !stop->load(std::memory_order_acquire))
            live.checks = CheckChallenge(*copy, *challenge);
        return live;
    });
    result_.watch(std::move(result), [this](std::future<LiveResult> &done) { computationFinished(done); });
}

void LiveResults::computationFinished(std::future<LiveResult> &future)
{
    const quint64 ran = running_;
    running_ = 0;
    const bool stopped = stop_ && stop_->load();
    stop_.reset();
    if (ran == 0)
        return;
    if (active_ && !stopped && ran == generation_) {
        current_ = future.get();
        lastShown_ = current_;
        emit changed();
        return;
    }
    // An older state's result: never shown. The newest starts now unless its delay still runs.
    ++dropped_;
    if (!timer_.isActive())
        startNewest();
}

} // namespace zindle
