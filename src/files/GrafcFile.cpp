// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrafcFile.h"

#include "AtomicFile.h"
#include "Cp1251.h"
#include "FileErrors.h"
#include "FileNames.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char kEndOfFile = 0x1A;
constexpr char kExtension[] = ".grafc";
constexpr int kReadError = 100;
constexpr int kNotOpen = 103;

FileError tooLarge() {
    return FileError(QStringLiteral("Файл больше %1 МБ: это не файл исходных данных")
                         .arg(kLargestGrafc / (1024 * 1024)));
}

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
    // One byte past the limit tells a file that is too large from one that just fits.
    for (qint64 total = 0;;) {
        const qint64 got =
            device.read(chunk, std::min<qint64>(sizeof chunk, kLargestGrafc + 1 - total));
        if (got < 0)
            throw FileError(ioErrorText(kReadError));
        total += got;
        if (total > kLargestGrafc)
            throw tooLarge();
        if (got == 0 || !reader.take(QByteArrayView(chunk, got)))
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
    // Only a regular file is read: a named pipe would wait for a writer and a device may
    // never end. Opened without waiting, and looked at again once open, in case another
    // file took the name meanwhile.
    const QByteArray name = nameBytes(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        throw FileError(ioErrorText(kNotOpen));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(ioErrorText(kNotOpen));
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw FileError(ioErrorText(kNotOpen));
    }
    if (info.st_size > kLargestGrafc)
        throw tooLarge();
    return readGrafc(file);
}
