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

QString examplesFolder() {
    return besideProgram(QStringLiteral("Примеры"));
}

namespace {
QString folderOrHome(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}
} // namespace

QString firstDialogFolder() {
    return folderOrHome(QStandardPaths::DocumentsLocation);
}

QString firstPicturesFolder() {
    return folderOrHome(QStandardPaths::PicturesLocation);
}

QString setProgramFolder(const QString& folder) {
    return std::exchange(replacement(), folder);
}
