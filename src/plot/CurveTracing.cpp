// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveTracing.h"

#include "Canvas.h"
#include "PlotMapping.h"
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

    void sample() {
        if (!m_textShown) {
            m_view.setStatusText(m_text);
            m_textShown = true;
        }
        const long double done = static_cast<long double>(m_state.SweepFreq) - m_state.FreqFrom;
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
    Canvas& canvas;
    const TModelParams& medium;
    TPlotState& state;
};

void traceLine(const Trace& t, Model model, QRgb color, const QString& text) {
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    t.canvas.setPenStyle(Canvas::PenStyle::Solid);
    t.canvas.moveTo(0, mapping.pixelY(model(t.medium, state.FreqFrom)));
    Progress progress(t.view, state, text);
    sweep(t.view, state, [&] {
        state.SweepValue = model(t.medium, state.SweepFreq);
        t.canvas.setPenColor(color);
        const SamplePixel p = mapping.samplePixel(state.SweepFreq, state.SweepValue);
        t.canvas.lineTo(p.x, p.y);
        progress.sample();
    });
}

// Each segment of n(w) is dotted where n has not risen over the step that ends there.
void traceReWithAnomaly(const Trace& t, QRgb color) {
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    t.canvas.moveTo(0, mapping.pixelY(RefractionRe(t.medium, state.FreqFrom)));
    Progress progress(t.view, state, kReText);
    sweep(t.view, state, [&] {
        state.SweepValue = RefractionRe(t.medium, state.SweepFreq);
        t.canvas.setPenColor(color);
        const double back = fp::sumStored(state.SweepFreq, -state.FreqStep);
        const double before = RefractionRe(t.medium, back);
        t.canvas.setPenStyle(before < state.SweepValue ? Canvas::PenStyle::Solid
                                                       : Canvas::PenStyle::Dotted);
        const SamplePixel p = mapping.samplePixel(state.SweepFreq, state.SweepValue);
        t.canvas.lineTo(p.x, p.y);
        progress.sample();
    });
}

void tracePoints(const Trace& t, Model model, QRgb color, const QString& text) {
    TPlotState& state = t.state;
    const PlotMapping mapping(state);
    Progress progress(t.view, state, text);
    sweep(t.view, state, [&] {
        state.SweepValue = model(t.medium, state.SweepFreq);
        const SamplePixel p = mapping.samplePixel(state.SweepFreq, state.SweepValue);
        t.canvas.setPixel(p.x, p.y, color);
        progress.sample();
    });
}
} // namespace

void traceCurves(PlotView& view, Canvas& canvas, const TModelParams& medium, TPlotState& PlotState,
                 bool connected, bool dottedAnomaly) {
    const PlotSettings settings = view.plotSettings();
    const Trace t{view, canvas, medium, PlotState};
    if (!connected) {
        tracePoints(t, RefractionIm, settings.ImLineColor, kImText);
        tracePoints(t, RefractionRe, settings.ReLineColor, kReText);
        return;
    }
    traceLine(t, RefractionIm, settings.ImLineColor, kImText);
    if (dottedAnomaly)
        traceReWithAnomaly(t, settings.ReLineColor);
    else
        traceLine(t, RefractionRe, settings.ReLineColor, kReText);
}
