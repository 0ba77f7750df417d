// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPicture.h"

#include "FileErrors.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>

namespace {
constexpr qint64 kHeadersSize = 14 + 40; // file header and information header
/** Qt's BMP writer stores a 32-bit picture with three bytes a pixel and no colour table. */
constexpr qint64 kBitsPerPixel = 24;
} // namespace

QImage stretchedByOnePixel(const QImage& shown, const QSize& outer) {
    // Pixel for pixel, as the screen shows the window: a scaled copy would double one row
    // and one column somewhere inside it. The extra pixel repeats the last row and column.
    // Only a capture of another size (a screen of other density) is scaled to the window.
    QImage window = shown.size() == outer ? shown : shown.scaled(outer);
    window = window.convertToFormat(QImage::Format_RGB32);
    const int w = outer.width(), h = outer.height();
    QImage picture(w + 1, h + 1, QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (w <= 0 || h <= 0)
        return picture;
    for (int y = 0; y <= h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(window.constScanLine(std::min(y, h - 1)));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::copy(from, from + w, to);
        to[w] = from[w - 1];
    }
    return picture;
}

qint64 bmpFileSize(const QSize& outer) {
    const qint64 row = ((outer.width() + 1) * kBitsPerPixel + 31) / 32 * 4;
    return kHeadersSize + row * (outer.height() + 1);
}

PictureFile::PictureFile(const QString& path, const QSize& outer) : m_path(path), m_file(path) {
    if (const int error = m_file.reserve(bmpFileSize(outer)))
        throw FileError(cannotCreateText(m_path, error));
}

void PictureFile::write(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        throw FileError(cannotCreateText(m_path, ENOMEM));
    if (const int error = m_file.commit(bytes))
        throw FileError(cannotCreateText(m_path, error));
}
