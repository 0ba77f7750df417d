// SPDX-License-Identifier: GPL-3.0-or-later
// Real arithmetic is carried in long double and stored in double; invalid operations,
// divisions by zero and overflows are caught from the floating-point status flags at the
// points where a value is formed or stored and raised as FloatError. The checks sit on
// the plot's per-sample path, so the flags are read inline.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace fp {

/** The invalid, division-by-zero and overflow flags. */
inline constexpr int kRaised = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

/** The raised flags among kRaised. Every checked value is formed and stored by the x87
    unit (long double arithmetic and its narrowing to double), so its status word is the
    one to read; the SSE flags belong to code that is not checked. */
inline int pending() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned short status = 0;
    asm volatile("fnstsw %0" : "=am"(status));
    // The status word keeps the exception flags in the FE_* bit positions.
    return static_cast<int>(status & kRaised);
#else
    return std::fetestexcept(kRaised);
#endif
}

/** Throws the FloatError of the given flags: invalid first, then division by zero. */
[[noreturn]] void raise(int flags);

/** Keeps the compiler from moving arithmetic on x across the flag checks; x stays in its
    register (an 80-bit value in the x87 stack, a double in SSE). */
inline void fence(long double& x) {
    asm volatile("" : "+t"(x));
}
inline void fence(double& x) {
    asm volatile("" : "+x"(x));
}

/** Clears the three flags before a checked computation (testing is cheap, clearing is not:
    only what is set is cleared). */
inline void clearPending() {
    if (pending())
        std::feclearexcept(kRaised);
}

/** Throws FloatError when one of the three flags is set. */
inline void raisePending() {
    if (const int flags = pending())
        raise(flags);
}

/** Checks a value formed in extended precision without narrowing it. */
inline long double checked(long double v) {
    fence(v);
    raisePending();
    // The flags are the rule; the value test only guards against a flag lost on the way.
    if (!std::isfinite(v))
        raise(std::isnan(v) ? FE_INVALID : FE_DIVBYZERO);
    return v;
}

/** Checks the flags for the computation that formed v, then stores v as a double
    (an overflow on narrowing is raised too; underflow gives 0 or a denormal silently). */
inline double store(long double v) {
    fence(v);
    double d = static_cast<double>(v);
    fence(d);
    // One look at the flags covers the computation and the narrowing.
    raisePending();
    if (!std::isfinite(d))
        raise(std::isnan(d) ? FE_INVALID : std::isinf(v) ? FE_DIVBYZERO : FE_OVERFLOW);
    return d;
}

/** a + b for finite doubles, in extended precision and stored as a double. The extended
    sum of two doubles cannot be invalid, divide by zero or overflow, and its narrowing
    overflows exactly when it gives an infinity: the value tells what the flags would,
    without waiting for the x87 unit (this sits on the plot's per-sample path). */
inline double sumStored(double a, double b) {
    const double d = static_cast<double>(static_cast<long double>(a) + b);
    if (std::isinf(d))
        raise(FE_OVERFLOW);
    return d;
}

/** Half-to-even rounding of a value known to lie well within the 64-bit range, unchecked. */
inline std::int64_t roundInRange(long double v) {
    long long r = 0;
#if defined(__x86_64__) || defined(__i386__)
    asm("fistpll %0" : "=m"(r) : "t"(v) : "st");
#else
    r = std::llrintl(v);
#endif
    return r;
}

/** Half-to-even rounding to a 64-bit integer (the rounding of pixels and percentages);
    beyond the 64-bit range it is the invalid-operation error. The conversion is judged by
    its result, which is exactly what its flag tells: it yields the 64-bit minimum for a
    value out of range and for nothing else but -2^63 itself. */
inline std::int64_t round(long double v) {
    if (std::isnan(v))
        raise(FE_INVALID);
    const std::int64_t r = roundInRange(v);
    if (r == std::numeric_limits<std::int64_t>::min() && v != -0x1p63L)
        raise(FE_INVALID);
    return r;
}

/** The low 32 bits of a 64-bit value, as 32-bit pixel arithmetic wraps around. */
inline std::int32_t low32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

/** 32-bit two's-complement sum and difference with wrap-around. */
inline std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t wrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace fp
