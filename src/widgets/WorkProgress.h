// SPDX-License-Identifier: GPL-3.0-or-later
// Long work from a window (an export of the plot) in the user's hands: after about a
// second a modal box shows its percentage, and "Отмена" or Esc stops it.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class PlotSink;
class QWidget;

/** The object name of the progress box, for whoever looks for it. */
inline constexpr char kWorkProgressName[] = "workProgress";

/** Runs work, which reports its percentage to the sink it is given and asks it now and
    then whether to stop (throwing PlotStopped then). Meanwhile the input of the program's
    windows waits as it does during a plot and Esc stops the work; once it has run about a
    second, a modal box over window shows text, the percentage and "Отмена", which stops
    it too. False when the work was stopped; any other error of the work goes on to the
    caller. */
bool runWithProgress(QWidget* window, const QString& text,
                     const std::function<void(PlotSink&)>& work);

/** Replaces the file path by the bytes that bytes(sink) forms, under runWithProgress:
    the new file is made ready beside the old one and takes its place only if the user
    has not stopped by then. A stop, or a failure (FileError "Cannot create file ..."),
    leaves the old file as it was and no new one. False when stopped. */
bool saveWithProgress(QWidget* window, const QString& text, const QString& path,
                      const std::function<QByteArray(PlotSink&)>& bytes);

/** The same with the bytes that write(sink, fd) writes straight into the new file, a
    buffer at a time, false with errno set when a write failed. */
bool saveWithProgress(QWidget* window, const QString& text, const QString& path,
                      const std::function<bool(PlotSink&, int fd)>& write);
