// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPicture.h"

#include "FileErrors.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <cerrno>

namespace {
constexpr qint64 kHeadersSize = 14 + 40; // file header and information header
/** Qt's BMP writer stores a 32-bit picture with three bytes a pixel and no colour table. */
constexpr qint64 kBitsPerPixel = 24;
} // namespace

QImage stretchedByOnePixel(const QImage& shown, const QSize& outer) {
    QImage picture(outer.width() + 1, outer.height() + 1, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(picture.rect(), shown);
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
