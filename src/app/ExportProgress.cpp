// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportProgress.h"

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <csignal>
#include <memory>

namespace {
constexpr qint64 kSilentMs = 2000;
constexpr qint64 kEveryMs = 1000;

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void onStopSignal(int) {
    stopSignal = 1;
}

ExportProgress::Clock steadyClock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}
} // namespace

ExportProgress::ExportProgress(QTextStream& err, Clock clock)
    : m_err(err), m_clock(clock ? std::move(clock) : steadyClock()),
      m_nextLine(m_clock() + kSilentMs) {}

bool ExportProgress::poll() {
    const qint64 now = m_clock();
    if (now >= m_nextLine) {
        m_err << QStringLiteral("Построение графика: %1 %\n").arg(m_percent);
        m_err.flush();
        // Once a second, not once for each second a long step may have skipped.
        m_nextLine += kEveryMs;
        if (m_nextLine <= now)
            m_nextLine = now + kEveryMs;
    }
    return stopSignalled();
}

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND; // the second one takes its usual course
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool stopSignalled() {
    return stopSignal != 0;
}
