// SPDX-License-Identifier: GPL-3.0-or-later
// Threads kept for the plot's work beside the plot's own thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

/** Runs pieces of a plot's work on threads kept from one plot to the next, so that even a
    short plot gains from the other cores: starting a thread costs about as much as
    drawing ten thousand samples. */
namespace workers {

/** The threads a plot may use beside its own: none on one core, or when not allowed. */
unsigned helpers();
/** Whether the plot may use other cores at all; tests switch it off to compare. */
void setAllowed(bool allowed);

/** Pieces of work started on the kept threads, waited for together. */
class Group {
public:
    Group() = default;
    ~Group() { wait(); }
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

    /** Runs task on a kept thread; false when none can be had (the task does not run). */
    bool start(std::function<void()> task);
    /** Returns once every task started has ended. */
    void wait();

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    int m_running = 0;
};

} // namespace workers
