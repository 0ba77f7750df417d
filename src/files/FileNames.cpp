// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileNames.h"

#include <QFile>

namespace {
constexpr char16_t kEscapeFirst = 0xDC80;
constexpr char16_t kEscapeLast = 0xDCFF;

/** The length of the valid UTF-8 sequence at the start of bytes, 0 when there is none. */
qsizetype validSequence(QByteArrayView bytes) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    qsizetype length = 0;
    char32_t least = 0; // the smallest code point of that length: shorter forms are invalid
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        length = 2, least = 0x80;
    else if (lead >= 0xE0 && lead < 0xF0)
        length = 3, least = 0x800;
    else if (lead >= 0xF0 && lead < 0xF5)
        length = 4, least = 0x10000;
    else
        return 0;
    if (bytes.size() < length)
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}
} // namespace

QByteArray nameBytes(const QString& name) {
    QByteArray bytes;
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool afterHigh = i > 0 && name[i - 1].isHighSurrogate();
        if (c < kEscapeFirst || c > kEscapeLast || afterHigh)
            continue;
        bytes += QFile::encodeName(name.mid(plainFrom, i - plainFrom));
        bytes += static_cast<char>(c - 0xDC00);
        plainFrom = i + 1;
    }
    return bytes + QFile::encodeName(name.mid(plainFrom));
}

QString nameFromBytes(QByteArrayView bytes) {
    QString name;
    while (!bytes.isEmpty()) {
        qsizetype valid = 0;
        while (valid < bytes.size()) {
            const qsizetype length = validSequence(bytes.sliced(valid));
            if (length == 0)
                break;
            valid += length;
        }
        name += QString::fromUtf8(bytes.first(valid));
        bytes = bytes.sliced(valid);
        if (!bytes.isEmpty()) {
            name += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[0])));
            bytes = bytes.sliced(1);
        }
    }
    return name;
}
