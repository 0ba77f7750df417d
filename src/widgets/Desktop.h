// SPDX-License-Identifier: GPL-3.0-or-later
// Programs the desktop starts for us (the help viewer), replaceable in tests.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

using ProgramStarter = std::function<void(const QString& program, const QStringList& arguments)>;

/** Starts a program detached, in the current working folder; no result is examined. */
void startProgram(const QString& program, const QStringList& arguments);

/** Installs another starter and returns the previous one. */
ProgramStarter setProgramStarter(ProgramStarter starter);
