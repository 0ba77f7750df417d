// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaledValue.h"

#include "CheckedFloat.h"
#include "NumberText.h"

#include <cmath>

namespace {
// The x87 constants ln 2 and log2 10, rounded to the 64-bit mantissa.
constexpr long double kLn2 = 0.693147180559945309417232121458176568L;
constexpr long double kLog2Of10 = 3.32192809488736234787031942948939017586L;
} // namespace

long double powerOfTen(long double exponent) {
    fp::clearPending();
    long double ln10 = kLn2;
    fp::fence(ln10);
    ln10 *= kLog2Of10;
    return fp::checked(std::exp(exponent * ln10));
}

double ScaledValue(long double mantissa, long double exponent) {
    const long double power = powerOfTen(exponent);
    fp::fence(mantissa);
    return fp::store(mantissa * power);
}

double ScaledValue(const QString& mantissa, const QString& exponent, QChar sep) {
    const long double m = parseReal(mantissa, sep);
    const long double e = parseReal(exponent, sep);
    return ScaledValue(m, e);
}
