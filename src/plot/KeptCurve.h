// SPDX-License-Identifier: GPL-3.0-or-later
// n(w) met by the sweep that draws n''(w): its samples formed beside n'', its pen's moves kept
// and drawn after n'' as a sweep of its own would draw them.
#pragma once

#include "CompletedPlot.h"
#include "PlotSurface.h"
#include "SampleStream.h"
#include "Sweep.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

class PlotMapping;

/** The ways of drawing n(w): a line, a line dotted where n has not risen, or points. */
enum class CurveWay { Line, Dotted, Points };

/** Draws n's pixels from..from+count-1 in the given way: as points, or as a line on from
    where the pen stands, each segment in the dotted way in its style from styles. */
inline void drawCurvePixels(PlotSurface& surface, CurveWay way, QRgb color,
                            const CanvasPoint* pixels, const PlotSurface::PenStyle* styles,
                            std::size_t from, int count) {
    if (way == CurveWay::Points) {
        surface.setPixels(pixels + from, count, color);
        return;
    }
    surface.setPenColor(color);
    if (way == CurveWay::Dotted)
        surface.polylineTo(pixels + from, count, styles + from);
    else
        surface.polylineTo(pixels + from, count);
}

/** n(w) at each sample a sweep meets, formed as the checked model forms it, and the pen style
    of the segment that ends there: in the dotted way, dotted where n has not risen over the
    step before. One step back usually lands on the sample before, whose n is known. */
class ReSamples {
public:
    ReSamples(const TModelParams& medium, double step, bool dotted)
        : m_terms(modelTerms(medium)), m_step(step), m_dotted(dotted) {}

    /** n at w, formed as the checked model forms it. */
    double value(double w) const { return static_cast<double>(refractionReExtended(m_terms, w)); }

    /** The styles of the segments that end at count samples in a row, into styles: solid,
        or in the dotted way dotted where n has not risen over the step before; false when
        an operation failed. */
    bool styles(const double* w, const double* v, std::size_t count,
                PlotSurface::PenStyle* styles) {
        if (m_dotted)
            return stylesAt(w, v, count, styles);
        std::fill(styles, styles + count, PlotSurface::PenStyle::Solid);
        return true;
    }

    /** In the dotted way: the style of the segment that ends at the sample (w, v), dotted
        where n has not risen over the step before; false when an operation failed. */
    bool styleAt(double w, double v, PlotSurface::PenStyle& style) {
        const double back = nextSample(w, -m_step);
        const double before = m_havePrevious && back == m_previousW ? m_previousV : value(back);
        style = before < v ? PlotSurface::PenStyle::Solid : PlotSurface::PenStyle::Dotted;
        m_havePrevious = true;
        m_previousW = w;
        m_previousV = v;
        return std::isfinite(back) && std::isfinite(before);
    }

    /** styleAt() for count samples in a row, into styles; false when an operation failed.
        The sample before each is at hand in the arrays, so only the first may need n again. */
    bool stylesAt(const double* w, const double* v, std::size_t count,
                  PlotSurface::PenStyle* styles) {
        if (count == 0)
            return true;
        bool clean = styleAt(w[0], v[0], styles[0]);
        for (std::size_t i = 1; i < count; ++i) {
            const double back = nextSample(w[i], -m_step);
            double before = v[i - 1];
            if (back != w[i - 1]) {
                before = value(back);
                clean = clean && std::isfinite(back) && std::isfinite(before);
            }
            styles[i] =
                before < v[i] ? PlotSurface::PenStyle::Solid : PlotSurface::PenStyle::Dotted;
        }
        m_previousW = w[count - 1];
        m_previousV = v[count - 1];
        return clean;
    }

    /** A chunk done again sample by sample leaves no sample before to reuse. */
    void forget() { m_havePrevious = false; }

private:
    ModelTerms m_terms;
    double m_step;
    bool m_dotted;
    bool m_havePrevious = false;
    double m_previousW = 0, m_previousV = 0;
};

