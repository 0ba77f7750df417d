// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrafcFile.h"

#include "AtomicFile.h"
#include "Cp1251.h"
#include "FileErrors.h"

#include <QFile>

namespace {
constexpr char kEndOfFile = 0x1A;
constexpr char kExtension[] = ".grafc";
/** A real file holds a few hundred bytes; reading stops here, as at the end of the file, so
    that a device without end (a named character device) cannot hang the program. */
constexpr qint64 kReadLimit = 1 << 20;
constexpr int kReadError = 100;
constexpr int kNotOpen = 103;

/** Splits the bytes into line texts as they arrive. */
class LineReader {
public:
    explicit LineReader(GrafcTexts& texts) : m_texts(texts) {}

    /** Takes the next bytes; false once nothing more is wanted. */
    bool take(QByteArrayView bytes) {
        for (const char byte : bytes) {
            if (byte == kEndOfFile)
                return false;
            if (byte == '\n') {
                m_texts[m_line++] = decodeCp1251(m_current);
                m_current.clear();
                m_skipping = false;
                if (m_line == m_texts.size())
                    return false;
            } else if (byte == '\r') {
                m_skipping = true; // the rest up to the LF belongs to no text
            } else if (!m_skipping) {
                m_current.append(byte);
            }
        }
        return true;
    }

    /** The text of an unfinished last line. */
    void finish() {
        if (m_line < m_texts.size())
            m_texts[m_line] = decodeCp1251(m_current);
    }

private:
    GrafcTexts& m_texts;
    std::size_t m_line = 0;
    QByteArray m_current;
    bool m_skipping = false;
};
} // namespace

GrafcTexts readGrafc(QIODevice& device) {
    GrafcTexts texts;
    LineReader reader(texts);
    char chunk[4096];
    qint64 total = 0;
    while (total < kReadLimit) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0)
            throw FileError(ioErrorText(kReadError));
        if (got == 0)
            break;
        total += got;
        if (!reader.take(QByteArrayView(chunk, got)))
            break;
    }
    reader.finish();
    return texts;
}

QByteArray encodeGrafc(const GrafcTexts& texts) {
    QByteArray bytes;
    for (const QString& text : texts)
        bytes += encodeCp1251(text) + "\r\n";
    return bytes;
}

QString grafcPath(const QString& chosenName) {
    const QLatin1String extension(kExtension);
    if (chosenName.endsWith(extension, Qt::CaseInsensitive))
        return chosenName;
    return chosenName + extension;
}

void saveGrafcFile(const QString& path, const GrafcTexts& texts) {
    if (const int error = writeFileAtomically(path, encodeGrafc(texts)))
        throw FileError(saveErrorText(error));
}

GrafcTexts loadGrafcFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(ioErrorText(kNotOpen));
    return readGrafc(file);
}
