// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "CheckedFloat.h"
#include "Errors.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {
constexpr int kDigits = 15;

// strtold in the C locale, whatever locale the application has set.
locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}
} // namespace

QString formatGeneral(long double value, QChar sep) {
    fp::checked(value);
    if (value == 0)
        return QStringLiteral("0");
    // "-d.dddddddddddddde+XX": the value rounded once to 15 significant digits.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kDigits - 1, value);
    const char* p = buf;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    QString digits;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += QLatin1Char(*p);
    const int exp10 = std::atoi(p + 1); // value = d.ddd x 10^exp10
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString out = negative ? QStringLiteral("-") : QString();
    if (exp10 >= -4 && exp10 <= 14) {
        if (exp10 >= 0) {
            const int intDigits = exp10 + 1;
            if (digits.size() <= intDigits) {
                out += digits + QString(intDigits - digits.size(), QLatin1Char('0'));
            } else {
                out += digits.left(intDigits) + sep + digits.mid(intDigits);
            }
        } else {
            out += QLatin1Char('0') + QString(sep) + QString(-exp10 - 1, QLatin1Char('0')) + digits;
        }
        return out;
    }
    out += digits.left(1);
    if (digits.size() > 1)
        out += sep + digits.mid(1);
    out += QLatin1Char('E') + QString::number(exp10);
    return out;
}

long double parseReal(const QString& text, QChar sep) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    qsizetype end = n;
    while (end > i && text[end - 1] == QLatin1Char(' '))
        --end;

    QByteArray ascii;
    auto isDigit = [&](qsizetype k) { return k < end && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    auto sign = [&]() {
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ascii += text[i++].toLatin1();
    };
    sign();
    int mantissaDigits = 0;
    for (; isDigit(i); ++i, ++mantissaDigits)
        ascii += text[i].toLatin1();
    if (i < end && text[i] == sep) {
        ascii += '.';
        for (++i; isDigit(i); ++i, ++mantissaDigits)
            ascii += text[i].toLatin1();
    }
    bool ok = mantissaDigits > 0;
    if (ok && i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        sign();
        ok = isDigit(i);
        for (; isDigit(i); ++i)
            ascii += text[i].toLatin1();
    }
    if (!ok || i != end)
        throw ConversionError(text);

    errno = 0;
    char* stop = nullptr;
    const long double v = strtold_l(ascii.constData(), &stop, cLocale());
    if (std::isinf(v) || std::isnan(v))
        throw ConversionError(text);
    return v;
}
