// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a window written as a BMP file: what stays the same whatever the window.
#pragma once

#include "AtomicFile.h"

#include <QImage>
#include <QString>

/** What was read over a window's outer rectangle of the given size, on an image one pixel
    wider and one pixel taller than that size: the window pixel for pixel at the top left,
    its last column and row repeated once at the right and bottom edges. */
QImage stretchedByOnePixel(const QImage& shown, const QSize& outer);

/** The size in bytes of the BMP file of a window of the outer size: the headers and the rows
    of its stretched picture, padded to four bytes. */
qint64 bmpFileSize(const QSize& outer);

/** The BMP file of a window's picture, its room on the disk taken before the picture is made,
    so that a folder or a disk that cannot take it is known before anyone is told it is
    saved. Failures throw FileError "Cannot create file "PATH". REASON". */
class PictureFile {
public:
    /** Takes the room of the picture of a window of the outer size in a replacement of the
        file at path. */
    PictureFile(const QString& path, const QSize& outer);
    /** Writes the picture as an uncompressed Windows bitmap and puts the file in place,
        replacing the old one whole. */
    void write(const QImage& picture);

private:
    QString m_path;
    FileReplacement m_file;
};
