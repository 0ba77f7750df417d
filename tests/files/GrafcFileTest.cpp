// SPDX-License-Identifier: GPL-3.0-or-later
// The .grafc file: its bytes, the path a save writes, and saving and loading real files.
#include "files/GrafcFile.h"
#include "ErrorText.h"
#include "QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
GrafcTexts textsOf(const QStringList& lines) {
    GrafcTexts texts;
    for (qsizetype i = 0; i < lines.size() && i < 13; ++i)
        texts[static_cast<std::size_t>(i)] = lines[i];
    return texts;
}

GrafcTexts read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readGrafc(buffer);
}

QStringList numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString::number(i);
    return lines;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

TEST(GrafcFile, ReadsLineTextsAsTheyStand) {
    const QString longText(5000, QLatin1Char('7')); // crosses the reader's chunks
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList texts;
    } cases[] = {
        {"CR LF", "5\r\n1,6\r\n", {"5", "1,6"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR ends the text, the line goes on to LF", "a\rlost\nc", {"a", "c"}},
        {"CR CR LF", "a\r\r\nb", {"a", "b"}},
        {"no line end after the last text", "x\r\ny", {"x", "y"}},
        {"empty lines keep their places", "\r\n\r\nz\r\n", {"", "", "z"}},
        {"Ctrl-Z ends the file mid-line",
         QByteArray("a\r\nb\x1A"
                    "c\r\nd"),
         {"a", "b"}},
        {"Ctrl-Z in the skipped rest of a line", QByteArray("a\r\x1A\nb"), {"a"}},
        {"empty file", "", {}},
        {"blanks only, kept", "  \r\n\t \r\n", {"  ", "\t "}},
        {"Cyrillic bytes of Windows-1251", "\xc6\xe0\xf0 \xb8\r\n", {"Жар ё"}},
        {"the byte the code page leaves undefined", "\x98", {QString(QChar(0x98))}},
        {"nine lines of an older copy", numbered(9).join("\r\n").toLatin1() + "\r\n", numbered(9)},
        {"more than thirteen", numbered(15).join("\r\n").toLatin1(), numbered(13)},
        {"a text longer than a read",
         "1\r\n" + longText.toLatin1() + "\r\n3",
         {"1", longText, "3"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(c.bytes), textsOf(c.texts)) << c.name;
}

TEST(GrafcFile, WritesThirteenLinesInWindows1251WithCrLf) {
    EXPECT_EQ(encodeGrafc(GrafcTexts{}), QByteArray("\r\n").repeated(13));

    const GrafcTexts texts = textsOf({"5", "", "Жар ё", "  1,6 ", "-19"});
    EXPECT_EQ(encodeGrafc(texts), QByteArray("5\r\n\r\n\xc6\xe0\xf0 \xb8\r\n  1,6 \r\n-19\r\n") +
                                      QByteArray("\r\n").repeated(8));
    EXPECT_EQ(read(encodeGrafc(texts)), texts);

    // One '?' for each character the code page lacks, a pair of surrogates included; the
    // undefined byte comes back as it was read.
    const GrafcTexts foreign = textsOf({"a中😀b€", QString(QChar(0x98))});
    EXPECT_EQ(encodeGrafc(foreign).left(12), QByteArray("a??b\x88\r\n\x98\r\n\r\n"));
}

TEST(GrafcFile, ExtensionAppendedOnlyWhenMissing) {
    const struct {
        const char* chosen;
        const char* path;
    } cases[] = {
        {"/t/a", "/t/a.grafc"},
        {"/t/a.grafc", "/t/a.grafc"},
        {"/t/a.GrafC", "/t/a.GrafC"},
        {"/t/a.grafc.txt", "/t/a.grafc.txt.grafc"},
        {"/t/x.grafc/опыт", "/t/x.grafc/опыт.grafc"},
        {"/t/agrafc", "/t/agrafc.grafc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grafcPath(QString::fromUtf8(c.chosen)), QString::fromUtf8(c.path)) << c.chosen;
}

TEST(GrafcFile, SavedFileLoadsBackAndReplacesTheOldOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("опыт.grafc"));
    writeBytes(path, QByteArray(100, 'x'));
    const GrafcTexts texts = textsOf(numbered(13));
    EXPECT_EQ(errorText([&] { saveGrafcFile(path, texts); }), QString());
    EXPECT_EQ(bytesOf(path), encodeGrafc(texts)) << "the longer old file is gone whole";
    EXPECT_EQ(loadGrafcFile(path), texts);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("опыт.grafc")});
}

TEST(GrafcFile, LoadOfAFileThatCannotBeOpened) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath(QStringLiteral("missing.grafc")), dir.path()})
        EXPECT_EQ(errorText([&] { loadGrafcFile(path); }), QStringLiteral("I/O error 103"))
            << path.toStdString();
}

TEST(GrafcFile, ADeviceWithoutEndStillEndsTheLoad) {
    const GrafcTexts texts = loadGrafcFile(QStringLiteral("/dev/zero"));
    EXPECT_FALSE(texts[0].isEmpty());
    EXPECT_TRUE(texts[1].isEmpty());
}
