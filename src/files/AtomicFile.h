// SPDX-License-Identifier: GPL-3.0-or-later
// Files replaced whole or not at all: written beside the old one, then renamed over it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

/** Writes all of bytes to the descriptor fd from where it stands, again after an
    interrupted write: false, with errno set, when a write failed. */
bool writeAll(int fd, QByteArrayView bytes);

/** Writes a file's bytes to a descriptor, a piece at a time, from where it stands: false,
    with errno set, when a write failed. For a file too large to be held whole. */
using ByteWriter = std::function<bool(int fd)>;

/** The replacement of one file. Its bytes go into a new hidden file beside it, flushed to
    disk and then renamed over the old one; until then the old file stays as it was, and a
    replacement that does not end in commit() leaves nothing behind. The file a chain of
    symbolic links ends in is the one replaced; it keeps its mode and, where it may, its
    group. A target that exists and is no regular file (a folder, a device, a named pipe, a
    socket) is refused, and so is a ring of links. In a folder where no new file may be made
    for lack of permission, or where another user's file may not be renamed over (a shared
    folder with the sticky bit), an existing file that may be written is written in place
    instead; its room is taken before its first byte changes, so that a full disk leaves it
    as it was. Making one also removes the program's own temporary files in that folder that
    a save cut short long ago left behind; a temporary file belongs to a running save while
    that save holds its lock. */
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    /** Takes the room of size bytes on the disk now, so that a full disk shows before anyone
        is told that the file is saved. A file written in place keeps its length and bytes.
        The system's error number, 0 on success. */
    [[nodiscard]] int reserve(qint64 size);
    /** Makes everything ready but the last step: the bytes written and flushed into the new
        file, or, in place, their room taken. The old file is still as it was. */
    [[nodiscard]] int prepare(QByteArrayView bytes);
    /** The same with the bytes that write() writes: into the new file straight away; a file
        written in place is gathered whole first, as its old bytes must stay until then. */
    [[nodiscard]] int prepare(const ByteWriter& write);
    /** Puts the prepared file in place. */
    [[nodiscard]] int finish();
    /** prepare() and finish(): the system's error number of the step that failed, 0 on
        success. */
    [[nodiscard]] int commit(QByteArrayView bytes);

private:
    void fail(int error);
    int writeInPlace();

    QByteArray m_target;
    QByteArray m_temporary; ///< empty while writing in place
    QByteArray m_bytes;     ///< prepared for a file written in place or its fallback
    int m_fd = -1;
    int m_error = 0;
};

/** Writes the bytes to path as a FileReplacement does; the system's error number of the step
    that failed, 0 on success. */
[[nodiscard]] int writeFileAtomically(const QString& path, QByteArrayView bytes);

/** Writes the bytes to path as writeFileAtomically does; a failure throws FileError with
    the text "Cannot create file "PATH". REASON". */
void replaceFile(const QString& path, QByteArrayView bytes);

/** The same with the bytes that write() writes, a piece at a time. */
void replaceFile(const QString& path, const ByteWriter& write);

/** A file to write and its bytes, or, when write is set, what writes them. */
struct FileContent {
    FileContent(QString path, QByteArray bytes) : path(std::move(path)), bytes(std::move(bytes)) {}
    FileContent(QString path, ByteWriter write) : path(std::move(path)), write(std::move(write)) {}

    QString path;
    QByteArray bytes;
    ByteWriter write;
};

/** The file of a set that could not be written, and the system's error number; a stop
    gives the index past the last file and EINTR. */
struct SetFailure {
    std::size_t index;
    int error;
};

/** Writes every file, all or none: each new file is made ready beside its old one first,
    and only when all are ready do they take their places. A failure before that (or a stop
    asked for by stop(), looked at then) leaves every old file as it was and no new one. */
std::optional<SetFailure> replaceFilesTogether(const std::vector<FileContent>& files,
                                               bool (*stop)() = nullptr);

/** Makes the creation of temporary files fail with the error number (0: as the system
    answers) and returns the previous setting. Tests stand in with it for folders they
    cannot make unwritable. */
int setTemporaryFileFailure(int error);

/** Makes renaming a new file over an existing one fail with the error number (0: as the
    system answers) and returns the previous setting: a shared folder with the sticky bit
    for tests that run as its owner. */
int setRenameFailure(int error);
