// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: its four windows, created in order and kept until the end, or an
// export without any window.
#pragma once

#include <QString>
#include <functional>

class QTextStream;

struct CommandLine;
struct ExportRequest;

/** Creates Form1, AboutForm, Settings and Calc, in this order; only Form1 is to be shown. */
void createWindows();

/** Destroys the four windows at the end of the program. */
void destroyWindows();

/** Loads the .grafc file into the main window's fields as soon as the event loop runs, as
    the load command does but without its message; an error shows in the error box. */
void openLessonFile(const QString& file);

/** The program with its windows, at the command line's scale, the lesson file it names
    loaded into the main window; the exit status. */
int runWindows(int& argc, char** argv, const CommandLine& command);

/** The export on the platform without a screen; the exit status. */
int runExport(int& argc, char** argv, const ExportRequest& request);

/** The status of the export's work: memory running out ends it with the program's message
    on `err`, after the lesson's name, and status 1 rather than an abort. */
int headlessStatus(const std::function<int()>& work, const QString& file, QTextStream& err);
