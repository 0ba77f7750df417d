// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the system keeps them: bytes, which need not be valid UTF-8.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/** The name's bytes on the disk. Each character U+DC80 to U+DCFF standing alone is the
    byte it was read from (see nameFromBytes); the rest is the system's encoding. */
QByteArray nameBytes(const QString& name);

/** The name read from the system's bytes. A byte that is no part of valid UTF-8 becomes
    the lone character U+DC00 + byte, so that nameBytes() gives back the same bytes. */
QString nameFromBytes(QByteArrayView bytes);
