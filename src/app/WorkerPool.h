// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's worker threads: the live results, the sweeps and the class standings all run
// their work here. The application makes one pool and hands it down by reference (the window
// and the command line each own theirs); a test makes its own.
//
// A task never waits behind another: when every thread is busy, a new one starts, and a thread
// that finished stays for the next task. A task may therefore hand out tasks of its own and
// wait for them (a sweep counting what its threads ran) without ever blocking the pool, and
// "--threads 8" runs eight threads on any machine, as it always did.
//
// Work and results go through std::mutex, std::condition_variable and std::future only: these
// are what ThreadSanitizer follows, so a run under it sees every hand-off and reports only real
// races.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace zindle {

class WorkerPool {
public:
    WorkerPool() = default;
    // Waits for every task handed out, those still queued included, and for the tasks they hand out.
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    // Runs `task` on a worker; its result (or what it threw) arrives in the future.
    template <class Task>
    auto run(Task task) -> std::future<std::invoke_result_t<Task &>>
    {
        using Result = std::invoke_result_t<Task &>;
        auto job = std::make_shared<std::packaged_task<Result()>>(std::move(task));
        std::future<Result> result = job->get_future();
        post([job] { (*job)(); });
        return result;
    }

    // Threads started so far (none before the first task).
    int threadCount() const;

private:
    void post(std::function<void()> job);
    void serve();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::thread> threads_;
    std::size_t free_ = 0; // threads not running a task
    bool closing_ = false;
};

// The threads a run of `jobs` parallel jobs uses when asked for `threads` (0: one per core):
// never more than there are jobs, at least one.
int WorkerThreadCount(int threads, long long jobs);

// Waits for every future, then takes their results in order; what a task threw is thrown once
// all have ended, so that none still runs on what the caller is about to free.
void waitForAll(std::vector<std::future<void>> &futures);

} // namespace zindle
