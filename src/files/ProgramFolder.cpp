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

QString pictureFolder(const QString& executableFolder, bool executableFolderWritable,
                      const QString& userDataFolder) {
    return executableFolderWritable || userDataFolder.isEmpty() ? executableFolder : userDataFolder;
}

QString programFolder() {
    if (!replacement().isEmpty())
        return replacement();
    const QString executable = QCoreApplication::applicationDirPath();
    const QString folder =
        pictureFolder(executable, QFileInfo(executable).isWritable(),
                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // A folder that cannot be made shows as the picture's own "Cannot create file" error.
    if (folder != executable)
        QDir().mkpath(folder);
    return folder;
}

QString besideProgram(const QString& fileName) {
    QString folder = programFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + fileName;
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
