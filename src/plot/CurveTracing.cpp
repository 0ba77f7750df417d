// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveTracing.h"

#include "PlotMapping.h"
#include "PlotSurface.h"
#include "PlotView.h"
#include "Sweep.h"
#include "model/Model.h"

#include <cmath>

namespace {
const QString kImText =
    QStringLiteral("Построение зависимости мнимой части показателя преломления от частоты...");
const QString kReText = QStringLiteral(
    "Построение зависимости действительной части показателя преломления от частоты...");

// The gauge and the status line, touched only when what they show changes: the plot
// looks at the event queue only now and then, so each change is painted at once by the view.
class Progress {
public:
    Progress(PlotView& view, const TPlotState& state, const QString& text)
        : m_view(view), m_state(state), m_text(text) {}

    /** The sample at frequency w is drawn. */
    void sample(double w) {
        if (!m_textShown) {
            m_view.setStatusText(m_text);
            m_textShown = true;
        }
        const long double done = static_cast<long double>(w) - m_state.FreqFrom;
        if (done < m_unchangedBelow)
            return;
        fp::clearPending();
        const long double span = static_cast<long double>(m_state.FreqTo) - m_state.FreqFrom;
        const int percent = static_cast<int>(fp::round(fp::checked(done * 100 / span)));
        if (percent != m_percent) {
            m_view.setProgress(percent);
            m_percent = percent;
        }
        // Below this offset the percentage still rounds to the same value: the exact
        // quotient is needed only near the next change (a thousandth of a percent early).
        if (span > 0)
            m_unchangedBelow = (percent + 0.5L - 0.001L) * span / 100;
    }

private:
    PlotView& m_view;
    const TPlotState& m_state;
    const QString& m_text;
    bool m_textShown = false;
    int m_percent = -1;
    long double m_unchangedBelow = -HUGE_VALL;
};

using Model = double (*)(const TModelParams&, double);

/** One sweep of the plot: what every way of tracing a curve shares. */
struct Trace {
    PlotView& view;
    PlotSurface& canvas;
    const TModelParams& medium;
    TPlotState& state;
};

/** The pixels of a chunk's samples, in a loop of their own so that their roundings overlap.
    Returns how many lead samples have theirs; the checked mapping decides the rest. */
int chunkPixels(const PlotMapping& mapping, const SampleChunk& chunk, SamplePixel* pixels) {
    for (int i = 0; i < chunk.count; ++i)
        if (!mapping.trySamplePixel(chunk.w[i], chunk.v[i], pixels[i]))
            return i;
    return chunk.count;
}

/** Draws a chunk's samples: draw(pixels, count) those whose pixels were computed ahead, then
    their progress; the rest, if any, one at a time with the sample made the sweep's current
    one and the checked mapping deciding (and failing). Progress never looks at the
    picture, so it may follow the drawing of a chunk. */
template <typename Draw>
void drawChunk(const Trace& t, const PlotMapping& mapping, const SampleChunk& chunk,
               Progress& progress, Draw&& draw) {
    SamplePixel pixels[SampleChunk::kCapacity];
    const int computed = chunkPixels(mapping, chunk, pixels);
    draw(pixels, 0, computed);
    for (int i = 0; i < computed; ++i)
        progress.sample(chunk.w[i]);
    for (int i = computed; i < chunk.count; ++i) {
        t.state.SweepFreq = chunk.w[i];
        t.state.SweepValue = chunk.v[i];
        pixels[i] = mapping.samplePixel(chunk.w[i], chunk.v[i]);
        draw(pixels, i, 1);
        progress.sample(chunk.w[i]);
    }
}

/** n''(w) or n(w): the model as the program checks it, and the same operations unchecked. */
template <typename Extended> struct Curve {
    Model checked;
    Extended extended;
};

/** One curve over the sweep, each stretch of samples drawn by draw(pixels, from, count):
    as a line or as single pixels. */
template <typename Extended, typename Draw>
void traceCurve(const Trace& t, const Curve<Extended>& curve, const QString& text, Draw draw) {
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    Progress progress(t.view, state, text);
    const ModelTerms terms = modelTerms(t.medium);
    const double step = state.FreqStep;
    sweepChunks(
        t.view, state,
        [&](SampleChunk& chunk, double w, double end) {
            fillValues(chunk, w, end, step,
                       [&](double x) { return static_cast<double>(curve.extended(terms, x)); });
        },
        [&](const SampleChunk& chunk) { drawChunk(t, mapping, chunk, progress, draw); },
        [&] {
            state.SweepValue = curve.checked(t.medium, state.SweepFreq);
            const SamplePixel p = mapping.samplePixel(state.SweepFreq, state.SweepValue);
            draw(&p, 0, 1);
            progress.sample(state.SweepFreq);
        });
}

template <typename Extended>
void traceLine(const Trace& t, const Curve<Extended>& curve, QRgb color, const QString& text) {
    t.canvas.setPenStyle(PlotSurface::PenStyle::Solid);
    t.canvas.moveTo(0, PlotMapping(t.state).pixelY(curve.checked(t.medium, t.state.FreqFrom)));
    traceCurve(t, curve, text, [&](const SamplePixel* p, int from, int n) {
        t.canvas.setPenColor(color);
        t.canvas.polylineTo(p + from, n);
    });
}

template <typename Extended>
void tracePoints(const Trace& t, const Curve<Extended>& curve, QRgb color, const QString& text) {
    traceCurve(t, curve, text, [&](const SamplePixel* p, int from, int n) {
        t.canvas.setPixels(p + from, n, color);
    });
}

// Each segment of n(w) is dotted where n has not risen over the step that ends there.
void traceReWithAnomaly(const Trace& t, QRgb color) {
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    t.canvas.moveTo(0, mapping.pixelY(RefractionRe(t.medium, state.FreqFrom)));
    Progress progress(t.view, state, kReText);
    const ModelTerms terms = modelTerms(t.medium);
    const double step = state.FreqStep;
    const auto re = [&](double x) { return static_cast<double>(refractionReExtended(terms, x)); };
    PlotSurface::PenStyle styles[SampleChunk::kCapacity];
    // The sample before: one step back usually lands on it, and n there is known.
    bool havePrevious = false;
    double previousW = 0, previousV = 0;
    sweepChunks(
        t.view, state,
        [&](SampleChunk& chunk, double w, double end) {
            int n = 0;
            bool clean = true;
            do {
                const double v = re(w);
                const double back = nextSample(w, -step);
                const double before = havePrevious && back == previousW ? previousV : re(back);
                chunk.w[n] = w;
                chunk.v[n] = v;
                styles[n] =
                    before < v ? PlotSurface::PenStyle::Solid : PlotSurface::PenStyle::Dotted;
                ++n;
                havePrevious = true;
                previousW = w;
                previousV = v;
                w = nextSample(w, step);
                clean = std::isfinite(v) && std::isfinite(back) && std::isfinite(before) &&
                        std::isfinite(w);
            } while (clean && w < end && n < SampleChunk::kCapacity);
            chunk.count = n;
            chunk.next = w;
            chunk.clean = clean;
            // A chunk done again sample by sample leaves no sample before to reuse.
            havePrevious = clean;
        },
        [&](const SampleChunk& chunk) {
            t.canvas.setPenColor(color);
            drawChunk(t, mapping, chunk, progress, [&](const SamplePixel* p, int from, int n) {
                t.canvas.polylineTo(p + from, n, styles + from);
            });
        },
        [&] {
            state.SweepValue = RefractionRe(t.medium, state.SweepFreq);
            t.canvas.setPenColor(color);
            const double back = fp::sumStored(state.SweepFreq, -state.FreqStep);
            const double before = RefractionRe(t.medium, back);
            t.canvas.setPenStyle(before < state.SweepValue ? PlotSurface::PenStyle::Solid
                                                           : PlotSurface::PenStyle::Dotted);
            const SamplePixel p = mapping.samplePixel(state.SweepFreq, state.SweepValue);
            t.canvas.lineTo(p.x, p.y);
            progress.sample(state.SweepFreq);
        });
}

const auto kImExtended = [](const ModelTerms& t, long double w) {
    return refractionImExtended(t, w);
};
const auto kReExtended = [](const ModelTerms& t, long double w) {
    return refractionReExtended(t, w);
};
const Curve<decltype(kImExtended)> kIm{RefractionIm, kImExtended};
const Curve<decltype(kReExtended)> kRe{RefractionRe, kReExtended};
} // namespace

void traceCurves(PlotView& view, PlotSurface& canvas, const TModelParams& medium,
                 TPlotState& PlotState, bool connected, bool dottedAnomaly) {
    const PlotSettings settings = view.plotSettings();
    const Trace t{view, canvas, medium, PlotState};
    if (!connected) {
        tracePoints(t, kIm, settings.ImLineColor, kImText);
        tracePoints(t, kRe, settings.ReLineColor, kReText);
        return;
    }
    traceLine(t, kIm, settings.ImLineColor, kImText);
    if (dottedAnomaly)
        traceReWithAnomaly(t, settings.ReLineColor);
    else
        traceLine(t, kRe, settings.ReLineColor, kReText);
}
