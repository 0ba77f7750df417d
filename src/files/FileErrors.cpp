// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileErrors.h"

#include <cerrno>
#include <cstring>

QString ioErrorText(int code) {
    return QStringLiteral("I/O error %1").arg(code);
}

QString saveErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
    case EILSEQ:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder of that name stands where the file would go
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return ioErrorText(errorNumber);
    }
}

QString cannotCreateText(const QString& path, int errorNumber) {
    return QStringLiteral("Cannot create file \"%1\". %2")
        .arg(path, QString::fromLocal8Bit(strerror(errorNumber)));
}
