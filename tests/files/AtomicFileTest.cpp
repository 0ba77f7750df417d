// SPDX-License-Identifier: GPL-3.0-or-later
// Saves replace a file whole or not at all, and a failure is told by what really failed.
#include "files/AtomicFile.h"
#include "ErrorText.h"
#include "FileBytes.h"
#include "ProcessLimit.h"
#include "QtPrinters.h"
#include "files/FileErrors.h"
#include "files/GrafcFile.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(AtomicFile, FailuresAreToldByTheirMeaning) {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("plain")), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder.grafc"));
    const auto saveTo = [&](const QString& name) {
        return errorText([&] { saveGrafcFile(dir.filePath(name), GrafcTexts{}); });
    };
    // Each failure made real, without permissions (the tests may run as root).
    EXPECT_EQ(saveTo(QStringLiteral("missing/a.grafc")), QStringLiteral("File not found"));
    EXPECT_EQ(saveTo(QStringLiteral("plain/a.grafc")), QStringLiteral("Invalid filename"));
    EXPECT_EQ(saveTo(QString(300, QLatin1Char('n'))), QStringLiteral("Invalid filename"));
    EXPECT_EQ(saveTo(QStringLiteral("folder.grafc")), QStringLiteral("File access denied"));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    EXPECT_EQ(saveTo(QStringLiteral("pipe")), QStringLiteral("File access denied"));
    EXPECT_TRUE(QFileInfo(dir.filePath("pipe")).isFile() == false &&
                QFile::exists(dir.filePath("pipe")))
        << "the named pipe stays one";
    {
        const Limit noMoreFiles(RLIMIT_NOFILE, 0);
        EXPECT_EQ(saveTo(QStringLiteral("a")), QStringLiteral("Too many open files"));
    }
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"pipe", "plain"})) << "nothing left";
    for (const auto& [error, text] : {std::pair{EROFS, "File access denied"},
                                      {ENOSPC, "Disk full"},
                                      {EDQUOT, "Disk full"},
                                      {EIO, "I/O error 5"}})
        EXPECT_EQ(saveErrorText(error), QString::fromUtf8(text)) << error;
}

TEST(AtomicFile, AFailurePartWayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.grafc"));
    writeBytes(path, "old\r\n");
    // A file size limit stops the write after a few bytes, as a full disk would.
    int error = 0;
    {
        const FileSizeLimit small(8);
        error = writeFileAtomically(path, QByteArray(100, 'n'));
    }
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(readBytes(path), QByteArray("old\r\n"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("a.grafc")}) << "no half file";
}

// Where no new file may be made beside the old one, a writable old file is written in place,
// and nothing of it changes until the new bytes surely fit; "at the message" is the state a
// kill while the message is shown would leave.
TEST(AtomicFile, WritingInPlaceChangesNothingUntilTheNewFileFits) {
    const QByteArray old = "old\r\n", longer(100, 'n');
    const struct {
        const char* name;
        QByteArray before;                   // null: no old file
        int temporaryRefused, renameRefused; // how the folder keeps the new file out
        rlim_t sizeLimit;                    // a full disk after so many bytes; 0: none
        qint64 reserved;                     // room taken before the message; 0: none
        QByteArray bytes;
        int result;
        QByteArray atMessage, after;
    } cases[] = {
        // clang-format off
        {"a lesson on a full disk", old, EACCES, 0, 8, 0, longer, EFBIG, old, old},
        {"a lesson in a sticky folder, full disk", old, 0, EPERM, 8, 0, longer, EFBIG, old, old},
        {"a lesson in a sticky folder", old, 0, EPERM, 0, 0, longer, 0, old, longer},
        {"a shorter lesson: the old tail cut off", old, EACCES, 0, 8, 0, "new", 0, old, "new"},
        {"a picture's room taken", old, EACCES, 0, 0, 1000, longer, 0, old, longer},
        {"a picture's room on a full disk", old, EACCES, 0, 100, 1000, longer, EFBIG, old, old},
        {"no permission and no file to write", {}, EACCES, 0, 0, 0, "new", EACCES, {}, {}},
        {"a full disk is no matter of permission", old, ENOSPC, 0, 0, 0, "new", ENOSPC, old, old},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.grafc"));
        if (!c.before.isNull())
            writeBytes(path, c.before);
        // The folder's refusals through the seam: the tests may run as root.
        const int previousTemporary = setTemporaryFileFailure(c.temporaryRefused);
        const int previousRename = setRenameFailure(c.renameRefused);
        int result = 0;
        QByteArray atMessage;
        {
            std::optional<FileSizeLimit> full;
            if (c.sizeLimit != 0)
                full.emplace(c.sizeLimit);
            FileReplacement file(path);
            result = c.reserved ? file.reserve(c.reserved) : 0;
            atMessage = readBytes(path);
            if (result == 0)
                result = file.commit(c.bytes);
        }
        setTemporaryFileFailure(previousTemporary);
        setRenameFailure(previousRename);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(atMessage, c.atMessage);
        EXPECT_EQ(readBytes(path), c.after);
        EXPECT_EQ(filesIn(dir.path()),
                  c.before.isNull() ? QStringList() : QStringList{QStringLiteral("lesson.grafc")});
    }
}

