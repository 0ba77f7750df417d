// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileErrors.h"
#include "FileNames.h"

#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
/** The age after which an unlocked temporary file of the program belongs to no save. */
constexpr std::time_t kStaleSeconds = 10 * 60;
/** Links followed before a chain counts as a ring, as the system counts. */
constexpr int kLinkHops = 40;

int& temporaryFailure() {
    static int error = 0;
    return error;
}

int& renameFailure() {
    static int error = 0;
    return error;
}

/** Whether the name is one the program gives its temporary files: .volnograf-XXXXXXXX.tmp
    with eight lower-case hexadecimal digits. */
bool isTemporaryName(const char* name) {
    static constexpr char kHead[] = ".volnograf-";
    static constexpr char kTail[] = ".tmp";
    const std::size_t head = sizeof kHead - 1, digits = 8;
    if (std::strlen(name) != head + digits + sizeof kTail - 1 ||
        std::strncmp(name, kHead, head) != 0 || std::strcmp(name + head + digits, kTail) != 0)
        return false;
    for (std::size_t i = head; i < head + digits; ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i])) && (name[i] < 'a' || name[i] > 'f'))
            return false;
    return true;
}

/** Removes the program's own temporary files in the folder that no running save holds:
    those of a save killed halfway would otherwise stay for ever. One that is locked belongs
    to a save still waiting (on a message, say), however old it is. */
void removeStaleTemporaries(const QByteArray& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), ::closedir);
    if (!dir)
        return;
    const std::time_t before = std::time(nullptr) - kStaleSeconds;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!isTemporaryName(entry->d_name))
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtime < before)
            ::unlink(path.constData());
        ::close(fd);
    }
}

/** A new file in the folder under a free short name (so that a long final name does not
    make it fail), locked for as long as it is open; its descriptor, or -1 with errno. */
int createBeside(const QByteArray& folder, QByteArray& name) {
    if (temporaryFailure() != 0) {
        errno = temporaryFailure();
        return -1;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + QStringLiteral("/.volnograf-%1.tmp")
                            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                            .toLatin1();
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

/** How the room of a file is taken. */
enum class Room {
    Grow,       ///< the file may grow to the size (a new file)
    KeepOrSkip, ///< the length stays; where the system cannot do that, nothing is taken
    KeepOrGrow, ///< the length stays; where the system cannot, it grows and is cut back
                ///< on failure
};

/** Takes the disk's room for size bytes of the file; the error number, 0 on success. An
    existing file keeps its bytes whatever happens. */
int takeRoom(int fd, qint64 size, Room how) {
    // A limit on the size of files refuses at once what would pass it, as a full disk does.
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur)
        return EFBIG;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    if (size <= info.st_size)
        return 0;
    if (how != Room::Grow) {
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0)
            return 0;
        if (errno != EOPNOTSUPP)
            return errno;
        if (how == Room::KeepOrSkip)
            return 0;
    }
    const int error = ::posix_fallocate(fd, 0, size);
    if (error != 0 && ::ftruncate(fd, info.st_size) != 0)
        return errno;
    return error;
}

/** The file a chain of symbolic links ends in (the path itself when it is no link), or
    an empty path with error ELOOP for a ring. */
QByteArray finalTarget(QByteArray path, int& error) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path;
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : path.left(path.lastIndexOf('/') + 1) + next;
    }
    error = ELOOP;
    return {};
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

/** Whether the file at path exists, is regular and may be written by this user. */
bool writableRegular(const QByteArray& path) {
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}
} // namespace

