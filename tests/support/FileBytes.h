// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of files the tests make and look at.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/** Every file in the folder, hidden ones included. */
inline QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
