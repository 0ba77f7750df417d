// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers to and from the texts of the fields, with the user's decimal separator.
#pragma once

#include <QChar>
#include <QString>

/** The general number format: 15 significant digits, fixed notation for
    0.0001 <= |v| < 1E15, otherwise d,dddE[-]x; no trailing zeros; zero is "0". */
QString formatGeneral(long double value, QChar decimalSeparator);
inline QString formatGeneral(double value, QChar decimalSeparator) {
    return formatGeneral(static_cast<long double>(value), decimalSeparator);
}

/** The scientific form at 15 significant digits, whatever the size: d,dddE[-]x
    (529,789976184937 is written 5,29789976184937E2; zero is 0E0). */
QString formatScientific(long double value, QChar decimalSeparator);
inline QString formatScientific(double value, QChar decimalSeparator) {
    return formatScientific(static_cast<long double>(value), decimalSeparator);
}

/** Reads a decimal real: blanks around, an optional sign, digits with the given separator,
    an optional exponent with "E" or "e". Anything else throws ConversionError. */
long double parseReal(const QString& text, QChar decimalSeparator);
