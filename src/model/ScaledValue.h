// SPDX-License-Identifier: GPL-3.0-or-later
// A quantity typed as a mantissa and a power-of-ten exponent.
#pragma once

#include <QChar>
#include <QString>

/** mantissa x exp(exponent x ln 10) in extended precision, ln 10 formed as ln 2 x log2 10,
    stored as a double: overflow raises FloatError, underflow gives 0 silently. */
double ScaledValue(long double mantissa, long double exponent);

/** Parses the mantissa text, then the exponent text, then forms the value. */
double ScaledValue(const QString& mantissa, const QString& exponent, QChar decimalSeparator);

/** 10 to the power e, computed as exp(e x ln 10) in extended precision (checked). */
long double powerOfTen(long double exponent);
