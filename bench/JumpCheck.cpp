// SPDX-License-Identifier: GPL-3.0-or-later
// A one-off proof that fp::sampleAfter (model/RunningSum.h) reaches the very sample the sweep
// reaches one sum at a time (fp::sumStored, the x87 sum), and overflows at the very same
// step. Every sample of every sweep drawn below is compared: the sweeps the lessons make,
// sweeps of random starts and steps, steps whose sums round to a tie, sweeps through zero,
// near overflow and among the subnormals, and long sweeps sampled far from their start.
// Usage: volnograf_jump_check [samples]   (default 10^8); exit status 1 on any mismatch.
#include "RandomDoubles.h"
#include "model/CheckedFloat.h"
#include "model/Errors.h"
#include "model/RunningSum.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

bench::RandomDoubles rng(20261208);

/** A double with a random significand and the given biased exponent (0: subnormal). */
double withExponent(int biased) {
    return std::bit_cast<double>((std::uint64_t(biased) << 52) | rng.bitsBelow(52));
}

int exponentOf(double x) {
    return static_cast<int>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7FF);
}

/** The spacing of the doubles at x's binade. */
double ulpOf(double x) {
    const double ax = std::fabs(x);
    return std::nextafter(ax, INFINITY) - ax;
}

enum Kind {
    EveryFraction,
    Lessons,
    Random,
    Ties,
    ThroughZero,
    NearOverflow,
    Subnormal,
    Far,
    kKinds
};
const char* const kKindNames[kKinds] = {"every fraction", "lesson sweeps", "random",
                                        "near a tie",     "through zero",  "near overflow",
                                        "subnormal",      "far samples"};

struct Sweep {
    double from = 0, step = 0;
    std::uint64_t length = 0; ///< sums formed one by one
    std::uint64_t stride = 1; ///< every stride-th sample is compared (and the last)
};

/** A step that puts the sums of a start in the binade of start at a tie of the second
    rounding, or a few units of the 64-bit grid from one, or exactly between two of them. */
double stepNearTie(double start) {
    const double u = ulpOf(start);
    double s = u * rng.uniformInt(0, 40) + u / 2;
    switch (rng.uniformInt(0, 3)) {
    case 0:
        break; // exactly q u + u/2
    case 1:
        s += (u / 4096) * rng.uniformInt(-6, 6); // a few halves of the 64-bit grid off
        break;
    case 2:
        s += rng.withSign(u * std::ldexp(1.0, -rng.uniformInt(11, 60)));
        break;
    default:
        s = u * rng.uniformInt(0, 40) + u * static_cast<double>(rng.bitsBelow(12)) / 4096;
        break;
    }
    return rng() & 1 ? s : -s;
}

