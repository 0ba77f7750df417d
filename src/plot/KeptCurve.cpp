// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptCurve.h"

#include "PlotMapping.h"

#include <new>

KeptCurve::KeptCurve(PlotSink& sink, TPlotState& state, const TModelParams& medium, CurveWay way)
    : m_sink(sink), m_state(state), m_medium(medium), m_way(way),
      m_recorder(sink, m_percents, [this] { question(); }),
      m_samples(medium, state.FreqStep, way == CurveWay::Dotted) {
    m_reducer.emplace(m_drawn, way == CurveWay::Points, way == CurveWay::Dotted);
}

void KeptCurve::abandon() {
    if (!m_kept)
        return;
    m_kept = false;
    m_reducer.reset();
    m_drawn = DrawnCurve{};
    // What was kept goes at once: the sweeps after this one may need the memory.
    std::vector<CanvasPoint>().swap(m_moves);
    std::vector<PlotSurface::PenStyle>().swap(m_moveStyles);
    std::vector<Chunk>().swap(m_chunks);
    std::vector<Question>().swap(m_questions);
}

void KeptCurve::take(const PlotMapping& mapping, const SampleChunk& chunk) {
    if (!m_kept)
        return;
    try {
        keep(mapping, chunk);
    } catch (const std::bad_alloc&) {
        // No room for the moves: n gets its own sweep, as without them.
        abandon();
    }
}

void KeptCurve::keep(const PlotMapping& mapping, const SampleChunk& chunk) {
    const bool styled = m_way == CurveWay::Dotted;
    for (int i = 0; i < chunk.count; ++i) {
        CanvasPoint p;
        if (!mapping.tryCanvasPoint(chunk.w[i], m_re[i], p)) {
            abandon();
            return;
        }
        const PlotSurface::PenStyle style = m_styles[i];
        m_reducer->add(chunk.w[i], m_re[i], p, style);
        // A line to where the pen stands, in the style it has, draws nothing; a pixel set
        // again in the same colour changes nothing.
        if (!m_moves.empty() && p.x == m_pen.x && p.y == m_pen.y && style == m_style)
            continue;
        m_pen = p;
        m_style = style;
        m_moves.push_back(p);
        if (styled)
            m_moveStyles.push_back(style);
    }
    if (m_moves.size() > s_moveLimit) {
        abandon();
        return;
    }
    m_last = m_re[chunk.count - 1];
    const Chunk end{m_moves.size(), m_percents.size()};
    if (m_chunks.empty() || m_chunks.back().moves != end.moves ||
        m_chunks.back().percents != end.percents)
        m_chunks.push_back(end);
}

void KeptCurve::question() {
    if (!m_kept)
        return;
    if (m_questions.size() >= kMaxQuestions) {
        abandon();
        return;
    }
    try {
        m_questions.push_back(Question{m_chunks.size(), m_state.SweepFreq, m_last});
    } catch (const std::bad_alloc&) {
        abandon();
    }
}

void KeptCurve::end() {
    question();
}

void KeptCurve::draw(PlotSurface& surface, QRgb color, const QString& text, DrawnCurve& re) {
    const double start = m_way == CurveWay::Points ? 0 : RefractionRe(m_medium, m_state.FreqFrom);
    m_reducer.reset();
    re = std::move(m_drawn);
    re.start = start;
    if (m_way != CurveWay::Points) {
        surface.setPenStyle(PlotSurface::PenStyle::Solid);
        surface.moveTo(0, PlotMapping(m_state).pixelY(start));
    }
    std::size_t chunk = 0, move = 0, percent = 0;
    bool textShown = false;
    const auto reach = [&](const Question& q) {
        for (; chunk < q.chunks; ++chunk) {
            const Chunk& c = m_chunks[chunk];
            drawCurvePixels(surface, m_way, color, m_moves.data(), m_moveStyles.data(), move,
                            static_cast<int>(c.moves - move));
            move = c.moves;
            // The sweep's text comes with its first sample, just before the gauge's first
            // change.
            if (!textShown && percent < c.percents) {
                m_sink.setStatusText(text);
                textShown = true;
            }
            for (; percent < c.percents; ++percent)
                m_sink.setProgress(m_percents[percent]);
        }
        m_state.SweepFreq = q.w;
        m_state.SweepValue = q.last;
    };
    replayQuestions(m_sink, m_questions, reach);
}