FileReplacement::FileReplacement(const QString& path) {
    m_target = finalTarget(nameBytes(path), m_error);
    if (m_error != 0)
        return;
    struct stat old {};
    const bool replacing = ::stat(m_target.constData(), &old) == 0;
    // Only a regular file is replaced: a device, a pipe or a socket stays what it is.
    if (replacing && !S_ISREG(old.st_mode)) {
        m_error = S_ISDIR(old.st_mode) ? EISDIR : EPERM;
        return;
    }
    // A read-only file is not replaced behind the user's back.
    if (replacing && ::faccessat(AT_FDCWD, m_target.constData(), W_OK, AT_EACCESS) != 0) {
        m_error = errno;
        return;
    }
    const QByteArray folder = folderOf(m_target);
    removeStaleTemporaries(folder);
    m_fd = createBeside(folder, m_temporary);
    if (m_fd < 0) {
        m_error = errno;
        m_temporary.clear();
        // A shared folder may forbid new files and still let its files be written.
        if ((m_error == EACCES || m_error == EPERM) && replacing) {
            m_fd = ::open(m_target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            m_error = m_fd < 0 ? errno : 0;
        }
        return;
    }
    if (replacing) {
        // A file shared through its group stays shared; where the user may not give it
        // that group, it gets the user's own, as any new file does.
        if (old.st_gid != ::getegid() && ::fchown(m_fd, static_cast<uid_t>(-1), old.st_gid) != 0)
            errno = 0;
        if (::fchmod(m_fd, old.st_mode & 07777) != 0)
            fail(errno);
    }
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
    if (m_error != 0)
        return m_error;
    const Room how = m_temporary.isEmpty() ? Room::KeepOrSkip : Room::Grow;
    if (const int error = takeRoom(m_fd, size, how))
        fail(error);
    return m_error;
}

int FileReplacement::prepare(QByteArrayView bytes) {
    if (m_error != 0)
        return m_error;
    if (m_temporary.isEmpty()) {
        // In place: the old bytes stay until the room for the new ones is certain.
        m_bytes = bytes.toByteArray();
        if (const int error = takeRoom(m_fd, bytes.size(), Room::KeepOrGrow))
            fail(error);
        return m_error;
    }
    if (::lseek(m_fd, 0, SEEK_SET) != 0 || !writeAll(m_fd, bytes) ||
        ::ftruncate(m_fd, bytes.size()) != 0 || ::fsync(m_fd) != 0)
        fail(errno);
    return m_error;
}

int FileReplacement::prepare(const ByteWriter& write) {
    if (m_error != 0)
        return m_error;
    if (m_temporary.isEmpty()) {
        // In place the bytes are gathered first, in a file of memory, and prepared whole.
        const int gathered = ::memfd_create("volnograf", MFD_CLOEXEC);
        if (gathered < 0) {
            fail(errno);
            return m_error;
        }
        // Closed however the writing ends, an error thrown by write() included.
        const std::unique_ptr<const int, void (*)(const int*)> closer(
            &gathered, [](const int* fd) { ::close(*fd); });
        QByteArray bytes;
        int error = 0;
        off_t size = 0;
        if (!write(gathered) || (size = ::lseek(gathered, 0, SEEK_CUR)) < 0) {
            error = errno;
        } else {
            bytes.resize(size);
            const ssize_t got = ::pread(gathered, bytes.data(), bytes.size(), 0);
            error = got == size ? 0 : got < 0 ? errno : EIO;
        }
        if (error != 0) {
            fail(error);
            return m_error;
        }
        return prepare(bytes);
    }
    off_t size = 0;
    if (::lseek(m_fd, 0, SEEK_SET) != 0 || !write(m_fd) ||
        (size = ::lseek(m_fd, 0, SEEK_CUR)) < 0 || ::ftruncate(m_fd, size) != 0 ||
        ::fsync(m_fd) != 0)
        fail(errno);
    return m_error;
}

int FileReplacement::writeInPlace() {
    if (::lseek(m_fd, 0, SEEK_SET) != 0 || !writeAll(m_fd, m_bytes) ||
        ::ftruncate(m_fd, m_bytes.size()) != 0 || ::fsync(m_fd) != 0 || ::close(m_fd) != 0)
        m_error = errno;
    m_fd = -1;
    return m_error;
}

int FileReplacement::finish() {
    if (m_error != 0)
        return m_error;
    if (m_temporary.isEmpty())
        return writeInPlace();
    const int refused = renameFailure();
    if (refused == 0 && ::rename(m_temporary.constData(), m_target.constData()) == 0) {
        m_temporary.clear();
        if (::close(m_fd) != 0)
            m_error = errno;
        m_fd = -1;
        return m_error;
    }
    const int error = refused != 0 ? refused : errno;
    // A folder with the sticky bit lets only the owner rename over a file that others may
    // still be allowed to write: then it is written in place, from the ready new file.
    if ((error == EPERM || error == EACCES) && writableRegular(m_target)) {
        const qint64 size = ::lseek(m_fd, 0, SEEK_END);
        m_bytes.resize(size);
        if (size >= 0 && ::pread(m_fd, m_bytes.data(), m_bytes.size(), 0) == size) {
            const int fd = ::open(m_target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            if (fd >= 0) {
                ::close(m_fd);
                ::unlink(m_temporary.constData());
                m_temporary.clear();
                m_fd = fd;
                if (const int room = takeRoom(m_fd, size, Room::KeepOrGrow)) {
                    fail(room);
                    return m_error;
                }
                return writeInPlace();
            }
        }
    }
    fail(error);
    return m_error;
}

int FileReplacement::commit(QByteArrayView bytes) {
    if (const int error = prepare(bytes))
        return error;
    return finish();
}

int writeFileAtomically(const QString& path, QByteArrayView bytes) {
    FileReplacement file(path);
    return file.commit(bytes);
}

void replaceFile(const QString& path, QByteArrayView bytes) {
    if (const int error = writeFileAtomically(path, bytes))
        throw FileError(cannotCreateText(path, error));
}

void replaceFile(const QString& path, const ByteWriter& write) {
    FileReplacement file(path);
    int error = file.prepare(write);
    if (error == 0)
        error = file.finish();
    if (error != 0)
        throw FileError(cannotCreateText(path, error));
}

std::optional<SetFailure> replaceFilesTogether(const std::vector<FileContent>& files,
                                               bool (*stop)()) {
    std::vector<std::unique_ptr<FileReplacement>> ready;
    for (std::size_t i = 0; i < files.size(); ++i) {
        ready.push_back(std::make_unique<FileReplacement>(files[i].path));
        const FileContent& file = files[i];
        if (const int error =
                file.write ? ready.back()->prepare(file.write) : ready.back()->prepare(file.bytes))
            return SetFailure{i, error};
    }
    if (stop && stop())
        return SetFailure{files.size(), EINTR};
    for (std::size_t i = 0; i < ready.size(); ++i)
        if (const int error = ready[i]->finish())
            return SetFailure{i, error};
    return std::nullopt;
}

int setTemporaryFileFailure(int error) {
    return std::exchange(temporaryFailure(), error);
}

int setRenameFailure(int error) {
    return std::exchange(renameFailure(), error);
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
