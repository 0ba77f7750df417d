// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotDataWriter.h"

#include "CompletedPlot.h"
#include "PlotData.h"
#include "Sweep.h"
#include "model/CheckedFloat.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <numbers>

namespace {
// The same constants and operations as plotDataCsv, so that every number has its bits.
constexpr long double kLightSpeed = 299792458.0L;
constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;
constexpr long double kNanometresPerMetre = 1e9L;
constexpr int kDigits = 15;

/** Ends the sweep when the sink refused bytes. */
struct SinkRefused {};

/** The bytes of the CSV gathered into a fixed buffer and handed to the sink when it fills. */
class CsvBuffer {
public:
    CsvBuffer(const CsvByteSink& sink, QChar sep)
        : m_sink(sink), m_separator(QString(sep).toUtf8()) {}

    /** Room for one row: five numbers of at most about 30 bytes and their separators. */
    static constexpr std::size_t kRowRoom = 256;

    /** Makes room for a row; false when the sink refused the bytes before it. */
    bool reserveRow() { return kCapacity - m_size >= kRowRoom || flush(); }

    bool flush() {
        const bool ok =
            m_size == 0 || m_sink(QByteArrayView(m_bytes, static_cast<qsizetype>(m_size)));
        m_size = 0;
        return ok;
    }

    void put(char c) { m_bytes[m_size++] = c; }
    void put(const char* text, std::size_t n) {
        std::memcpy(m_bytes + m_size, text, n);
        m_size += n;
    }
    void putZeros(int n) {
        std::memset(m_bytes + m_size, '0', static_cast<std::size_t>(n));
        m_size += static_cast<std::size_t>(n);
    }
    void putSeparator() {
        put(m_separator.constData(), static_cast<std::size_t>(m_separator.size()));
    }

    /** The general number format of value, as formatGeneral writes it, in UTF-8. */
    void putGeneral(long double value) {
        fp::checked(value);
        if (value == 0) {
            put('0');
            return;
        }
        // The value rounded once to 15 significant digits, ties to even; whatever the C
        // library writes between the digits (its locale's decimal point) is skipped. A
        // value that is a double (w in hertz, n, n'') takes the quicker conversion of
        // doubles, which rounds the same exact value alike; the range test keeps the
        // narrowing from raising a flag.
        char text[64];
        const double narrow =
            std::fabs(value) <= std::numeric_limits<double>::max() ? static_cast<double>(value) : 0;
        if (narrow == value)
            *std::to_chars(text, text + sizeof text - 1, narrow, std::chars_format::scientific,
                           kDigits - 1)
                 .ptr = '\0';
        else
            std::snprintf(text, sizeof text, "%.*Le", kDigits - 1, value);
        const char* p = text;
        const bool negative = *p == '-';
        if (negative)
            ++p;
        char digits[kDigits + 1];
        int count = 0;
        for (; *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9' && count < kDigits)
                digits[count++] = *p;
        const int exp10 = std::atoi(p + 1);
        while (count > 1 && digits[count - 1] == '0')
            --count;
        if (negative)
            put('-');
        if (exp10 < -4 || exp10 > 14) {
            put(digits[0]);
            if (count > 1) {
                putSeparator();
                put(digits + 1, static_cast<std::size_t>(count - 1));
            }
            put('E');
            char exponent[16];
            const int n = std::snprintf(exponent, sizeof exponent, "%d", exp10);
            put(exponent, static_cast<std::size_t>(n));
            return;
        }
        if (exp10 < 0) {
            put('0');
            putSeparator();
            putZeros(-exp10 - 1);
            put(digits, static_cast<std::size_t>(count));
            return;
        }
        const int intDigits = exp10 + 1;
        if (count <= intDigits) {
            put(digits, static_cast<std::size_t>(count));
            putZeros(intDigits - count);
            return;
        }
        put(digits, static_cast<std::size_t>(intDigits));
        putSeparator();
        put(digits + intDigits, static_cast<std::size_t>(count - intDigits));
    }

private:
    static constexpr std::size_t kCapacity = 1 << 16;
    const CsvByteSink& m_sink;
    const QByteArray m_separator;
    std::size_t m_size = 0;
    char m_bytes[kCapacity];
};
} // namespace

bool writePlotDataCsv(const CompletedPlot& plot, QChar sep, const CsvByteSink& sink) {
    PlotSink nobody;
    return writePlotDataCsv(plot, sep, sink, nobody);
}

bool writePlotDataCsv(const CompletedPlot& plot, QChar sep, const CsvByteSink& sink,
                      PlotSink& reports) {
    const QByteArray head = "\xEF\xBB\xBF" + kPlotDataHeader.toUtf8() + "\r\n";
    if (!sink(head))
        return false;
    // Kept off the stack: a buffer the size of several pages.
    const auto buffer = std::make_unique<CsvBuffer>(sink, sep);
    CsvBuffer& out = *buffer;
    TPlotState state = plot.PlotState;
    SweepProgress progress(reports, state, nullptr);
    // The buffer goes out only between rows, so a model or number error leaves whole rows
    // passed on, and the row it broke in is not.
    try {
        sweep(reports, state, [&] {
            const double w = state.SweepFreq;
            progress.sample(w);
            const double n = RefractionRe(plot.medium, w);
            const double n2 = RefractionIm(plot.medium, w);
            fp::clearPending();
            if (!out.reserveRow())
                throw SinkRefused();
            const long double omega = plot.unit.toHertz(w);
            out.putGeneral(omega);
            out.put(';');
            out.putGeneral(omega / kTwoPi);
            out.put(';');
            // A finite long double: the least denormal still gives about 4E341 nm.
            if (omega != 0)
                out.putGeneral(kTwoPi * kLightSpeed * kNanometresPerMetre / omega);
            out.put(';');
            out.putGeneral(n);
            out.put(';');
            out.putGeneral(n2);
            out.put("\r\n", 2);
        });
    } catch (const SinkRefused&) {
        return false;
    }
    return out.flush();
}

bool writePlotDataCsv(const CompletedPlot& plot, QChar sep, QIODevice& device) {
    return writePlotDataCsv(plot, sep, [&device](QByteArrayView bytes) {
        while (!bytes.isEmpty()) {
            const qint64 written = device.write(bytes.data(), bytes.size());
            if (written <= 0)
                return false;
            bytes = bytes.sliced(written);
        }
        return true;
    });
}
