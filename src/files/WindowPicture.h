// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a window written as a BMP file: what stays the same whatever the window.
#pragma once

#include <QImage>
#include <QString>

/** What was read over a window's outer rectangle of the given size, copied onto an image one
    pixel wider and one pixel taller than that size, stretched without smoothing. */
QImage stretchedByOnePixel(const QImage& shown, const QSize& outer);

/** Throws FileError "Cannot create file "PATH". REASON" when no file can be created in the
    folder of path; creates nothing that stays. */
void checkCreatable(const QString& path);

/** Writes the picture as an uncompressed Windows bitmap, replacing the file at path whole;
    a failure throws FileError "Cannot create file "PATH". REASON". */
void writeBmpFile(const QImage& picture, const QString& path);
