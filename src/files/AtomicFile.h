// SPDX-License-Identifier: GPL-3.0-or-later
// Files replaced whole or not at all: written beside the old one, then renamed over it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/** The replacement of one file. Its bytes go into a new hidden file beside it, flushed to
    disk and then renamed over the old one; until then the old file stays as it was, and a
    replacement that does not end in commit() leaves nothing behind. In a folder where no
    new file may be made for lack of permission, an existing file that may be written is
    written in place instead, as a plain save does. Making one also removes the program's
    own temporary files in that folder that a save cut short long ago left behind. */
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    /** Takes the room of size bytes on the disk now, so that a full disk shows before anyone
        is told that the file is saved. The system's error number, 0 on success. */
    [[nodiscard]] int reserve(qint64 size);
    /** Writes the bytes, flushed to disk, and puts the file in place. The system's error
        number of the step that failed, 0 on success. */
    [[nodiscard]] int commit(QByteArrayView bytes);

private:
    void fail(int error);

    QByteArray m_target;
    QByteArray m_temporary; ///< empty while writing in place
    int m_fd = -1;
    int m_error = 0;
};

/** Writes the bytes to path as a FileReplacement does; the system's error number of the step
    that failed, 0 on success. */
[[nodiscard]] int writeFileAtomically(const QString& path, QByteArrayView bytes);

/** Writes the bytes to path as writeFileAtomically does; a failure throws FileError with
    the text "Cannot create file "PATH". REASON". */
void replaceFile(const QString& path, QByteArrayView bytes);

/** Makes the creation of temporary files fail with the error number (0: as the system
    answers) and returns the previous setting. Tests stand in with it for folders they
    cannot make unwritable. */
int setTemporaryFileFailure(int error);
