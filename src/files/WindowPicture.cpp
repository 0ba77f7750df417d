// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPicture.h"

#include "AtomicFile.h"
#include "FileErrors.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <cerrno>

QImage stretchedByOnePixel(const QImage& shown, const QSize& outer) {
    QImage picture(outer.width() + 1, outer.height() + 1, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(picture.rect(), shown);
    return picture;
}

void checkCreatable(const QString& path) {
    if (const int error = probeCreatable(QFileInfo(path).absolutePath()))
        throw FileError(cannotCreateText(path, error));
}

void writeBmpFile(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        throw FileError(cannotCreateText(path, ENOMEM));
    if (const int error = writeFileAtomically(path, bytes))
        throw FileError(cannotCreateText(path, error));
}
