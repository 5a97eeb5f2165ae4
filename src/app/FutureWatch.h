// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worker's result awaited on the window's thread: the one hand-off back from the worker pool.
//
// The worker cannot wake the window's event loop through anything ThreadSanitizer follows (Qt's
// event queue locks with futexes of its own), so while a result is out a timer of the window's
// thread looks at the future a few times per frame; `tick` runs at each look (a progress bar
// reading the worker's counters) and `ready` once, when the result is in. Nothing looks while
// no result is out.

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <future>

namespace zindle {

template <class T>
class FutureWatch {
public:
    static constexpr int LookIntervalMs = 8;

    FutureWatch()
    {
        timer_.setInterval(LookIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { look(); });
    }
    FutureWatch(const FutureWatch &) = delete;
    FutureWatch &operator=(const FutureWatch &) = delete;
    // A result still out is waited for: the worker may be using what its owner is about to free.
    ~FutureWatch() { wait(); }

    void watch(std::future<T> future, std::function<void(std::future<T> &)> ready, std::function<void()> tick = {})
    {
        future_ = std::move(future);
        ready_ = std::move(ready);
        tick_ = std::move(tick);
        timer_.start();
    }
    bool watching() const { return future_.valid(); }
    // Blocks until the result is in and drops it without calling `ready` (the owner is going).
    void wait()
    {
        timer_.stop();
        if (future_.valid())
            future_.wait();
        future_ = {};
        ready_ = nullptr;
        tick_ = nullptr;
    }

private:
    void look()
    {
        if (tick_)
            tick_();
        if (!future_.valid() || future_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return;
        timer_.stop();
        std::future<T> done = std::move(future_);
        const std::function<void(std::future<T> &)> ready = std::move(ready_);
        ready_ = nullptr;
        tick_ = nullptr;
        ready(done);
    }

    QTimer timer_;
    std::future<T> future_;
    std::function<void(std::future<T> &)> ready_;
    std::function<void()> tick_;
};

} // namespace zindle
