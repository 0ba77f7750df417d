// SPDX-License-Identifier: GPL-3.0-or-later
// Real arithmetic is carried in long double and stored in double; invalid operations,
// divisions by zero and overflows are caught from the floating-point status flags at the
// points where a value is formed or stored and raised as FloatError.
#pragma once

#include <cstdint>

namespace fp {

/** Clears the invalid, division-by-zero and overflow flags before a checked computation. */
void clearPending();

/** Throws FloatError when one of the three flags is set (invalid first, then zero divide). */
void raisePending();

/** Keeps the compiler from moving arithmetic on x across the flag checks. */
template <typename T> inline void fence(T& x) { asm volatile("" : "+m"(x)); }

/** Checks the flags for the computation that formed v, then stores v as a double
    (an overflow on narrowing is raised too; underflow gives 0 or a denormal silently). */
double store(long double v);

/** Checks a value formed in extended precision without narrowing it. */
long double checked(long double v);

/** Half-to-even rounding to a 64-bit integer; beyond the 64-bit range it is the
    invalid-operation error. */
std::int64_t round(long double v);

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
