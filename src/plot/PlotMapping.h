// SPDX-License-Identifier: GPL-3.0-or-later
// Frequencies and values to pixels of a plot, and pixels back to frequencies and values.
#pragma once

#include "CanvasPoint.h"
#include "PlotState.h"
#include "model/CheckedFloat.h"

#include <cstdint>

/** The axes of one plot in pixels, both ways, from its PlotState. Pixel arithmetic is 32-bit
    with wrap-around; products are formed in extended precision and rounded half to even. */
class PlotMapping {
public:
    explicit PlotMapping(const TPlotState& state) : m_state(state) {}

    /** The pixel of a sample (W, v): x = OriginX + Round(W x FreqScale),
        y = OriginY - Round(v x ValueScale). */
    CanvasPoint samplePixel(double w, double v) const {
        // Products of finite doubles are finite in extended precision: only the conversion
        // can fail.
        const std::int64_t rx = fp::round(static_cast<long double>(w) * m_state.FreqScale);
        return {fp::wrapAdd(m_state.OriginX, fp::low32(rx)), pixelY(v)};
    }

    /** samplePixel() without its checks, where both products lie well within the 64-bit
        range (true); false leaves the decision to samplePixel(). */
    bool tryCanvasPoint(double w, double v, CanvasPoint& pixel) const {
        constexpr long double kWithin = 0x1p62L;
        const long double x = static_cast<long double>(w) * m_state.FreqScale;
        const long double y = static_cast<long double>(v) * m_state.ValueScale;
        if (!(x < kWithin && x > -kWithin && y < kWithin && y > -kWithin))
            return false;
        pixel = {fp::wrapAdd(m_state.OriginX, fp::low32(fp::roundInRange(x))),
                 fp::wrapSub(m_state.OriginY, fp::low32(fp::roundInRange(y)))};
        return true;
    }

    /** y pixel of a value: OriginY - Round(v x ValueScale). */
    std::int32_t pixelY(double v) const {
        return fp::wrapSub(m_state.OriginY,
                           fp::low32(fp::round(static_cast<long double>(v) * m_state.ValueScale)));
    }

    /** x pixel of a frequency measured from the start of the interval, as the w0 marker
        stands: Round((w - FreqFrom) x FreqScale). */
    std::int32_t markerX(double w) const {
        return fp::low32(
            fp::round((static_cast<long double>(w) - m_state.FreqFrom) * m_state.FreqScale));
    }

    /** The frequency at column x of an image `width` wide: that share of the way from
        FreqFrom to FreqTo (checked). */
    long double frequencyAt(int x, int width) const {
        const long double share = static_cast<long double>(x) / width;
        const long double from = m_state.FreqFrom;
        const long double to = m_state.FreqTo;
        return fp::checked(share * (to - from) + from);
    }

    /** The value at row y of an image `height` high: that share of the way down from
        ValueMax to ValueMin (checked). */
    long double valueAt(int y, int height) const {
        const long double share = static_cast<long double>(y) / height;
        const long double top = m_state.ValueMax;
        return fp::checked(top - share * (top - m_state.ValueMin));
    }

private:
    const TPlotState& m_state;
};
