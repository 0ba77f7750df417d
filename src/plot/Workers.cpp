// SPDX-License-Identifier: GPL-3.0-or-later
#include "Workers.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <exception>
#include <thread>
#include <vector>

namespace {
std::atomic<bool> allowed{true};

/** The kept threads, started as tasks need them and stopped when the program ends. */
class Pool {
public:
    ~Pool() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (std::thread& t : m_threads)
            t.join();
    }

    /** False when no thread or no room can be had: the task is not run. */
    bool start(std::function<void()>& task) {
        std::unique_lock lock(m_mutex);
        try {
            // A task waits for no other: each has a thread, kept for later tasks.
            if (m_idle <= m_tasks.size()) {
                m_threads.emplace_back([this] { loop(); });
                ++m_idle;
            }
            m_tasks.push_back(std::move(task));
        } catch (const std::exception&) {
            return false;
        }
        lock.unlock();
        m_wake.notify_one();
        return true;
    }

private:
    void loop() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [&] { return m_stopping || !m_tasks.empty(); });
            if (m_tasks.empty())
                return;
            std::function<void()> task = std::move(m_tasks.front());
            m_tasks.pop_front();
            --m_idle;
            lock.unlock();
            task();
            lock.lock();
            ++m_idle;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    std::vector<std::thread> m_threads;
    std::size_t m_idle = 0;
    bool m_stopping = false;
};

Pool& pool() {
    static Pool kept;
    return kept;
}
} // namespace

namespace workers {

unsigned helpers() {
    static const unsigned cores = std::thread::hardware_concurrency();
    return allowed && cores > 1 ? std::min(cores - 1, 7u) : 0;
}

void setAllowed(bool allow) {
    allowed = allow;
}

bool Group::start(std::function<void()> task) {
    {
        const std::lock_guard lock(m_mutex);
        ++m_running;
    }
    bool started = false;
    try {
        std::function<void()> counted = [this, task = std::move(task)] {
            task();
            // The group may go as soon as the count falls: notify under the lock.
            const std::lock_guard lock(m_mutex);
            --m_running;
            m_ended.notify_all();
        };
        started = pool().start(counted);
    } catch (const std::exception&) {
        // No room for the task: it is not run.
    }
    if (!started) {
        const std::lock_guard lock(m_mutex);
        --m_running;
    }
    return started;
}

void Group::wait() {
    std::unique_lock lock(m_mutex);
    m_ended.wait(lock, [&] { return m_running == 0; });
}

} // namespace workers
