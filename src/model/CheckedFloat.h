// SPDX-License-Identifier: GPL-3.0-or-later
// Real arithmetic is carried in long double and stored in double; invalid operations,
// divisions by zero and overflows are caught from the floating-point status flags at the
// points where a value is formed or stored and raised as FloatError. The checks sit on
// the plot's per-sample path, so the flags are read inline.
#pragma once

#include <bit>
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

/** a + b for finite doubles as the x87 unit forms it: the exact sum rounded to the 64 bits
    of extended precision, then to a double; an infinity is the overflow error (the only
    error such a sum can have). Formed in SSE registers without the x87 unit's round trip
    through memory, since it sits on the plot's per-sample path: the double sum s is that
    result except where the first rounding lands exactly on the midpoint between s and a
    neighbour and the second breaks that tie towards the neighbour. */
inline double sumStored(double a, double b) {
    const double s = a + b;
    // The rounding error of s, exactly: a + b = s + e (the operand of larger magnitude
    // first, which also keeps every step finite when s is).
    const bool aLarger = std::fabs(a) >= std::fabs(b);
    const double larger = aLarger ? a : b, smaller = aLarger ? b : a;
    const double e = smaller - (s - larger);
    // Only an odd s loses the tie, to its even neighbour one unit u further towards e. The
    // first rounding lands on the midpoint s + u/2 (or s - u/2) when |e| lies within half a
    // 64-bit unit (u/4096) of u/2, that half included: the midpoint is the even one of
    // the two 64-bit values. Then u - 2|e| is exact and at most u/2048. For an even s, u
    // is 0 and the test fails.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(s);
    const double u = std::fabs(s) - std::fabs(std::bit_cast<double>(bits & ~std::uint64_t{1}));
    const double twiceE = 2 * e;
    const bool tieLost = u > 0 && (u - std::fabs(twiceE)) * 2048 <= u;
    // A branch, not a select: rarely taken, it lets the next sum start from s without
    // waiting for the test.
    double sum = s;
    if (tieLost) [[unlikely]]
        sum = s + twiceE; // s + u or s - u: 2e is within u/2048 of it
    if (std::isinf(sum)) [[unlikely]]
        raise(FE_OVERFLOW);
    return sum;
}

/** Half-to-even rounding to a 64-bit integer (the rounding of pixels and percentages);
    beyond the 64-bit range it is the invalid-operation error. The conversion is judged by
    its result, which is exactly what its flag tells: it yields the 64-bit minimum for a
    value out of range and for nothing else but -2^63 itself. */
inline std::int64_t round(long double v) {
    if (std::isnan(v))
        raise(FE_INVALID);
    long long r = 0;
#if defined(__x86_64__) || defined(__i386__)
    asm("fistpll %0" : "=m"(r) : "t"(v) : "st");
#else
    r = std::llrintl(v);
#endif
    if (r == std::numeric_limits<long long>::min() && v != -0x1p63L)
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
