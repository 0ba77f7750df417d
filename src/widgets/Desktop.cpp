// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desktop.h"

#include <QProcess>

namespace {
ProgramStarter& current() {
    static ProgramStarter starter = [](const QString& program, const QStringList& arguments) {
        QProcess::startDetached(program, arguments);
    };
    return starter;
}
} // namespace

void startProgram(const QString& program, const QStringList& arguments) {
    current()(program, arguments);
}

ProgramStarter setProgramStarter(ProgramStarter starter) {
    std::swap(current(), starter);
    return starter;
}
