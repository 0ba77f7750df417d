// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveAhead.h"

#include "PlotMapping.h"
#include "model/CheckedFloat.h"

#include <exception>

namespace {
/** Shorter tapes are drawn on one thread: starting another costs more than it gives. */
constexpr std::size_t kLeastSamples = 32768;
} // namespace

CurveAhead::CurveAhead(const SampleTape& tape, const TPlotState& state, const TModelParams& medium,
                       CurveWay way)
    : m_tape(tape), m_state(state), m_medium(medium), m_way(way) {
    // Without a thread to be had, n is traced as it always is.
    if (tape.complete() && tape.size() >= kLeastSamples && workers::helpers() > 0)
        m_started = m_thread.start([this] { run(); });
}

bool CurveAhead::ready() {
    m_thread.wait();
    return m_started && m_ready;
}

void CurveAhead::run() {
    try {
        const std::size_t size = m_tape.size();
        const double* w = m_tape.frequencies();
        const double* re = m_tape.re();
        m_pixels.resize(size);
        const PlotMapping mapping(m_state);
        for (std::size_t i = 0; i < size; ++i)
            if (!mapping.tryCanvasPoint(w[i], re[i], m_pixels[i]))
                return;
        const bool dotted = m_way == CurveWay::Dotted;
        m_styles.assign(dotted ? size : 0, PlotSurface::PenStyle::Solid);
        if (dotted) {
            ReSamples samples(m_medium, m_state.FreqStep, true);
            fp::clearPending();
            if (!samples.stylesAt(w, re, size, m_styles.data()) || fp::pending())
                return;
        }
        CurveReducer reducer(m_drawn, m_way == CurveWay::Points, dotted);
        for (std::size_t i = 0; i < size; ++i)
            reducer.add(w[i], re[i], m_pixels[i],
                        dotted ? m_styles[i] : PlotSurface::PenStyle::Solid);
    } catch (const std::exception&) {
        // Out of memory: n is traced as it always is.
        return;
    }
    m_ready = true;
}
