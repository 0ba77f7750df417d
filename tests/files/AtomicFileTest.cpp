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
#include <sys/stat.h>

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
    {
        const Limit noMoreFiles(RLIMIT_NOFILE, 0);
        EXPECT_EQ(saveTo(QStringLiteral("a")), QStringLiteral("Too many open files"));
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("plain")}) << "nothing left";
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

TEST(AtomicFile, WhereNoNewFileMayBeMadeAWritableFileIsWrittenInPlace) {
    const struct {
        const char* name;
        int refusal;       // why no file can be made beside the old one
        QByteArray before; // null: no old file
        int result;
        QByteArray after;
    } cases[] = {
        {"no permission: written in place", EACCES, "older and longer\r\n", 0, "new"},
        {"no permission and no file to write", EACCES, {}, EACCES, {}},
        {"a full disk is no matter of permission", ENOSPC, "old", ENOSPC, "old"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.grafc"));
        if (!c.before.isNull())
            writeBytes(path, c.before);
        // A shared class folder, as the tests may run as root and no permission stops them.
        const int previous = setTemporaryFileFailure(c.refusal);
        const int result = writeFileAtomically(path, "new");
        setTemporaryFileFailure(previous);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(readBytes(path), c.after) << c.name;
        EXPECT_EQ(filesIn(dir.path()).size(), c.before.isNull() ? 0 : 1) << c.name;
    }
}

TEST(AtomicFile, ASaveRemovesItsOwnTemporaryFilesLeftLongAgoAndNothingElse) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        int age; // seconds
        bool stays;
    } cases[] = {
        {".volnograf-0123abcd.tmp", 3600, false}, // a save killed an hour ago
        {".volnograf-89abcdef.tmp", 60, true},    // a save that may still be running
        {".volnograf-notes.tmp", 3600, true},     // no name the program gives
    };
    for (const auto& c : cases) {
        QFile file(dir.filePath(QString::fromUtf8(c.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-c.age),
                         QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(writeFileAtomically(dir.filePath(QStringLiteral("a.grafc")), "new"), 0);
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromUtf8(c.name))), c.stays) << c.name;
}

TEST(AtomicFile, ReplacesTheFileALinkPointsToAndKeepsItsMode) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.grafc"));
    const QString link = dir.filePath(QStringLiteral("link.grafc"));
    writeBytes(target, "old");
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(writeFileAtomically(link, "new"), 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(target), QByteArray("new"));
    EXPECT_EQ(QFileInfo(target).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ReadUser | QFile::WriteUser |
                                                            QFile::ReadGroup);
}
