// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1251.h"

#include "model/Errors.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <string>

namespace {
constexpr char kCodePage[] = "WINDOWS-1251";
constexpr unsigned char kUndefinedByte = 0x98;

/** One glibc conversion descriptor, closed with its scope. */
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        // glibc always carries this code page; without it no text could be kept.
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw AppError(QStringLiteral("%1: %2").arg(QLatin1String(kCodePage),
                                                        QString::fromLocal8Bit(strerror(errno))));
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    /** Converts as much as it can; false with errno when it stops at an input it cannot take. */
    bool convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        auto* input = const_cast<char*>(in);
        const std::size_t result = iconv(m_cd, &input, &inLeft, &out, &outLeft);
        in = input;
        return result != static_cast<std::size_t>(-1);
    }

private:
    iconv_t m_cd;
};
} // namespace

QString decodeCp1251(QByteArrayView bytes) {
    Converter converter("WCHAR_T", kCodePage);
    std::wstring text(static_cast<std::size_t>(bytes.size()), L'\0');
    const char* in = bytes.data();
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = text.size() * sizeof(wchar_t);
    while (inLeft > 0 && !converter.convert(in, inLeft, out, outLeft)) {
        // Only an undefined byte stops a single-byte decoding: keep it as its own code.
        *reinterpret_cast<wchar_t*>(out) = static_cast<wchar_t>(static_cast<unsigned char>(*in));
        out += sizeof(wchar_t);
        outLeft -= sizeof(wchar_t);
        ++in;
        --inLeft;
    }
    text.resize(text.size() - outLeft / sizeof(wchar_t));
    return QString::fromStdWString(text);
}

QByteArray encodeCp1251(const QString& text) {
    Converter converter(kCodePage, "WCHAR_T");
    const std::wstring wide = text.toStdWString();
    QByteArray bytes(static_cast<qsizetype>(wide.size()), '\0');
    const char* in = reinterpret_cast<const char*>(wide.data());
    std::size_t inLeft = wide.size() * sizeof(wchar_t);
    char* out = bytes.data();
    std::size_t outLeft = static_cast<std::size_t>(bytes.size());
    while (inLeft > 0 && !converter.convert(in, inLeft, out, outLeft)) {
        const auto code = *reinterpret_cast<const wchar_t*>(in);
        *out++ = code == kUndefinedByte ? static_cast<char>(kUndefinedByte) : '?';
        --outLeft;
        in += sizeof(wchar_t);
        inLeft -= sizeof(wchar_t);
    }
    bytes.chop(static_cast<qsizetype>(outLeft));
    return bytes;
}
