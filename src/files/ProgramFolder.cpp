// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

namespace {
QString& replacement() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    return replacement().isEmpty() ? QCoreApplication::applicationDirPath() : replacement();
}

QString besideProgram(const QString& fileName) {
    QString folder = programFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + fileName;
}

QString firstDialogFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString setProgramFolder(const QString& folder) {
    return std::exchange(replacement(), folder);
}
