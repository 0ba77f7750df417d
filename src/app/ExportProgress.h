// SPDX-License-Identifier: GPL-3.0-or-later
// What the export without windows says while a long plot runs, and its stop on a signal.
#pragma once

#include <QtGlobal>

#include <functional>

class QTextStream;

/** The progress of a long export on standard error: nothing for the first two seconds,
    then the percentage once a second. */
class ExportProgress {
public:
    /** Milliseconds from any fixed start. */
    using Clock = std::function<qint64()>;

    explicit ExportProgress(QTextStream& err, Clock clock = {});

    void setPercent(int percent) { m_percent = percent; }
    /** Called often while the work runs: writes the percentage when its second has come.
        True once the user asked the program to stop (Ctrl+C, or SIGTERM). */
    bool poll();

private:
    QTextStream& m_err;
    Clock m_clock;
    qint64 m_nextLine;
    int m_percent = 0;
};

/** Makes SIGINT and SIGTERM ask the export to stop where it can, leaving every old file as
    it was, instead of ending the program; a second such signal ends it at once. */
void catchStopSignals();

/** Whether SIGINT or SIGTERM has come since catchStopSignals(). */
bool stopSignalled();
