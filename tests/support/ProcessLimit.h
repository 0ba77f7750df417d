// SPDX-License-Identifier: GPL-3.0-or-later
// Limits of the process lowered for a scope: failures made real without permissions.
#pragma once

#include <csignal>
#include <sys/resource.h>

/** Lowers one soft limit of the process for a scope. */
class Limit {
public:
    Limit(int resource, rlim_t value) : m_resource(resource) {
        getrlimit(m_resource, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = value;
        setrlimit(m_resource, &lowered);
    }
    ~Limit() { setrlimit(m_resource, &m_saved); }
    Limit(const Limit&) = delete;
    Limit& operator=(const Limit&) = delete;

private:
    int m_resource;
    rlimit m_saved{};
};

/** Files cannot grow past the size for a scope: a write beyond it fails with EFBIG, as one
    on a full disk fails with ENOSPC. */
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_previous(std::signal(SIGXFSZ, SIG_IGN)), m_limit(RLIMIT_FSIZE, bytes) {}
    ~FileSizeLimit() { std::signal(SIGXFSZ, m_previous); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*m_previous)(int);
    Limit m_limit;
};
