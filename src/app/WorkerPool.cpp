// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkerPool.h"

#include <algorithm>

namespace zindle {

WorkerPool::~WorkerPool()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
    }
    wake_.notify_all();
    // A task still running may hand out more (and so start a thread) while the others end.
    for (;;) {
        std::thread thread;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (threads_.empty())
                return;
            thread = std::move(threads_.back());
            threads_.pop_back();
        }
        thread.join();
    }
}

int WorkerPool::threadCount() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(threads_.size());
}

void WorkerPool::post(std::function<void()> job)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(job));
        if (free_ < queue_.size()) {
            threads_.emplace_back([this] { serve(); });
            ++free_;
        }
    }
    wake_.notify_one();
}

void WorkerPool::serve()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
        if (queue_.empty()) {
            --free_; // closing: a later task must start a thread of its own
            return;
        }
        std::function<void()> job = std::move(queue_.front());
        queue_.pop_front();
        --free_;
        lock.unlock();
        job();
        job = nullptr; // what the task holds goes before the thread counts as free
        lock.lock();
        ++free_;
    }
}

int WorkerThreadCount(int threads, long long jobs)
{
    const long long wanted = threads > 0 ? threads : static_cast<long long>(std::thread::hardware_concurrency());
    return static_cast<int>(std::max(1LL, std::min(wanted, jobs)));
}

void waitForAll(std::vector<std::future<void>> &futures)
{
    for (std::future<void> &future : futures)
        future.wait();
    for (std::future<void> &future : futures)
        future.get();
}

} // namespace zindle
