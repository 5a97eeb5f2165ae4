// SPDX-License-Identifier: GPL-3.0-or-later
// The program's workers: a task never waits behind another (so one that hands out tasks and
// waits for them cannot block the pool), the pool's end waits for everything handed out, and
// what a task threw reaches whoever waits for it.

#include "app/WorkerPool.h"

#include <gtest/gtest.h>
#include <chrono>
#include <stdexcept>

using namespace zindle;

namespace {

TEST(WorkerPool, TasksThatWaitForTasksOfTheirOwnRunSideBySide)
{
    WorkerPool workers;
    std::mutex mutex;
    std::condition_variable allIn;
    int running = 0;
    constexpr int Inner = 4;
    // Each inner task waits until all of them run at once: they finish only if none queues.
    std::future<int> outer = workers.run([&] {
        std::vector<std::future<bool>> inner;
        for (int i = 0; i < Inner; ++i)
            inner.push_back(workers.run([&] {
                std::unique_lock<std::mutex> lock(mutex);
                ++running;
                allIn.notify_all();
                return allIn.wait_for(lock, std::chrono::seconds(20), [&] { return running == Inner; });
            }));
        int together = 0;
        for (std::future<bool> &task : inner)
            together += task.get();
        return together;
    });
    EXPECT_EQ(outer.get(), Inner);
    EXPECT_EQ(workers.threadCount(), Inner + 1);
}

TEST(WorkerPool, EndsAfterEveryTaskHandedOutAndPassesOnWhatATaskThrew)
{
    std::atomic<bool> lateTaskRan{false};
    std::future<void> failing;
    {
        WorkerPool workers;
        failing = workers.run([] { throw std::runtime_error("no design"); });
        // A task still running as the pool ends hands out one more.
        workers.run([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            workers.run([&] { lateTaskRan = true; });
        });
    }
    EXPECT_TRUE(lateTaskRan.load());
    EXPECT_THROW(failing.get(), std::runtime_error);
}

} // namespace
