// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG pictures decoded straight through libjpeg.
#pragma once

#include <QImage>

class QByteArray;

/**
 * Decodes a JPEG file held in memory into an RGB32 image. Greyscale and colour pictures are
 * read; anything else, and damaged or truncated data, gives a null image.
 */
QImage decodeJpeg(const QByteArray& data);
