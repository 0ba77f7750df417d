// SPDX-License-Identifier: GPL-3.0-or-later
#include "Comparison.h"

#include "model/Model.h"

#include <QStringList>
#include <cmath>

namespace {
constexpr int kShortDigits = 4;
constexpr int kMostDigits = 15;

/** The digits of value rounded to digits significant ones, without trailing zeros, and its
    decimal exponent: value = d.ddd x 10^exponent. */
QString mantissaDigits(double value, int digits, int& exponent) {
    // The C locale's scientific form is exact about rounding; only its separator is ours.
    const QString scientific = QString::number(std::fabs(value), 'e', digits - 1);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    exponent = scientific.mid(e + 1).toInt();
    QString mantissa = scientific.left(e);
    if (mantissa.contains(QLatin1Char('.'))) {
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
    }
    return mantissa;
}
} // namespace

QString legendNumber(double value, int digits, QChar sep) {
    if (value == 0)
        return QStringLiteral("0");
    int exponent = 0;
    const QString mantissa = mantissaDigits(value, digits, exponent);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= -2 && exponent <= 3) {
        // Plain: shift the separator by the exponent.
        QString digitsOnly = mantissa;
        digitsOnly.remove(QLatin1Char('.'));
        const int point = 1 + exponent; // digits before the separator
        if (point <= 0)
            return sign + QStringLiteral("0") + sep + QString(-point, QLatin1Char('0')) +
                   digitsOnly;
        if (digitsOnly.size() <= point)
            return sign + digitsOnly + QString(point - digitsOnly.size(), QLatin1Char('0'));
        return sign + digitsOnly.left(point) + sep + digitsOnly.mid(point);
    }
    QString m = mantissa;
    m.replace(QLatin1Char('.'), sep);
    return sign + m + QStringLiteral("·10^") + QString::number(exponent);
}

MediumDifference mediumDifference(const TModelParams& reference, const TModelParams& current,
                                  QChar sep) {
    const struct {
        const char* name;
        double TModelParams::*field;
    } quantities[] = {
        {"w0", &TModelParams::Omega0}, {"N", &TModelParams::Concentration},
        {"γ", &TModelParams::Gamma},   {"Q", &TModelParams::Charge},
        {"m", &TModelParams::Mass},
    };
    QStringList before, now;
    for (const auto& q : quantities) {
        const double a = reference.*q.field, b = current.*q.field;
        if (a == b)
            continue;
        int digits = kShortDigits;
        while (digits < kMostDigits && legendNumber(a, digits, sep) == legendNumber(b, digits, sep))
            ++digits;
        const QString name = QString::fromUtf8(q.name) + QStringLiteral(" = ");
        before << name + legendNumber(a, digits, sep);
        now << name + legendNumber(b, digits, sep);
    }
    if (before.isEmpty())
        return {QStringLiteral("прежний график"), QStringLiteral("новый график")};
    const QString comma = QStringLiteral(", ");
    return {before.join(comma), now.join(comma)};
}

QRgb paler(QRgb color) {
    return qRgb((qRed(color) + 256) / 2, (qGreen(color) + 256) / 2, (qBlue(color) + 256) / 2);
}
