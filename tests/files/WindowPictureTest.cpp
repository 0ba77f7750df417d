// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a window as a BMP file: its size, its bytes and where it goes.
#include "files/WindowPicture.h"
#include "ErrorText.h"
#include "QtPrinters.h"
#include "files/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {
quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
qint32 s32(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
} // namespace

TEST(WindowPicture, StretchedOnePixelWiderAndTallerWithoutMixingColours) {
    QImage shown(3, 2, QImage::Format_RGB32);
    const QRgb colours[2][3] = {{0xff0000, 0x00ff00, 0x0000ff}, {0xffff00, 0x00ffff, 0xff00ff}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            shown.setPixel(x, y, colours[y][x] | 0xff000000);
    const QImage picture = stretchedByOnePixel(shown, shown.size());
    ASSERT_EQ(picture.size(), QSize(4, 3));
    EXPECT_EQ(picture.pixel(0, 0), shown.pixel(0, 0));
    EXPECT_EQ(picture.pixel(3, 2), shown.pixel(2, 1));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(std::find(&colours[0][0], &colours[0][0] + 6,
                                  picture.pixel(x, y) & 0xffffff) != &colours[0][0] + 6)
                << x << ',' << y;
}

TEST(WindowPicture, UncompressedBottomUpBitmap) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grafic.bmp"));
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(0, 0, qRgb(200, 0, 0));
    writeBmpFile(picture, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    ASSERT_GE(b.size(), 54);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(b, 2), static_cast<quint32>(b.size()));
    EXPECT_EQ(u32(b, 14), 40u) << "the 40-byte information header";
    EXPECT_EQ(s32(b, 18), 5);
    EXPECT_EQ(s32(b, 22), 3) << "positive: rows stored bottom-up";
    EXPECT_EQ(u32(b, 30), 0u) << "no compression";
    const int bits = u16(b, 28);
    const int row = (5 * bits + 31) / 32 * 4;
    EXPECT_EQ(static_cast<int>(u32(b, 10)) + 3 * row, b.size()) << "rows padded to four bytes";
    // The top-left pixel lives in the last row of the file.
    const qsizetype topLeft = u32(b, 10) + 2 * row;
    EXPECT_EQ(static_cast<unsigned char>(b[topLeft + 2]), 200);
    EXPECT_EQ(QImage(path).pixel(4, 2), qRgb(10, 20, 30));
}

TEST(WindowPicture, FolderWhereNothingCanBeCreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/grafic.bmp"));
    const QString expected = QStringLiteral("Cannot create file \"%1\". %2")
                                 .arg(path, QString::fromLocal8Bit(strerror(ENOENT)));
    EXPECT_EQ(errorText([&] { checkCreatable(path); }), expected);
    EXPECT_EQ(errorText([&] { writeBmpFile(QImage(2, 2, QImage::Format_RGB32), path); }), expected);
    EXPECT_EQ(errorText([&] { checkCreatable(dir.filePath(QStringLiteral("grafic.bmp"))); }),
              QString());
}

TEST(WindowPicture, ProgramFolderIsTheExecutablesUnlessPointedElsewhere) {
    EXPECT_EQ(besideProgram(QStringLiteral("grafic.bmp")),
              QCoreApplication::applicationDirPath() + QStringLiteral("/grafic.bmp"));
    const QString previous = setProgramFolder(QStringLiteral("/nowhere/"));
    EXPECT_EQ(besideProgram(QStringLiteral("Calcul.bmp")), QStringLiteral("/nowhere/Calcul.bmp"));
    setProgramFolder(previous);
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
}
