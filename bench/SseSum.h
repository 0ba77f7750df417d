// SPDX-License-Identifier: GPL-3.0-or-later
// A candidate for fp::sumStored that never leaves the SSE registers: the same bits as the
// x87 sum, RN53(RN64(a + b)), proven by volnograf_sum_check. It is not in the program: a
// dependent chain of these sums runs about four times faster than of the x87 ones, yet the
// whole plot command ran 15-40 % slower with it on the machine it was measured on (the
// x87 sum's latency hides behind the model's own x87 work, the check's work does not);
// volnograf_hotpath_bench and volnograf_bench tell whether that still holds.
#pragma once

#include "model/CheckedFloat.h"

#include <cmath>
#include <emmintrin.h>

namespace bench {

inline double sseSumStored(double a, double b) {
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFF));
    const __m128d lastBit = _mm_castsi128_pd(_mm_set1_epi64x(1));
    const __m128d va = _mm_set_sd(a), vb = _mm_set_sd(b);
    const __m128d s = _mm_add_sd(va, vb);
    // The rounding error of s, exactly: a + b = s + e, the operand of larger magnitude first
    // (which also keeps every step finite when s is), chosen by a mask.
    const __m128d aLarger = _mm_cmpge_sd(_mm_and_pd(va, magnitude), _mm_and_pd(vb, magnitude));
    const __m128d larger = _mm_or_pd(_mm_and_pd(aLarger, va), _mm_andnot_pd(aLarger, vb));
    const __m128d smaller = _mm_or_pd(_mm_and_pd(aLarger, vb), _mm_andnot_pd(aLarger, va));
    const __m128d e = _mm_sub_sd(smaller, _mm_sub_sd(s, larger));
    // Only an odd s loses the tie, to its even neighbour one unit u further towards e. The
    // first rounding lands on the midpoint s + u/2 (or s - u/2) when |e| lies within half a
    // 64-bit unit (u/4096) of u/2, that half included (the midpoint is the even one of the
    // two 64-bit values): when 2|e| >= u (1 - 2^-11), a product exact down to the smallest
    // u, which an e of 0 never reaches. For an even s, |2e| is taken as 0: one test, one
    // branch, rarely taken, so the next sum starts from s without waiting for it.
    const __m128d sEven = _mm_andnot_pd(lastBit, s);
    const __m128d u =
        _mm_sub_sd(_mm_and_pd(_mm_or_pd(s, lastBit), magnitude), _mm_and_pd(sEven, magnitude));
    const __m128d threshold = _mm_mul_sd(u, _mm_set_sd(0x1.ffcp-1));
    const __m128d oddMagnitude = _mm_and_pd(_mm_cmpneq_sd(s, sEven), magnitude);
    const __m128d twiceE = _mm_add_sd(e, e);
    double sum = _mm_cvtsd_f64(s);
    if (_mm_cvtsd_f64(_mm_and_pd(twiceE, oddMagnitude)) >= _mm_cvtsd_f64(threshold)) [[unlikely]]
        sum = _mm_cvtsd_f64(_mm_add_sd(s, twiceE)); // s + u or s - u: 2e is within u/2048
    if (std::isinf(sum)) [[unlikely]]
        fp::raise(FE_OVERFLOW);
    return sum;
}

} // namespace bench
