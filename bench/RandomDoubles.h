// SPDX-License-Identifier: GPL-3.0-or-later
// Random bits and doubles for the checks of the running sum against the x87 unit.
#pragma once

#include <cstdint>
#include <random>

namespace bench {

/** A seeded engine, the same sequence at every run, with the draws the checks share. */
class RandomDoubles : public std::mt19937_64 {
public:
    explicit RandomDoubles(std::uint64_t seed) : std::mt19937_64(seed) {}

    /** The lowest n bits random, the rest 0. */
    std::uint64_t bitsBelow(int n) {
        return n >= 64 ? (*this)() : (*this)() & ((std::uint64_t{1} << n) - 1);
    }
    int uniformInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(*this); }
    /** x or -x, alike. */
    double withSign(double x) { return (*this)() & 1 ? -x : x; }
};

} // namespace bench
