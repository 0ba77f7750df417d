// SPDX-License-Identifier: GPL-3.0-or-later
// The loop of all four sweeps: the first sample always, then running sums below the end.
#pragma once

#include "PlotState.h"
#include "model/CheckedFloat.h"

#include <cstdint>

/** Runs body once per sample with PlotState.SweepFreq at the sample's frequency; the
    frequency advances by the running sum of the step, stored as a double. */
template <typename Body> void sweep(Body&& body) {
    PlotState.SweepFreq = PlotState.FreqFrom;
    do {
        body();
        fp::clearPending();
        PlotState.SweepFreq =
            fp::store(static_cast<long double>(PlotState.SweepFreq) + PlotState.FreqStep);
    } while (PlotState.SweepFreq < PlotState.FreqTo);
}

/** x pixel of a frequency: OriginX + Round(W x FreqScale), 32-bit with wrap-around. */
inline std::int32_t pixelX(double w) {
    return fp::wrapAdd(PlotState.OriginX,
                       fp::low32(fp::round(static_cast<long double>(w) * PlotState.FreqScale)));
}

/** y pixel of a value: OriginY - Round(v x ValueScale), 32-bit with wrap-around. */
inline std::int32_t pixelY(double v) {
    return fp::wrapSub(PlotState.OriginY,
                       fp::low32(fp::round(static_cast<long double>(v) * PlotState.ValueScale)));
}
