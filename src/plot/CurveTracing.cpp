// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveTracing.h"

#include "CompletedPlot.h"
#include "CurveAhead.h"
#include "KeptCurve.h"
#include "PlotMapping.h"
#include "PlotSurface.h"
#include "SampleStream.h"
#include "SampleTape.h"
#include "Sweep.h"
#include "model/Model.h"

#include <cmath>

namespace {
const QString kImText =
    QStringLiteral("Построение зависимости мнимой части показателя преломления от частоты...");
const QString kReText = QStringLiteral(
    "Построение зависимости действительной части показателя преломления от частоты...");

using Model = double (*)(const TModelParams&, double);

/** One sweep of the plot: what every way of tracing a curve shares. */
struct Trace {
    PlotSink& sink;
    PlotSurface& surface;
    const TModelParams& medium;
    TPlotState& state;
};

/** The pixels of a chunk's samples, in a loop of their own so that their roundings overlap.
    Returns how many lead samples have theirs; the checked mapping decides the rest. */
int chunkPixels(const PlotMapping& mapping, const SampleChunk& chunk, CanvasPoint* pixels) {
    for (int i = 0; i < chunk.count; ++i)
        if (!mapping.tryCanvasPoint(chunk.w[i], chunk.v[i], pixels[i]))
            return i;
    return chunk.count;
}

/** Draws a chunk's samples: draw(pixels, count) those whose pixels were computed ahead, then
    their progress; the rest, if any, one at a time with the sample made the sweep's current
    one and the checked mapping deciding (and failing). Progress never looks at the
    picture, so it may follow the drawing of a chunk. Each sample drawn goes to the
    reducer with the pen style style(i). */
template <typename Draw, typename Style>
void drawChunk(const Trace& t, const PlotMapping& mapping, const SampleChunk& chunk,
               SweepProgress& progress, CurveReducer& reducer, Draw&& draw, Style&& style) {
    CanvasPoint pixels[SampleChunk::kCapacity];
    const int computed = chunkPixels(mapping, chunk, pixels);
    draw(pixels, 0, computed);
    for (int i = 0; i < computed; ++i)
        reducer.add(chunk.w[i], chunk.v[i], pixels[i], style(i));
    progress.samples(chunk.w, computed);
    for (int i = computed; i < chunk.count; ++i) {
        t.state.SweepFreq = chunk.w[i];
        t.state.SweepValue = chunk.v[i];
        pixels[i] = mapping.samplePixel(chunk.w[i], chunk.v[i]);
        draw(pixels, i, 1);
        reducer.add(chunk.w[i], chunk.v[i], pixels[i], style(i));
        progress.sample(chunk.w[i]);
    }
}

constexpr auto kSolid = [](int) { return PlotSurface::PenStyle::Solid; };

/** Where a curve's sweep takes its samples from besides the model, and the n it keeps. */
struct Sources {
    KeptCurve* kept = nullptr;
    SampleTape::Reader* tape = nullptr;
    SampleStream* stream = nullptr;
};

/** n''(w) or n(w): the model as the program checks it, and the same operations unchecked. */
template <typename Extended> struct Curve {
    Model checked;
    Extended extended;
};

/** One curve over the sweep, each stretch of samples drawn by draw(pixels, from, count):
    as a line or as single pixels. The samples come from the tape if there is one, else
    from the stream while it gives them, else from the model; with kept, the sweep keeps n
    beside the curve. */
template <typename Extended, typename Draw>
void traceCurve(const Trace& t, const Curve<Extended>& curve, const QString& text,
                CurveReducer& reducer, Draw draw, const Sources& sources) {
    KeptCurve* kept = sources.kept;
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    SweepProgress progress(t.sink, state, &text);
    const ModelTerms terms = modelTerms(t.medium);
    const double step = state.FreqStep;
    const auto value = [&](double x) { return static_cast<double>(curve.extended(terms, x)); };
    sweepSamples(
        t.sink, state,
        [&](SampleChunk& chunk, double w, double end) {
            const double* re = nullptr;
            if (sources.tape)
                sources.tape->fill(chunk, end);
            else if (kept && kept->kept())
                kept->fill(chunk, w, end, value, sources.stream);
            else if (!sources.stream || !sources.stream->fill(chunk, end, re))
                fillValues(chunk, w, end, step, value);
        },
        [&] {
            // A chunk done again sample by sample: n is left to its own sweep.
            if (kept)
                kept->abandon();
            return curve.checked(t.medium, state.SweepFreq);
        },
        [&](const SampleChunk& chunk) {
            drawChunk(t, mapping, chunk, progress, reducer, draw, kSolid);
            if (kept)
                kept->take(mapping, chunk);
        });
}

template <typename Extended>
void traceLine(const Trace& t, const Curve<Extended>& curve, QRgb color, const QString& text,
               DrawnCurve& drawn, const Sources& sources) {
    t.surface.setPenStyle(PlotSurface::PenStyle::Solid);
    drawn.start = curve.checked(t.medium, t.state.FreqFrom);
    t.surface.moveTo(0, PlotMapping(t.state).pixelY(drawn.start));
    CurveReducer reducer(drawn, false, false);
    traceCurve(
        t, curve, text, reducer,
        [&](const CanvasPoint* p, int from, int n) {
            t.surface.setPenColor(color);
            t.surface.polylineTo(p + from, n);
        },
        sources);
}

template <typename Extended>
void tracePoints(const Trace& t, const Curve<Extended>& curve, QRgb color, const QString& text,
                 DrawnCurve& drawn, const Sources& sources) {
    CurveReducer reducer(drawn, true, false);
    traceCurve(
        t, curve, text, reducer,
        [&](const CanvasPoint* p, int from, int n) { t.surface.setPixels(p + from, n, color); },
        sources);
}

// Each segment of n(w) is dotted where n has not risen over the step that ends there.
void traceReWithAnomaly(const Trace& t, QRgb color, DrawnCurve& drawn, SampleTape::Reader* tape) {
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    drawn.start = RefractionRe(t.medium, state.FreqFrom);
    t.surface.moveTo(0, mapping.pixelY(drawn.start));
    CurveReducer reducer(drawn, false, true);
    SweepProgress progress(t.sink, state, &kReText);
    const double step = state.FreqStep;
    ReSamples samples(t.medium, step, true);
    PlotSurface::PenStyle styles[SampleChunk::kCapacity];
    sweepSamples(
        t.sink, state,
        [&](SampleChunk& chunk, double w, double end) {
            if (tape)
                tape->fill(chunk, end);
            else
                fillValues(chunk, w, end, step, [&](double x) { return samples.value(x); });
            if (chunk.clean)
                chunk.clean = samples.stylesAt(chunk.w, chunk.v,
                                               static_cast<std::size_t>(chunk.count), styles);
            // A chunk that is not clean is done again whole, sample by sample.
            if (!chunk.clean)
                samples.forget();
        },
        [&] {
            const double v = RefractionRe(t.medium, state.SweepFreq);
            state.SweepValue = v;
            const double back = fp::sumStored(state.SweepFreq, -state.FreqStep);
            const double before = RefractionRe(t.medium, back);
            styles[0] = before < v ? PlotSurface::PenStyle::Solid : PlotSurface::PenStyle::Dotted;
            return v;
        },
        [&](const SampleChunk& chunk) {
            t.surface.setPenColor(color);
            drawChunk(
                t, mapping, chunk, progress, reducer,
                [&](const CanvasPoint* p, int from, int n) {
                    t.surface.polylineTo(p + from, n, styles + from);
                },
                [&](int i) { return styles[i]; });
        });
}

/** n drawn from the tape with what was made ready ahead: its lines or points only; the start,
    the gauge, the questions and the last sample as its own sweep has them. */
void traceAhead(const Trace& t, SampleTape::Reader& tape, CurveAhead& ahead, CurveWay way,
                QRgb color, DrawnCurve& drawn) {
    TPlotState& state = t.state;
    double start = 0;
    if (way != CurveWay::Points) {
        if (way == CurveWay::Line)
            t.surface.setPenStyle(PlotSurface::PenStyle::Solid);
        start = RefractionRe(t.medium, state.FreqFrom);
        t.surface.moveTo(0, PlotMapping(state).pixelY(start));
    }
    drawn = ahead.takeDrawn();
    drawn.start = start;
    SweepProgress progress(t.sink, state, &kReText);
    sweepSamples(
        t.sink, state, [&](SampleChunk& chunk, double, double end) { tape.fill(chunk, end); },
        // Chunks read from the tape are clean: no sample is done again on its own.
        [&] { return RefractionRe(t.medium, state.SweepFreq); },
        [&](const SampleChunk& chunk) {
            drawCurvePixels(t.surface, way, color, ahead.pixels(), ahead.styles(), tape.at(chunk),
                            chunk.count);
            progress.samples(chunk.w, chunk.count);
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

void traceCurves(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                 const TModelParams& medium, TPlotState& PlotState, const SampleTape& tape,
                 DrawnCurve& im, DrawnCurve& re) {
    const PlotSettings& settings = request.settings;
    const CurveWay way = !request.connected ? CurveWay::Points
                         : request.dotted   ? CurveWay::Dotted
                                            : CurveWay::Line;
    if (tape.complete()) {
        // The curves read the range sweep's samples: no sweep of the model at all; n is made
        // ready on another core while n'' is drawn.
        CurveAhead ahead(tape, PlotState, medium, way);
        SampleTape::Reader imTape(tape, true), reTape(tape, false);
        const Trace t{sink, surface, medium, PlotState};
        if (way == CurveWay::Points)
            tracePoints(t, kIm, settings.ImLineColor, kImText, im, {nullptr, &imTape});
        else
            traceLine(t, kIm, settings.ImLineColor, kImText, im, {nullptr, &imTape});
        if (ahead.ready())
            traceAhead(t, reTape, ahead, way, settings.ReLineColor, re);
        else if (way == CurveWay::Points)
            tracePoints(t, kRe, settings.ReLineColor, kReText, re, {nullptr, &reTape});
        else if (way == CurveWay::Dotted)
            traceReWithAnomaly(t, settings.ReLineColor, re, &reTape);
        else
            traceLine(t, kRe, settings.ReLineColor, kReText, re, {nullptr, &reTape});
        return;
    }
    // One sweep of the model for both curves: n is kept while n'' is drawn, then drawn over it.
    KeptCurve kept(sink, PlotState, medium, way);
    // Long sweeps are formed ahead on the other cores.
    SampleStream stream(medium, PlotState);
    const Trace imTrace{kept.sink(), surface, medium, PlotState};
    if (way == CurveWay::Points)
        tracePoints(imTrace, kIm, settings.ImLineColor, kImText, im, {&kept, nullptr, &stream});
    else
        traceLine(imTrace, kIm, settings.ImLineColor, kImText, im, {&kept, nullptr, &stream});
    kept.end();
    if (kept.kept()) {
        kept.draw(surface, settings.ReLineColor, kReText, re);
        return;
    }
    const Trace t{sink, surface, medium, PlotState};
    if (way == CurveWay::Points)
        tracePoints(t, kRe, settings.ReLineColor, kReText, re, {});
    else if (way == CurveWay::Dotted)
        traceReWithAnomaly(t, settings.ReLineColor, re, nullptr);
    else
        traceLine(t, kRe, settings.ReLineColor, kReText, re, {});
}
