// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveTracing.h"

#include "Canvas.h"
#include "PlotState.h"
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
    Progress(PlotView& view, const QString& text) : m_view(view), m_text(text) {}

    void sample() {
        if (!m_textShown) {
            m_view.setStatusText(m_text);
            m_textShown = true;
        }
        const long double done = static_cast<long double>(PlotState.SweepFreq) - PlotState.FreqFrom;
        if (done < m_unchangedBelow)
            return;
        fp::clearPending();
        const long double span = static_cast<long double>(PlotState.FreqTo) - PlotState.FreqFrom;
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
    const QString& m_text;
    bool m_textShown = false;
    int m_percent = -1;
    long double m_unchangedBelow = -HUGE_VALL;
};

void traceLine(PlotView& view, Canvas& canvas, double (*model)(double), QRgb color,
               const QString& text) {
    canvas.setPenStyle(Canvas::PenStyle::Solid);
    canvas.moveTo(0, pixelY(model(PlotState.FreqFrom)));
    Progress progress(view, text);
    sweep(view, [&] {
        PlotState.SweepValue = model(PlotState.SweepFreq);
        canvas.setPenColor(color);
        const SamplePixel p = samplePixel(PlotState.SweepFreq, PlotState.SweepValue);
        canvas.lineTo(p.x, p.y);
        progress.sample();
    });
}

// Each segment of n(w) is dotted where n has not risen over the step that ends there.
void traceReWithAnomaly(PlotView& view, Canvas& canvas, QRgb color) {
    canvas.moveTo(0, pixelY(RefractionRe(PlotState.FreqFrom)));
    Progress progress(view, kReText);
    sweep(view, [&] {
        PlotState.SweepValue = RefractionRe(PlotState.SweepFreq);
        canvas.setPenColor(color);
        const double back = fp::sumStored(PlotState.SweepFreq, -PlotState.FreqStep);
        const double before = RefractionRe(back);
        canvas.setPenStyle(before < PlotState.SweepValue ? Canvas::PenStyle::Solid
                                                         : Canvas::PenStyle::Dotted);
        const SamplePixel p = samplePixel(PlotState.SweepFreq, PlotState.SweepValue);
        canvas.lineTo(p.x, p.y);
        progress.sample();
    });
}

void tracePoints(PlotView& view, Canvas& canvas, double (*model)(double), QRgb color,
                 const QString& text) {
    Progress progress(view, text);
    sweep(view, [&] {
        PlotState.SweepValue = model(PlotState.SweepFreq);
        const SamplePixel p = samplePixel(PlotState.SweepFreq, PlotState.SweepValue);
        canvas.setPixel(p.x, p.y, color);
        progress.sample();
    });
}
} // namespace

void traceCurves(PlotView& view, Canvas& canvas, bool connected, bool dottedAnomaly) {
    const PlotSettings settings = view.plotSettings();
    if (!connected) {
        tracePoints(view, canvas, RefractionIm, settings.ImLineColor, kImText);
        tracePoints(view, canvas, RefractionRe, settings.ReLineColor, kReText);
        return;
    }
    traceLine(view, canvas, RefractionIm, settings.ImLineColor, kImText);
    if (dottedAnomaly)
        traceReWithAnomaly(view, canvas, settings.ReLineColor);
    else
        traceLine(view, canvas, RefractionRe, settings.ReLineColor, kReText);
}
