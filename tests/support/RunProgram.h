// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from the command line as a shell runs it, and what it answers.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

/** Numbers as numeric writes them (the decimal comma unless told); the system's own texts
    (the reason a file cannot be created) in English, whatever languages the machine has. */
inline QProcessEnvironment programEnvironment(const char* numeric = "ru_RU.UTF-8") {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_NUMERIC"), QString::fromUtf8(numeric));
    return env;
}

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

/** Runs the program to its end with the arguments, in folder if one is named. */
inline ProgramRun runProgram(const QStringList& arguments,
                             const QProcessEnvironment& env = programEnvironment(),
                             const QString& folder = QString()) {
    QProcess process;
    process.setProcessEnvironment(env);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QStringLiteral(VOLNOGRAF_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
