// SPDX-License-Identifier: GPL-3.0-or-later
#include "FittedRange.h"

#include "model/CheckedFloat.h"

#include <algorithm>
#include <cmath>

namespace {
// n counts as squeezed when it would take less than this share of the common height.
constexpr long double kSqueezed = 0.1L;
// The thinnest span told apart from its values, relative to them: keeps the pixel products
// well inside the range the mapping rounds.
constexpr long double kThinnest = 1e-12L;
} // namespace

ValueSpan fittedRange(ValueSpan re, ValueSpan im) {
    fp::clearPending();
    long double low = std::min(re.min, im.min);
    long double high = std::max(re.max, im.max);
    const long double reSpan = static_cast<long double>(re.max) - re.min;
    const long double reSize = std::max(std::fabs(re.min), std::fabs(re.max));
    // A flat n shows nothing more on its own: the common range keeps n'' in sight.
    if (reSpan < kSqueezed * (high - low) && reSpan >= reSize * kThinnest) {
        low = re.min;
        high = re.max;
    }
    const long double size = std::max(std::fabs(low), std::fabs(high));
    long double span = high - low;
    if (!(span > size * kThinnest)) {
        const long double middle = (low + high) / 2;
        span = size == 0 ? 2 : size * kThinnest;
        low = middle - span / 2;
        high = middle + span / 2;
    }
    const long double margin = span * kFitMargin;
    return {fp::store(low - margin), fp::store(high + margin)};
}

ValueSpan valueExtremes(const double* v, int count) {
    double low[4] = {v[0], v[0], v[0], v[0]}, high[4] = {v[0], v[0], v[0], v[0]};
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        for (int k = 0; k < 4; ++k) {
            low[k] = v[i + k] < low[k] ? v[i + k] : low[k];
            high[k] = v[i + k] > high[k] ? v[i + k] : high[k];
        }
    }
    for (; i < count; ++i) {
        low[0] = v[i] < low[0] ? v[i] : low[0];
        high[0] = v[i] > high[0] ? v[i] : high[0];
    }
    ValueSpan span{std::min({low[0], low[1], low[2], low[3]}),
                   std::max({high[0], high[1], high[2], high[3]})};
    if (span.min == 0 || span.max == 0) {
        span = {v[0], v[0]};
        for (i = 1; i < count; ++i) {
            if (v[i] < span.min)
                span.min = v[i];
            if (v[i] > span.max)
                span.max = v[i];
        }
    }
    return span;
}