Sweep draw(Kind kind) {
    Sweep s;
    switch (kind) {
    case Lessons: {
        // 0..2 w0 by 0,1; typed intervals from 0 or a negative start; the thousand rule's
        // m x 1000 - e x 100 by 2e.
        const double spans[] = {6e15, 2000, 1000, 1, 4.5e16, 3e9, 7.7e-3};
        const double span =
            spans[rng.uniformInt(0, 6)] * (1 + static_cast<double>(rng.bitsBelow(20)) * 0x1p-20);
        s.length = std::uint64_t(rng.uniformInt(1, 100'000));
        switch (rng.uniformInt(0, 3)) {
        case 0:
            s.from = 0, s.step = 0.1, s.length = std::uint64_t(rng.uniformInt(1, 100'000));
            break;
        case 1:
            s.from = 0, s.step = span / static_cast<double>(s.length);
            break;
        case 2:
            s.from = -span / 2, s.step = span / static_cast<double>(s.length);
            break;
        default: {
            const double m = rng.uniformInt(1, 9999) / 1000.0, e = rng.uniformInt(-30, 30);
            s.from = m * 1000 - e * 100, s.step = std::fabs(e * 2) + 1;
            break;
        }
        }
        break;
    }
    case Random: {
        const int e = rng.uniformInt(1, 2046);
        s.from = rng.withSign(withExponent(e));
        s.step = rng.withSign(withExponent(std::clamp(e - rng.uniformInt(-2, 60), 1, 2046)));
        s.length = std::uint64_t(rng.uniformInt(1, 10'000));
        break;
    }
    case Ties:
        s.from = rng.withSign(withExponent(rng.uniformInt(2, 2040)));
        s.step = stepNearTie(s.from);
        s.length = std::uint64_t(rng.uniformInt(1, 10'000));
        break;
    case ThroughZero: {
        const int e = rng.uniformInt(2, 2040);
        s.step = withExponent(e);
        s.from = -s.step * rng.uniformInt(1, 5000) *
                 (1 + static_cast<double>(rng.bitsBelow(30)) * 0x1p-31);
        if (rng() & 1)
            s.from = -s.from, s.step = -s.step;
        s.length = std::uint64_t(rng.uniformInt(1, 10'000));
        break;
    }
    case NearOverflow:
        s.from = rng.withSign(withExponent(rng.uniformInt(2030, 2046)));
        s.step = std::copysign(withExponent(exponentOf(s.from) - rng.uniformInt(0, 16)), s.from);
        s.length = std::uint64_t(rng.uniformInt(1, 100'000));
        break;
    case Subnormal:
        s.from = rng.withSign(withExponent(rng.uniformInt(0, 3)));
        s.step = rng.withSign(withExponent(rng.uniformInt(0, 2)));
        s.length = std::uint64_t(rng.uniformInt(1, 10'000));
        break;
    default: {
        // Long sweeps of the lessons' kind and of random ones, sampled now and then.
        s.step = rng() & 1 ? 6e15 / rng.uniformInt(1'000'000, 10'000'000)
                           : withExponent(rng.uniformInt(900, 1100));
        s.from =
            rng() & 1 ? 0 : rng.withSign(withExponent(exponentOf(s.step) + rng.uniformInt(0, 30)));
        s.length = std::uint64_t(rng.uniformInt(1'000'000, 20'000'000));
        s.stride = 997;
        break;
    }
    }
    return s;
}

struct Tally {
    std::uint64_t sweeps = 0, compared = 0, overflows = 0, mismatches = 0;
};

/** Forms the sums one by one and compares the samples with sampleAfter; the number of
    samples compared. */
std::uint64_t check(Kind kind, const Sweep& s, Tally& tally) {
    ++tally.sweeps;
    double w = s.from;
    std::uint64_t compared = 0;
    const auto compare = [&](std::uint64_t k, bool overflowed) {
        ++compared;
        const std::optional<double> jumped = fp::sampleAfter(s.from, s.step, k);
        const bool same = overflowed ? !jumped
                                     : jumped && std::bit_cast<std::uint64_t>(*jumped) ==
                                                     std::bit_cast<std::uint64_t>(w);
        if (!same && ++tally.mismatches <= 20)
            std::printf("MISMATCH %s: %a + k %a, k = %" PRIu64 ": one by one %s%a, jumped %s%a\n",
                        kKindNames[kind], s.from, s.step, k, overflowed ? "overflow " : "", w,
                        jumped ? "" : "overflow ", jumped ? *jumped : 0.0);
    };
    for (std::uint64_t k = 0; k <= s.length; ++k) {
        if (k % s.stride == 0 || k == s.length || (s.stride > 1 && rng.uniformInt(0, 9999) == 0))
            compare(k, false);
        if (k == s.length)
            break;
        try {
            w = fp::sumStored(w, s.step);
        } catch (const FloatError&) {
            ++tally.overflows;
            compare(k + 1, true);
            break;
        }
    }
    tally.compared += compared;
    return compared;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t samples = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100'000'000;
    std::array<Tally, kKinds> tallies{};
    std::uint64_t done = 0;
    // Every step of up to 16 units of the start's binade whose fraction of a unit lies on
    // the half-grid of the 64-bit sum (ties of both roundings included), from starts of
    // each parity of their last two bits, of either sign, the step of either sign.
    for (int units = 0; units < 16; ++units)
        for (int fraction = 0; fraction < 4096; ++fraction)
            for (int lastBits = 0; lastBits < 4; ++lastBits)
                for (int signs = 0; signs < 4; ++signs) {
                    const double one = std::bit_cast<double>(
                        (std::bit_cast<std::uint64_t>(withExponent(1023)) & ~std::uint64_t{3}) |
                        std::uint64_t(lastBits));
                    Sweep s;
                    s.from = signs & 1 ? -one : one;
                    s.step = std::ldexp(units + fraction / 4096.0, -52) * (signs & 2 ? -1 : 1);
                    s.length = 12;
                    done += check(EveryFraction, s, tallies[EveryFraction]);
                }
    while (done < samples) {
        const int pick = rng.uniformInt(0, 999);
        const Kind kind = pick < 300   ? Lessons
                          : pick < 550 ? Random
                          : pick < 800 ? Ties
                          : pick < 900 ? ThroughZero
                          : pick < 950 ? NearOverflow
                          : pick < 998 ? Subnormal
                                       : Far;
        Sweep s = draw(kind);
        if (!std::isfinite(s.from) || !std::isfinite(s.step))
            continue;
        s.length = std::min(s.length, (samples - done) * s.stride);
        done += check(kind, s, tallies[kind]);
    }

    std::uint64_t total = 0, bad = 0;
    std::printf("%-16s %10s %12s %10s %10s\n", "sweeps", "count", "samples", "overflow",
                "mismatch");
    for (int k = 0; k < kKinds; ++k) {
        const Tally& t = tallies[k];
        std::printf("%-16s %10" PRIu64 " %12" PRIu64 " %10" PRIu64 " %10" PRIu64 "\n",
                    kKindNames[k], t.sweeps, t.compared, t.overflows, t.mismatches);
        total += t.compared;
        bad += t.mismatches;
    }
    std::printf("total %" PRIu64 " samples compared, %" PRIu64 " mismatches\n", total, bad);
    return bad == 0 ? 0 : 1;
}
