// SPDX-License-Identifier: GPL-3.0-or-later
// A one-off proof that the SSE candidate bench::sseSumStored gives the bits of the x87 sum
// the program uses (fp::sumStored), RN53(RN64(a + b)), and overflows exactly where it does,
// on random pairs of finite doubles. Most random pairs
// never come near a double rounding, so most pairs are drawn where it happens: sums that
// land within a few units of the 64th bit of a midpoint between two doubles.
// Usage: volnograf_sum_check [pairs]   (default 10^8); exit status 1 on any mismatch.
#include "RandomDoubles.h"
#include "SseSum.h"
#include "model/CheckedFloat.h"
#include "model/Errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <utility>

namespace {

struct Outcome {
    std::uint64_t bits = 0;
    bool overflow = false;
    bool operator==(const Outcome&) const = default;
};

template <double (*Sum)(double, double)> Outcome outcome(double a, double b) {
    try {
        return {std::bit_cast<std::uint64_t>(Sum(a, b)), false};
    } catch (const FloatError& e) {
        return {0, e.kind() == FloatError::Kind::Overflow};
    }
}

// The program's sum: extended, narrowed through memory, as the x87 unit forms it.
[[gnu::noinline]] Outcome x87(double a, double b) {
    return outcome<fp::sumStored>(a, b);
}

[[gnu::noinline]] Outcome candidate(double a, double b) {
    return outcome<bench::sseSumStored>(a, b);
}

bench::RandomDoubles rng(20240615);

// Any finite double, every bit pattern alike.
double anyFinite() {
    for (;;) {
        const double x = std::bit_cast<double>(rng());
        if (std::isfinite(x))
            return x;
    }
}

// A double with a random significand and the given biased exponent (0: subnormal).
double withExponent(int biased) {
    return std::bit_cast<double>((std::uint64_t(biased) << 52) | rng.bitsBelow(52));
}

// An exponent of the whole range, with the ends (subnormal, near overflow) drawn often.
int someExponent() {
    switch (rng.uniformInt(0, 7)) {
    case 0:
        return rng.uniformInt(0, 60);
    case 1:
        return rng.uniformInt(1980, 2046);
    case 2:
        return rng.uniformInt(1000, 1050); // near 1, where the sweep's frequencies are not
    default:
        return rng.uniformInt(1, 2046);
    }
}

double ulpOf(double x) {
    const double ax = std::fabs(x);
    return std::nextafter(ax, INFINITY) - ax;
}

enum Kind { Random, NearExponents, NearMidpoint, NearOverflow, Tiny, Zeros, Chains, kKinds };
const char* const kKindNames[kKinds] = {"random bits",   "near exponents", "near a midpoint",
                                        "near overflow", "subnormal",      "signed zeros",
                                        "running sums"};

// b such that a + b lies half a unit of a away from a, give or take a few units of the
// 64-bit grid there (1/2048 of a unit of a), or a tiny amount more.
double nearMidpointOf(double a) {
    const double u = ulpOf(a);
    const double direction = rng() & 1 ? 1 : -1;
    double b = direction * (u / 2);
    switch (rng.uniformInt(0, 3)) {
    case 0: // whole 64-bit units (and halves, the ties of the first rounding)
        b += direction * (u / 4096) * rng.uniformInt(-8, 8);
        break;
    case 1: // a finer offset, down to the last bit b can carry
        b += rng.withSign(u * std::ldexp(1.0, -rng.uniformInt(11, 60)));
        break;
    case 2: // a random fraction of a 64-bit unit
        b += rng.withSign(u / 2048 * static_cast<double>(rng.bitsBelow(20)) * 0x1p-20);
        break;
    default: // a whole random tail below the midpoint
        b += rng.withSign(u / 2 * static_cast<double>(rng.bitsBelow(30)) * 0x1p-40);
        break;
    }
    return b;
}

std::pair<double, double> draw(Kind kind) {
    switch (kind) {
    case Random:
        return {anyFinite(), anyFinite()};
    case NearExponents: {
        const int e = someExponent();
        const int f = std::clamp(e - rng.uniformInt(-2, 70), 0, 2046);
        return {rng.withSign(withExponent(e)), rng.withSign(withExponent(f))};
    }
    case NearMidpoint: {
        const double a = rng.withSign(withExponent(std::max(someExponent(), 2)));
        return {a, nearMidpointOf(a)};
    }
    case NearOverflow: {
        const double a = rng.withSign(withExponent(rng.uniformInt(2040, 2046)));
        const double b =
            rng() & 1 ? nearMidpointOf(a) : rng.withSign(withExponent(rng.uniformInt(1900, 2046)));
        return {a, b};
    }
    case Tiny:
        return {rng.withSign(withExponent(rng.uniformInt(0, 3))),
                rng.withSign(withExponent(rng.uniformInt(0, 3)))};
    case Zeros: {
        const double a = rng.withSign(0.0);
        return {a, rng() & 1   ? rng.withSign(0.0)
                   : rng() & 1 ? -a
                               : rng.withSign(withExponent(someExponent()))};
    }
    default:
        return {};
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t pairs = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100'000'000;
    std::array<std::uint64_t, kKinds> checked{}, mismatches{}, overflows{}, doubleRounded{};

    auto check = [&](Kind kind, double a, double b) {
        const Outcome want = x87(a, b), got = candidate(a, b);
        // Pairs where the x87 result is not the plain double sum: the case the
        // correction exists for.
        const double plain = a + b;
        if (!want.overflow ? std::bit_cast<std::uint64_t>(plain) != want.bits : !std::isinf(plain))
            ++doubleRounded[kind];
        overflows[kind] += want.overflow;
        ++checked[kind];
        if (!(want == got) && ++mismatches[kind] <= 20)
            std::printf("MISMATCH %s: %a + %a: x87 %s%016" PRIx64 ", SSE %s%016" PRIx64 "\n",
                        kKindNames[kind], a, b, want.overflow ? "overflow " : "", want.bits,
                        got.overflow ? "overflow " : "", got.bits);
    };

    std::uint64_t done = 0;
    while (done < pairs) {
        if (rng.uniformInt(0, 9999) == 0) {
            // A sweep: the running sum of a step from a start, each next from the last.
            double w = rng.withSign(withExponent(someExponent()));
            const double step = rng.withSign(withExponent(rng.uniformInt(1, 2046)));
            for (int i = 0; i < 1000 && done < pairs; ++i) {
                check(Chains, w, step);
                ++done;
                const Outcome next = x87(w, step);
                if (next.overflow)
                    break;
                w = std::bit_cast<double>(next.bits);
            }
            continue;
        }
        const int pick = rng.uniformInt(0, 99);
        const Kind kind = pick < 20   ? Random
                          : pick < 45 ? NearExponents
                          : pick < 90 ? NearMidpoint
                          : pick < 95 ? NearOverflow
                          : pick < 98 ? Tiny
                                      : Zeros;
        const auto [a, b] = draw(kind);
        if (!std::isfinite(a) || !std::isfinite(b))
            continue;
        // Either order: the sum must not depend on which operand is the larger.
        if (rng() & 1)
            check(kind, a, b);
        else
            check(kind, b, a);
        ++done;
    }

    std::uint64_t total = 0, bad = 0, rounded = 0;
    std::printf("%-16s %12s %12s %10s %10s\n", "pairs", "checked", "double-rnd", "overflow",
                "mismatch");
    for (int k = 0; k < kKinds; ++k) {
        std::printf("%-16s %12" PRIu64 " %12" PRIu64 " %10" PRIu64 " %10" PRIu64 "\n",
                    kKindNames[k], checked[k], doubleRounded[k], overflows[k], mismatches[k]);
        total += checked[k];
        bad += mismatches[k];
        rounded += doubleRounded[k];
    }
    std::printf("total %" PRIu64 " pairs, %" PRIu64 " where the x87 sum differs from the plain "
                "double sum, %" PRIu64 " mismatches\n",
                total, rounded, bad);
    return bad == 0 ? 0 : 1;
}