TEST(AtomicFile, ASaveRemovesItsOwnTemporaryFilesLeftLongAgoAndNothingElse) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        int age; // seconds
        bool locked;
        bool stays;
    } cases[] = {
        {".volnograf-0123abcd.tmp", 3600, false, false}, // a save killed an hour ago
        {".volnograf-89abcdef.tmp", 60, false, true},    // a save that may still be running
        {".volnograf-notes.tmp", 3600, false, true},     // no name the program gives
        {".volnograf-4567cdef.tmp", 3600, true, true},   // a save waiting on its message
    };
    std::vector<std::unique_ptr<QFile>> open;
    for (const auto& c : cases) {
        auto& file =
            open.emplace_back(std::make_unique<QFile>(dir.filePath(QString::fromUtf8(c.name))));
        ASSERT_TRUE(file->open(QIODevice::WriteOnly));
        if (c.locked) {
            ASSERT_EQ(flock(file->handle(), LOCK_EX), 0);
        }
        file->setFileTime(QDateTime::currentDateTime().addSecs(-c.age),
                          QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(writeFileAtomically(dir.filePath(QStringLiteral("a.grafc")), "new"), 0);
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromUtf8(c.name))), c.stays) << c.name;
}

TEST(AtomicFile, ReplacesTheFileAChainOfLinksEndsInAndKeepsItsModeAndGroup) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.grafc"));
    const QString middle = dir.filePath(QStringLiteral("middle.grafc"));
    const QString link = dir.filePath(QStringLiteral("link.grafc"));
    writeBytes(target, "old");
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    // A group of the class: any group will do for root, the user's own otherwise.
    const gid_t group = geteuid() == 0 ? 4242 : getegid();
    ASSERT_EQ(chown(QFile::encodeName(target).constData(), static_cast<uid_t>(-1), group), 0);
    ASSERT_TRUE(QFile::link(target, middle));
    ASSERT_TRUE(QFile::link(QStringLiteral("middle.grafc"), link)); // relative, as ln -s makes
    EXPECT_EQ(writeFileAtomically(link, "new"), 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(middle).isSymLink());
    EXPECT_EQ(QFileInfo(target).groupId(), group);
    EXPECT_EQ(readBytes(target), QByteArray("new"));
    EXPECT_EQ(QFileInfo(target).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ReadUser | QFile::WriteUser |
                                                            QFile::ReadGroup);
}

TEST(AtomicFile, AFileWrittenAPieceAtATimeIsReplacedWholeOrNotAtAll) {
    const auto twoPieces = [](int fd) {
        return ::write(fd, "ne", 2) == 2 && ::write(fd, "w", 1) == 1;
    };
    const auto failsPartWay = [](int fd) {
        if (::write(fd, "ne", 2) == 2)
            errno = ENOSPC; // the disk fills after the first piece
        return false;
    };
    const struct {
        const char* name;
        ByteWriter write;
        int refusal; // why no file can be made beside the old one (0: none)
        QString error;
        QByteArray after;
    } cases[] = {
        {"replaced", twoPieces, 0, {}, "new"},
        // In place the old file's longer tail is cut off.
        {"written in place", twoPieces, EACCES, {}, "new"},
        {"a write fails", failsPartWay, 0, "Cannot create file \"{path}\". No space left on device",
         "older and longer"},
        // In place the old bytes stay until all the new ones were written.
        {"a write fails in place", failsPartWay, EACCES,
         "Cannot create file \"{path}\". No space left on device", "older and longer"},
        {"an error ends the writing",
         [](int) -> bool { throw FloatError(FloatError::Kind::Invalid); }, 0,
         "Invalid floating point operation", "older and longer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.csv"));
        writeBytes(path, "older and longer");
        const int previous = setTemporaryFileFailure(c.refusal);
        const QString error = errorText([&] { replaceFile(path, c.write); });
        setTemporaryFileFailure(previous);
        EXPECT_EQ(error, QString(c.error).replace(QStringLiteral("{path}"), path));
        EXPECT_EQ(readBytes(path), c.after);
        EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("data.csv")}) << "nothing left";
    }
}
