// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = parseCommandLine(arguments, startFolder());
    switch (command.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        QTextStream(stdout) << command.text;
        return 0;
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
