// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputTargets.h"

#include "FileNames.h"

#include <QSet>

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace {
/** The same file however it is named: its device and node when it exists, otherwise its
    real folder and its name. */
QByteArray identity(const struct stat& info) {
    return QByteArray::number(static_cast<qulonglong>(info.st_dev)) + ':' +
           QByteArray::number(static_cast<qulonglong>(info.st_ino));
}

QByteArray identityOfMissing(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray("/") : path.left(slash);
    char real[PATH_MAX];
    return (::realpath(folder.constData(), real) ? QByteArray(real) : folder) + '/' +
           path.mid(slash + 1);
}
} // namespace

QString outputsRefusal(const QString& input, const QStringList& outputs) {
    struct stat info {};
    const QByteArray lesson =
        ::stat(nameBytes(input).constData(), &info) == 0 ? identity(info) : QByteArray();
    QSet<QByteArray> named;
    for (const QString& output : outputs) {
        const QByteArray path = nameBytes(output);
        QByteArray same;
        if (::stat(path.constData(), &info) == 0) {
            if (S_ISDIR(info.st_mode))
                return QStringLiteral("На месте выходного файла папка: %1").arg(output);
            if (!S_ISREG(info.st_mode))
                return QStringLiteral("Выходной файл — не обычный файл (устройство, канал или "
                                      "сокет), он не заменяется: %1")
                    .arg(output);
            same = identity(info);
        } else if (errno == ELOOP) {
            return QStringLiteral("Ссылки выходного файла замыкаются в кольцо: %1").arg(output);
        } else {
            same = identityOfMissing(path);
        }
        if (same == lesson)
            return QStringLiteral("Выходной файл — это сам файл исходных данных, он не "
                                  "заменяется: %1")
                .arg(output);
        if (named.contains(same))
            return QStringLiteral("Один и тот же файл назван выходным дважды: %1").arg(output);
        named.insert(same);
    }
    return {};
}
