// SPDX-License-Identifier: GPL-3.0-or-later
// n(w) made ready on another core while n''(w) is drawn: its pixels, its segments' styles and
// what is kept of it, from the range sweep's samples.
#pragma once

#include "CompletedPlot.h"
#include "KeptCurve.h"
#include "SampleTape.h"
#include "Workers.h"

#include <vector>

/** Maps n's samples on the tape to pixels, forms the styles of its segments in the dotted way
    and reduces it as its drawing would, on a thread of its own, so that drawing n after n''
    is left only the lines or points. ready() holds when every sample has its pixel from the
    unchecked mapping and every style was formed without a failed operation; otherwise n is
    traced as it always is. */
class CurveAhead {
public:
    /** Starts on the tape's samples, when the tape is long enough and a thread may be had. */
    CurveAhead(const SampleTape& tape, const TPlotState& state, const TModelParams& medium,
               CurveWay way);
    CurveAhead(const CurveAhead&) = delete;
    CurveAhead& operator=(const CurveAhead&) = delete;

    /** Waits for the thread: whether n is ready to be drawn from here. */
    bool ready();
    const CanvasPoint* pixels() const { return m_pixels.data(); }
    const PlotSurface::PenStyle* styles() const { return m_styles.data(); }
    /** What is kept of n, its start aside (moved out). */
    DrawnCurve takeDrawn() { return std::move(m_drawn); }

private:
    void run();

    const SampleTape& m_tape;
    TPlotState m_state; ///< its own: the mapping's scales and origins
    TModelParams m_medium;
    CurveWay m_way;
    std::vector<CanvasPoint> m_pixels;
    std::vector<PlotSurface::PenStyle> m_styles;
    DrawnCurve m_drawn;
    bool m_ready = false;
    bool m_started = false;
    workers::Group m_thread; ///< last: it waits for the work before the rest goes
};
