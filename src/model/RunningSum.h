// SPDX-License-Identifier: GPL-3.0-or-later
// Any sample of a sweep reached without forming the running sums before it, so that blocks of
// one sweep can start on several cores: the k-th running sum of a step, each sum formed as
// fp::sumStored forms it, RN53(RN64(w + step)). volnograf_jump_check compares it with the
// sums one by one.
//
// Why it holds: let w lie in a binade [2^e, 2^(e+1)) (either sign) with spacing u, and let
// the sum land in the same binade. The 64-bit rounding works on the grid u/2048, of which w
// is an even multiple, so it gives w + t with t the step rounded on that grid, ties going to
// the even multiple: t depends on the step alone. The second rounding adds q u or (q+1) u,
// q u <= |t| < (q+1) u; only when t is exactly q u + u/2 does the choice depend on w, and
// it goes to the even significand: whatever w was, the result is even, and from an even
// significand the choice is the same at every step. So two steps in a row within one binade
// fix the increment for every further step that stays in it, and while the significand M
// moves by d with M + d + 2 <= 2^53 (growing) or M - d - 2 >= 2^52 (shrinking), the sum is
// sure to stay in the binade (|step| < (d + 1) u). Near the binade's ends, and in the
// binades of zero and the subnormals, the sums are formed one by one.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace fp {

namespace jump {
constexpr std::uint64_t kHidden = std::uint64_t{1} << 52;
constexpr std::uint64_t kFraction = kHidden - 1;

/** The sign and biased exponent of a double, the key of its binade. */
inline std::uint64_t binade(double x) {
    return std::bit_cast<std::uint64_t>(x) >> 52;
}
/** The significand of a normal double with its hidden bit, in [2^52, 2^53). */
inline std::uint64_t significand(double x) {
    return (std::bit_cast<std::uint64_t>(x) & kFraction) | kHidden;
}
inline bool normal(double x) {
    return (binade(x) & 0x7FF) != 0;
}
} // namespace jump

/** The running sum after k steps of step from from, each step stored as a double
    (RN53(RN64(w + step))); nullopt when one of these sums overflows. */
inline std::optional<double> sampleAfter(double from, double step, std::uint64_t k) {
    using namespace jump;
    double w = from;
    int run = 0; // how many of the last steps began and ended in w's binade
    std::uint64_t increment = 0;
    bool growing = false;
    while (k > 0) {
        if (run >= 2) {
            if (increment == 0)
                return w; // the step no longer moves the sum
            const std::uint64_t m = significand(w);
            std::uint64_t steps = 0;
            if (growing && m + increment + 2 <= 2 * kHidden)
                steps = (2 * kHidden - 2 - increment - m) / increment + 1;
            else if (!growing && m >= kHidden + increment + 2)
                steps = (m - increment - 2 - kHidden) / increment + 1;
            if (steps > k)
                steps = k;
            if (steps > 0) {
                const std::uint64_t moved = growing ? m + steps * increment : m - steps * increment;
                w = std::bit_cast<double>((binade(w) << 52) | (moved & kFraction));
                k -= steps;
                if (k == 0)
                    break;
            }
        }
        const double next = static_cast<double>(static_cast<long double>(w) + step);
        if (std::isinf(next))
            return std::nullopt;
        if (normal(w) && binade(next) == binade(w)) {
            ++run;
            const std::uint64_t a = significand(w), b = significand(next);
            growing = b >= a;
            increment = growing ? b - a : a - b;
        } else {
            run = 0;
        }
        w = next;
        --k;
    }
    return w;
}

} // namespace fp
