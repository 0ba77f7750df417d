// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
/** The age after which a temporary file of the program belongs to no running save. */
constexpr std::time_t kStaleSeconds = 10 * 60;

int& temporaryFailure() {
    static int error = 0;
    return error;
}

/** The names the program gives its temporary files, and no other. */
const QRegularExpression& temporaryName() {
    static const QRegularExpression name(QStringLiteral("^\\.volnograf-[0-9a-f]{8}\\.tmp$"));
    return name;
}

/** Removes the program's own temporary files in the folder that no running save can still
    be writing: those of a save killed halfway would otherwise stay for ever. */
void removeStaleTemporaries(const QString& folder) {
    const QStringList names = QDir(folder).entryList({QStringLiteral(".volnograf-*.tmp")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    const std::time_t before = std::time(nullptr) - kStaleSeconds;
    for (const QString& name : names) {
        if (!temporaryName().match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid() && info.st_mtime < before)
            ::unlink(path.constData());
    }
}

/** A new file in the folder under a free short name (so that a long final name does not
    make it fail); its descriptor, or -1 with errno. */
int createBeside(const QString& folder, QByteArray& name) {
    if (temporaryFailure() != 0) {
        errno = temporaryFailure();
        return -1;
    }
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

/** Writes zero bytes from the current position up to size. */
bool writeZerosUpTo(int fd, qint64 size) {
    const off_t from = ::lseek(fd, 0, SEEK_END);
    if (from < 0)
        return false;
    static const QByteArray zeros(1 << 16, '\0');
    for (qint64 left = size - from; left > 0; left -= zeros.size())
        if (!writeAll(fd, QByteArrayView(zeros).first(std::min<qint64>(left, zeros.size()))))
            return false;
    return true;
}

/** The file a save replaces: the one a symbolic link points to, not the link. */
QString finalTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}
} // namespace

FileReplacement::FileReplacement(const QString& path) {
    const QString target = finalTarget(path);
    const QString folder = QFileInfo(target).absolutePath();
    m_target = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(m_target.constData(), &old) == 0;
    const bool regular = replacing && S_ISREG(old.st_mode);
    // A read-only file is not replaced behind the user's back.
    if (regular && ::faccessat(AT_FDCWD, m_target.constData(), W_OK, AT_EACCESS) != 0) {
        m_error = errno;
        return;
    }
    removeStaleTemporaries(folder);
    m_fd = createBeside(folder, m_temporary);
    if (m_fd < 0) {
        m_error = errno;
        m_temporary.clear();
        // A shared folder may forbid new files and still let its files be written.
        if ((m_error == EACCES || m_error == EPERM) && regular) {
            m_fd = ::open(m_target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            m_error = m_fd < 0 ? errno : 0;
        }
        return;
    }
    if (regular && ::fchmod(m_fd, old.st_mode & 07777) != 0)
        fail(errno);
}

FileReplacement::~FileReplacement() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
}

void FileReplacement::fail(int error) {
    m_error = error;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

int FileReplacement::reserve(qint64 size) {
    if (m_error == 0 && !writeZerosUpTo(m_fd, size))
        fail(errno);
    return m_error;
}

int FileReplacement::commit(QByteArrayView bytes) {
    if (m_error != 0)
        return m_error;
    if (::lseek(m_fd, 0, SEEK_SET) != 0 || !writeAll(m_fd, bytes) ||
        ::ftruncate(m_fd, bytes.size()) != 0 || ::fsync(m_fd) != 0) {
        fail(errno);
        return m_error;
    }
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0) {
        fail(errno);
        return m_error;
    }
    if (!m_temporary.isEmpty() && ::rename(m_temporary.constData(), m_target.constData()) != 0)
        fail(errno);
    else
        m_temporary.clear();
    return m_error;
}

int writeFileAtomically(const QString& path, QByteArrayView bytes) {
    FileReplacement file(path);
    return file.commit(bytes);
}

void replaceFile(const QString& path, QByteArrayView bytes) {
    if (const int error = writeFileAtomically(path, bytes))
        throw FileError(cannotCreateText(path, error));
}

int setTemporaryFileFailure(int error) {
    return std::exchange(temporaryFailure(), error);
}
