// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1251, the single-byte Cyrillic code page of the files made on Russian Windows desktops.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/** Decodes Windows-1251 bytes. The one byte the code page leaves undefined (0x98) becomes
    U+0098, as on Windows, so that it is written back unchanged. */
QString decodeCp1251(QByteArrayView bytes);

/** Encodes to Windows-1251; a character the code page lacks is written as '?'. */
QByteArray encodeCp1251(const QString& text);
