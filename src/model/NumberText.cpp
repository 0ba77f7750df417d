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

namespace {
// The value rounded once to 15 significant digits: its sign, its digits without trailing
// zeros, and exp10 with value = d.ddd x 10^exp10.
struct Decimal {
    bool negative = false;
    QString digits;
    int exp10 = 0;
};

Decimal toDecimal(long double value) {
    fp::checked(value);
    Decimal d;
    if (value == 0) {
        d.digits = QStringLiteral("0");
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kDigits - 1, value);
    const char* p = buf;
    d.negative = *p == '-';
    if (d.negative)
        ++p;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits += QLatin1Char(*p);
    d.exp10 = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.endsWith(QLatin1Char('0')))
        d.digits.chop(1);
    return d;
}

QString scientific(const Decimal& d, QChar sep) {
    QString out = d.negative ? QStringLiteral("-") : QString();
    out += d.digits.left(1);
    if (d.digits.size() > 1)
        out += sep + d.digits.mid(1);
    return out + QLatin1Char('E') + QString::number(d.exp10);
}
} // namespace

QString formatGeneral(long double value, QChar sep) {
    const Decimal d = toDecimal(value);
    if (value == 0)
        return QStringLiteral("0");
    if (d.exp10 < -4 || d.exp10 > 14)
        return scientific(d, sep);
    QString out = d.negative ? QStringLiteral("-") : QString();
    if (d.exp10 < 0)
        return out + QLatin1Char('0') + sep + QString(-d.exp10 - 1, QLatin1Char('0')) + d.digits;
    const int intDigits = d.exp10 + 1;
    if (d.digits.size() <= intDigits)
        return out + d.digits + QString(intDigits - d.digits.size(), QLatin1Char('0'));
    return out + d.digits.left(intDigits) + sep + d.digits.mid(intDigits);
}

QString formatScientific(long double value, QChar sep) {
    return scientific(toDecimal(value), sep);
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
    auto isDigit = [&](qsizetype k) {
        return k < end && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9');
    };
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
