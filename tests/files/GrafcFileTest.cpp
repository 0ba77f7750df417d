// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a .grafc file and the path a save writes.
#include "files/GrafcFile.h"
#include "ErrorText.h"
#include "QtPrinters.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <sys/stat.h>

namespace {
GrafcTexts textsOf(const QStringList& lines) {
    GrafcTexts texts;
    for (qsizetype i = 0; i < lines.size() && i < 13; ++i)
        texts[static_cast<std::size_t>(i)] = lines[i];
    return texts;
}

GrafcTexts read(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readGrafc(buffer);
}

QStringList numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString::number(i);
    return lines;
}
} // namespace

TEST(GrafcFile, ReadsLineTextsAsTheyStand) {
    const QByteArray longText(5000, '7'); // longer than one read of the file
    const QByteArray hugeText(3 << 20, '8');
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList texts;
    } cases[] = {
        {"CR LF", "5\r\n1,6\r\n", {"5", "1,6"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR ends the text, the line goes on to LF", "a\rlost\nc", {"a", "c"}},
        {"no line end after the last text", "x\r\ny", {"x", "y"}},
        {"empty lines keep their places", "\r\n\r\nz\r\n", {"", "", "z"}},
        {"Ctrl-Z ends the file mid-line",
         "a\r\nb\x1A"
         "c\r\nd",
         {"a", "b"}},
        {"Ctrl-Z in the skipped rest of a line", "a\r\x1A\nb", {"a"}},
        {"empty file", "", {}},
        {"blanks only, kept", "  \r\n\t \r\n", {"  ", "\t "}},
        {"Cyrillic bytes of Windows-1251", "\xc6\xe0\xf0 \xb8\r\n", {"Жар ё"}},
        {"the byte the code page leaves undefined", "\x98", {QString(QChar(0x98))}},
        {"more than thirteen", numbered(15).join("\r\n").toLatin1(), numbered(13)},
        {"a text longer than a read", "1\r\n" + longText + "\r\n3", {"1", longText, "3"}},
        {"a first line of 3 MB", hugeText + "\r\n" + numbered(13).mid(1).join("\r\n").toLatin1(),
         QStringList{hugeText} + numbered(13).mid(1)},
    };
    for (const auto& c : cases) {
        const GrafcTexts got = read(c.bytes), wanted = textsOf(c.texts);
        // A failure shows the start of the line and its length, not megabytes of it.
        for (std::size_t i = 0; i < got.size(); ++i)
            if (got[i] != wanted[i])
                ADD_FAILURE() << c.name << ", line " << i + 1 << ": \""
                              << got[i].left(40).toStdString() << "\" of " << got[i].size()
                              << " characters, not \"" << wanted[i].left(40).toStdString()
                              << "\" of " << wanted[i].size();
    }
}

TEST(GrafcFile, WhatIsNoRegularFileIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.grafc"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"a device without end", QStringLiteral("/dev/zero")},
        {"a named pipe nobody writes to", pipe},
    };
    for (const auto& c : cases) {
        auto load = std::async(std::launch::async,
                               [&] { return errorText([&] { loadGrafcFile(c.path); }); });
        const bool atOnce = load.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
        if (!atOnce) // a writer that comes and goes lets a waiting load end
            QFile(c.path).open(QIODevice::WriteOnly);
        EXPECT_TRUE(atOnce) << c.name;
        EXPECT_EQ(load.get(), QStringLiteral("I/O error 103")) << c.name;
    }
}

TEST(GrafcFile, WritesThirteenLinesInWindows1251WithCrLf) {
    const GrafcTexts texts = textsOf({"5", "", "Жар ё", "  1,6 "});
    EXPECT_EQ(encodeGrafc(texts), QByteArray("5\r\n\r\n\xc6\xe0\xf0 \xb8\r\n  1,6 \r\n") +
                                      QByteArray("\r\n").repeated(9));
    EXPECT_EQ(read(encodeGrafc(texts)), texts);
    // One '?' for each character the code page lacks, a pair of surrogates included; the
    // undefined byte goes back as it was read.
    const GrafcTexts foreign = textsOf({"a中😀b€", QString(QChar(0x98))});
    EXPECT_EQ(encodeGrafc(foreign).left(12), QByteArray("a??b\x88\r\n\x98\r\n\r\n"));
}

TEST(GrafcFile, ExtensionAppendedOnlyWhenMissing) {
    const char* cases[][2] = {
        {"/t/a", "/t/a.grafc"},
        {"/t/a.grafc", "/t/a.grafc"},
        {"/t/a.GrafC", "/t/a.GrafC"},
        {"/t/a.grafc.txt", "/t/a.grafc.txt.grafc"},
        {"/t/x.grafc/b", "/t/x.grafc/b.grafc"},
        {"/t/agrafc", "/t/agrafc.grafc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grafcPath(QString::fromUtf8(c[0])), QString::fromUtf8(c[1])) << c[0];
}

// A lesson is a few hundred bytes: a huge file is refused before it fills the memory, and
// anything, a growing file or a device included, is read only up to the limit.
TEST(GrafcFile, NoMoreThanTheLimitIsRead) {
    const QString refused = QStringLiteral("Файл больше 16 МБ: это не файл исходных данных");
    const QByteArray thirteen = numbered(13).join("\r\n").toLatin1() + "\r\n";
    const struct {
        const char* name;
        QByteArray start;
        qint64 size; // the rest up to it is zero bytes
        bool file;   // on the disk, or a stream without a size
        QString error;
    } cases[] = {
        {"a file just at the limit", "1", kLargestGrafc, true, {}},
        {"a file one byte larger", "1", kLargestGrafc + 1, true, refused},
        {"a gigabyte file", "1", qint64(1) << 30, true, refused},
        {"a stream that goes on", "1", kLargestGrafc + 1, false, refused},
        {"a stream whose thirteen lines come first", thirteen, kLargestGrafc + 1, false, {}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        QString error;
        if (c.file) {
            const QString path = dir.filePath(QStringLiteral("big.grafc"));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.start);
            ASSERT_TRUE(file.resize(c.size)); // sparse: no room taken on the disk
            file.close();
            error = errorText([&] { loadGrafcFile(path); });
        } else {
            QByteArray bytes = c.start;
            bytes.resize(c.size, '\0');
            error = errorText([&] { read(bytes); });
        }
        EXPECT_EQ(error, c.error) << c.name;
    }
}
