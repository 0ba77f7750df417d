// SPDX-License-Identifier: GPL-3.0-or-later
// Saves replace a file whole or not at all, and a failure is told by what really failed.
#include "files/AtomicFile.h"
#include "ErrorText.h"
#include "QtPrinters.h"
#include "files/FileErrors.h"
#include "files/GrafcFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList filesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

/** Lowers one soft limit of the process for a scope. */
class Limit {
public:
    Limit(int resource, rlim_t value) : m_resource(resource) {
        getrlimit(m_resource, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = value;
        setrlimit(m_resource, &lowered);
    }
    ~Limit() { setrlimit(m_resource, &m_saved); }

private:
    int m_resource;
    rlimit m_saved{};
};
} // namespace

TEST(AtomicFile, FailuresAreToldByTheirMeaning) {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("plain")), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder.grafc"));
    const GrafcTexts texts;
    // Each failure made real, without permissions (the tests may run as root).
    const struct {
        const char* name;
        QString path;
        const char* text;
    } cases[] = {
        {"missing folder", dir.filePath(QStringLiteral("missing/a.grafc")), "File not found"},
        {"through a plain file", dir.filePath(QStringLiteral("plain/a.grafc")), "Invalid filename"},
        {"name too long", dir.filePath(QString(300, QLatin1Char('n'))), "Invalid filename"},
        {"a folder of that name", dir.filePath(QStringLiteral("folder.grafc")),
         "File access denied"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorText([&] { saveGrafcFile(c.path, texts); }), QString::fromUtf8(c.text))
            << c.name;
    }
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("plain")}) << "nothing left behind";

    {
        const Limit noMoreFiles(RLIMIT_NOFILE, 0);
        EXPECT_EQ(errorText([&] { saveGrafcFile(dir.filePath(QStringLiteral("a")), texts); }),
                  QStringLiteral("Too many open files"));
    }

    // The rest of the table by the error number alone.
    const struct {
        int error;
        const char* text;
    } numbers[] = {
        {EROFS, "File access denied"}, {EPERM, "File access denied"},
        {ENOSPC, "Disk full"},         {EDQUOT, "Disk full"},
        {EIO, "I/O error 5"},          {ENFILE, "Too many open files"},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(saveErrorText(n.error), QString::fromUtf8(n.text)) << n.error;
}

TEST(AtomicFile, AFailurePartWayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.grafc"));
    writeBytes(path, "old\r\n");
    // A file size limit stops the write after a few bytes, as a full disk would.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    int error = 0;
    {
        const Limit small(RLIMIT_FSIZE, 8);
        error = writeFileAtomically(path, QByteArray(100, 'n'));
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(saveErrorText(error), QStringLiteral("I/O error %1").arg(EFBIG));
    EXPECT_EQ(bytesOf(path), QByteArray("old\r\n"));
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("a.grafc")}) << "no half file beside it";
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
    EXPECT_EQ(bytesOf(target), QByteArray("new"));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(AtomicFile, ProbeLeavesNothingBehind) {
    QTemporaryDir dir;
    EXPECT_EQ(probeCreatable(dir.path()), 0);
    EXPECT_TRUE(filesIn(dir).isEmpty());
    EXPECT_EQ(probeCreatable(dir.filePath(QStringLiteral("missing"))), ENOENT);
}
