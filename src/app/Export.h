// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of a lesson file written to files, with no window shown.
#pragma once

class QTextStream;
struct ExportRequest;

/** Plots the file's medium and interval as the main window would with its default
    settings and writes the requested files, each whole or not at all. Any message or error
    the window would show goes to err, prefixed with the lesson file's name, and then no
    file is left written: the result is 1. Success is silent: 0. Needs a GUI application
    object (the plot's texts). */
int exportPlot(const ExportRequest& request, QTextStream& err, QTextStream& out);
