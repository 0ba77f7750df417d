// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
/** A new file in the folder under a free short name (so that a long final name does not
    make it fail); its descriptor, or -1 with errno. */
int createBeside(const QString& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(
            QStringLiteral("%1/.volnograf-%2.tmp")
                .arg(folder)
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, QByteArrayView bytes) {
    const char* data = bytes.data();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

/** The file a save replaces: the one a symbolic link points to, not the link. */
QString finalTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}
} // namespace

int writeFileAtomically(const QString& path, QByteArrayView bytes) {
    const QString target = finalTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    // A read-only file is not replaced behind the user's back.
    if (replacing && S_ISREG(old.st_mode) &&
        ::faccessat(AT_FDCWD, targetName.constData(), W_OK, AT_EACCESS) != 0)
        return errno;

    QByteArray tempName;
    const int fd = createBeside(QFileInfo(target).absolutePath(), tempName);
    if (fd < 0)
        return errno;
    bool ok = (!replacing || !S_ISREG(old.st_mode) || ::fchmod(fd, old.st_mode & 07777) == 0) &&
              writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempName.constData(), targetName.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok)
        ::unlink(tempName.constData());
    return error;
}

int probeCreatable(const QString& folder) {
    QByteArray name;
    const int fd = createBeside(folder, name);
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(name.constData());
    return 0;
}