/** n(w) kept while the n'' sweep meets its samples: the pen's moves (a sample whose pixel and
    style are those of the sample before moves nothing), the gauge's changes and where the
    sweep stood at each question whether to stop. draw() then draws n after n'' with the
    same lines, pixels, gauge, questions and last sample as its own sweep, and no second
    sweep of the model. A chunk that is not clean, a pixel the unchecked mapping leaves
    open, or more moves or questions than the caps let the n curve have its own sweep. */
class KeptCurve {
public:
    KeptCurve(PlotSink& sink, TPlotState& state, const TModelParams& medium, CurveWay way);
    KeptCurve(const KeptCurve&) = delete;
    KeptCurve& operator=(const KeptCurve&) = delete;

    /** Where the n'' sweep reports: passed on, and recorded. */
    PlotSink& sink() { return m_recorder; }
    /** Whether n is still kept: drawn by draw(), without a sweep of its own. */
    bool kept() const { return m_kept; }
    /** n goes back to a sweep of its own. */
    void abandon();
    /** The most moves kept before n gets its own sweep; tests lower it to have both ways
        draw the same plot. */
    static void setMoveLimit(std::size_t moves) { s_moveLimit = moves; }

    /** Fills a chunk with the values value(w) of n'' as fillValues() does, or takes them
        from the stream, and keeps n of the same samples beside them; a failed operation of
        either leaves the chunk not clean. */
    template <typename Value>
    void fill(SampleChunk& chunk, double w, double end, Value value, SampleStream* stream) {
        if (!stream || !stream->fill(chunk, end, m_re)) {
            m_re = m_values;
            fillBoth(
                chunk, w, end, m_state.FreqStep, value,
                [&](double x) { return m_samples.value(x); }, m_values);
        }
        if (chunk.clean)
            chunk.clean =
                m_samples.styles(chunk.w, m_re, static_cast<std::size_t>(chunk.count), m_styles);
        if (!chunk.clean)
            m_samples.forget();
    }

    /** The chunk just filled was drawn as n'': n's samples of it are kept. */
    void take(const PlotMapping& mapping, const SampleChunk& chunk);
    /** The n'' sweep has ended. */
    void end();
    /** Draws n over the n'' just drawn, as its own sweep would, reporting to the sink the
        sweep's text and gauge and asking whether to stop (PlotStopped) where it would;
        what was drawn goes to re and PlotState keeps the last sample. */
    void draw(PlotSurface& surface, QRgb color, const QString& text, DrawnCurve& re);

private:
    /** A chunk's end: the moves and the gauge's changes up to it. */
    struct Chunk {
        std::size_t moves;
        std::size_t percents;
    };
    /** Where the sweep stood at a question whether to stop, and at its end. */
    struct Question {
        std::size_t chunks;
        double w;    ///< the running sum
        double last; ///< n at the last sample
    };
    /** Beyond these the n curve gets its own sweep (some 20 MB of moves; questions of some
        10^9 samples). */
    static constexpr std::size_t kMaxMoves = std::size_t{1} << 21;
    static constexpr std::size_t kMaxQuestions = std::size_t{1} << 18;
    static inline std::size_t s_moveLimit = kMaxMoves;

    void question();
    /** take() for a chunk while n is kept. */
    void keep(const PlotMapping& mapping, const SampleChunk& chunk);

    PlotSink& m_sink;
    TPlotState& m_state;
    const TModelParams& m_medium;
    CurveWay m_way;
    std::vector<int> m_percents;
    SweepRecorder m_recorder;
    ReSamples m_samples;
    bool m_kept = true;
    double m_values[SampleChunk::kCapacity];
    const double* m_re = m_values; ///< n of the chunk just filled
    PlotSurface::PenStyle m_styles[SampleChunk::kCapacity];
    DrawnCurve m_drawn;
    std::optional<CurveReducer> m_reducer;
    std::vector<CanvasPoint> m_moves;
    std::vector<PlotSurface::PenStyle> m_moveStyles; ///< in the dotted way
    std::vector<Chunk> m_chunks;
    std::vector<Question> m_questions;
    CanvasPoint m_pen{0, 0};
    PlotSurface::PenStyle m_style = PlotSurface::PenStyle::Solid;
    double m_last = 0;
};
