// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckedFloat.h"

#include "Errors.h"

#include <cfenv>
#include <cmath>

namespace fp {

namespace {
constexpr int kRaised = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

[[noreturn]] void raise(int flags) {
    std::feclearexcept(kRaised);
    if (flags & FE_INVALID)
        throw FloatError(FloatError::Kind::Invalid);
    if (flags & FE_DIVBYZERO)
        throw FloatError(FloatError::Kind::DivisionByZero);
    throw FloatError(FloatError::Kind::Overflow);
}
} // namespace

void clearPending() {
    // Testing is cheap, clearing is not: clear only what is set.
    if (std::fetestexcept(kRaised))
        std::feclearexcept(kRaised);
}

void raisePending() {
    if (const int flags = std::fetestexcept(kRaised))
        raise(flags);
}

long double checked(long double v) {
    fence(v);
    raisePending();
    // The flags are the rule; the value test only guards against a flag lost on the way.
    if (std::isnan(v))
        raise(FE_INVALID);
    if (std::isinf(v))
        raise(FE_DIVBYZERO);
    return v;
}

double store(long double v) {
    checked(v);
    double d = static_cast<double>(v);
    fence(d);
    raisePending();
    if (std::isinf(d))
        raise(FE_OVERFLOW);
    return d;
}

std::int64_t round(long double v) {
    if (std::isnan(v))
        raise(FE_INVALID);
    // Only the conversion is judged here: the product was checked where it was formed.
    clearPending();
    fence(v);
    long long r = std::llrintl(v);
    fence(r);
    raisePending();
    return r;
}

} // namespace fp
