// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: a lesson file to open, the scale of the windows, or an export without
// any window.
#pragma once

#include "WindowScale.h"
#include "plot/PlotPicture.h"

#include <QString>
#include <QStringList>
#include <vector>

/** An export without windows: the plot of a lesson file with the default settings. */
struct ExportRequest {
    QString file; ///< the .grafc file, absolute
    struct Output {
        PlotFormat kind;
        QString path; ///< absolute
        /** Qt's name of the format of the picture's file, as its name asks ("PNG", "JPEG",
            "BMP"); the picture's only. */
        const char* pictureFormat = "PNG";
    };
    std::vector<Output> outputs; ///< in the order of the table of options
    int enlargement = 1;         ///< of the PNG picture
    bool automatic = false;      ///< "Автоматически"
    bool points = false;         ///< "Соединить точки" unchecked
    bool dotted = false; ///< "Отметить пунктиром облать аномальной дисперсии"
};

struct CommandLine {
    enum class Action {
        Window,  ///< the program's windows, with file loaded when named
        Export,  ///< request, no window
        Help,    ///< text to standard output
        Version, ///< text to standard output
        Refused, ///< text to standard error, status 1
    };
    Action action = Action::Window;
    QString file;                      ///< absolute; empty when none is named
    std::optional<ScaleRequest> scale; ///< the windows' scale, when asked for
    ExportRequest request;
    QString text;
};

/** Reads the arguments (the program's name first); relative paths are taken from
    workingFolder. */
CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder);

/** The folder relative paths of the command line start from: the one the launcher was
    started in (it changes to the program's folder before it starts the program), or the
    working folder. */
QString startFolder();
