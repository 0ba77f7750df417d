// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "files/FileNames.h"

#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << nameFromBytes(argv[i]); // a file name's bytes kept, UTF-8 or not
    const CommandLine command = parseCommandLine(arguments, startFolder());
    switch (command.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version: {
        // A text that did not reach its reader (a full disk, a closed pipe) is a failure.
        QTextStream out(stdout);
        out << command.text;
        out.flush();
        return out.status() == QTextStream::Ok && std::fflush(stdout) == 0 ? 0 : 1;
    }
    case CommandLine::Action::Refused:
        QTextStream(stderr) << command.text;
        return 1;
    case CommandLine::Action::Export:
        return runExport(argc, argv, command.request);
    case CommandLine::Action::Window:
        break;
    }
    return runWindows(argc, argv, command);
}
