// SPDX-License-Identifier: GPL-3.0-or-later
// What an export may replace: never the lesson itself, a special file or one file twice; and
// all its files or none, every old one kept on failure.
#include "files/OutputTargets.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "files/AtomicFile.h"
#include "files/FileNames.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

TEST(OutputTargets, RefusedBeforeAnythingIsWritten) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    writeBytes(at("l.grafc"), "5\r\n");
    writeBytes(at("old.png"), "OLD");
    QFile::link(at("l.grafc"), at("link.grafc"));
    QFile::link(at("old.png"), at("link.png"));
    QFile::link(at("ring"), at("ring"));
    ASSERT_EQ(mkfifo(QFile::encodeName(at("fifo")).constData(), 0600), 0);
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const struct {
        const char* name;
        QStringList outputs;
        const char* refusal; // the start of the text, empty: none
    } cases[] = {
        {"new and old files", {at("a.png"), at("old.png")}, ""},
        {"the lesson itself", {at("a.csv"), at("l.grafc")}, "Выходной файл — это сам файл"},
        {"the lesson through a link", {at("link.grafc")}, "Выходной файл — это сам файл"},
        {"a named pipe", {at("fifo")}, "Выходной файл — не обычный файл"},
        {"a device", {QStringLiteral("/dev/null")}, "Выходной файл — не обычный файл"},
        {"a link to itself", {at("ring")}, "Ссылки выходного файла замыкаются в кольцо"},
        {"a folder", {at("folder")}, "На месте выходного файла папка"},
        {"one new file twice", {at("a.png"), at("a.png")}, "Один и тот же файл"},
        {"one old file twice, once through a link",
         {at("old.png"), at("link.png")},
         "Один и тот же файл"},
        {"one new file through its folder twice",
         {at("a.csv"), at("folder/../a.csv")},
         "Один и тот же файл"},
    };
    for (const auto& c : cases) {
        const QString refusal = outputsRefusal(at("l.grafc"), c.outputs);
        const QString wanted = QString::fromUtf8(c.refusal);
        EXPECT_EQ(refusal.left(wanted.size()), wanted) << c.name << ": " << refusal.toStdString();
        EXPECT_EQ(refusal.isEmpty(), wanted.isEmpty()) << c.name;
    }
    // A name that is no UTF-8 keeps its bytes all the way to the disk.
    const QByteArray foreign = QFile::encodeName(dir.path()) + "/\xcf\xf0\xe8\xec\xe5\xf0.csv";
    EXPECT_EQ(nameBytes(nameFromBytes(foreign)), foreign);
    EXPECT_EQ(writeFileAtomically(nameFromBytes(foreign), "x"), 0);
    EXPECT_EQ(unlink(foreign.constData()), 0) << "written under its own bytes";
}

TEST(OutputTargets, AllFilesOrNoneAndTheOldOnesStay) {
    const struct {
        const char* name;
        const char* second; // the path of the second file
        bool stop;
        std::optional<std::size_t> failing;
        int error;
    } cases[] = {
        {"both written", "b.csv", false, std::nullopt, 0},
        {"the second's folder missing", "missing/b.csv", false, 1, ENOENT},
        {"the second a folder", "folder", false, 1, EISDIR},
        {"stopped when all were ready", "b.csv", true, 2, EINTR},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        writeBytes(dir.filePath("a.png"), "OLD");
        const std::vector<FileContent> files{{dir.filePath("a.png"), "NEW"},
                                             {dir.filePath(c.second), "DATA"}};
        const auto failure = replaceFilesTogether(files, c.stop ? +[] { return true; } : nullptr);
        EXPECT_EQ(failure.has_value(), c.failing.has_value()) << c.name;
        if (failure && c.failing) {
            EXPECT_EQ(failure->index, *c.failing) << c.name;
            EXPECT_EQ(failure->error, c.error) << c.name;
        }
        EXPECT_EQ(readBytes(dir.filePath("a.png")), QByteArray(failure ? "OLD" : "NEW")) << c.name;
        const QStringList left = failure ? QStringList{"a.png"} : QStringList{"a.png", "b.csv"};
        EXPECT_EQ(filesIn(dir.path()), left) << c.name << ": no temporary file stays";
    }
}
