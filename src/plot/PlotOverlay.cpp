// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotOverlay.h"

#include "PlotMapping.h"
#include "PlotRequest.h"
#include "PlotSurface.h"
#include "PlotUnit.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
/** Keeps the surface's pens and colours for the drawing after an overlay. */
class KeptStyle {
public:
    explicit KeptStyle(PlotSurface& surface)
        : m_surface(surface), m_pen(surface.penColor()), m_style(surface.penStyle()),
          m_brush(surface.brushColor()), m_text(surface.textColor()) {}
    ~KeptStyle() {
        m_surface.setPenColor(m_pen);
        m_surface.setPenStyle(m_style);
        m_surface.setBrushColor(m_brush);
        m_surface.setTextColor(m_text);
    }
    KeptStyle(const KeptStyle&) = delete;
    KeptStyle& operator=(const KeptStyle&) = delete;

private:
    PlotSurface& m_surface;
    QRgb m_pen;
    PlotSurface::PenStyle m_style;
    QRgb m_brush;
    QRgb m_text;
};

constexpr int kLabelGap = 3;  ///< pixels between the line and its label
constexpr int kLabelTop = 14; ///< below the value-axis title
} // namespace

void drawProbes(PlotSurface& surface, const TPlotState& PlotState, const PlotUnit& unit,
                const std::vector<ProbeReading>& probes, const PlotSettings& settings, QChar sep) {
    const KeptStyle kept(surface);
    const PlotMapping mapping(PlotState);
    surface.setPenStyle(PlotSurface::PenStyle::Solid);
    surface.setPenColor(settings.LabelFontColor);
    surface.setBrushColor(settings.BackgroundColor);
    surface.setTextColor(settings.LabelFontColor);
    int top = kLabelTop;
    for (const ProbeReading& probe : probes) {
        // A probe outside this plot's interval stays for a later one.
        const double w = toPictureUnit(unit, probe.w);
        if (!(w >= PlotState.FreqFrom && w <= PlotState.FreqTo))
            continue;
        const std::int32_t x = mapping.samplePixel(w, 0).x;
        surface.line(x, 0, x, surface.height());
        const QStringList lines = probeLabelLines(probe, sep);
        int width = 0, height = 0;
        for (const QString& line : lines) {
            const QSize extent = surface.textExtent(line);
            width = std::max(width, extent.width());
            height = std::max(height, extent.height());
        }
        const int left =
            x + kLabelGap + width <= surface.width() ? x + kLabelGap : x - kLabelGap - width;
        for (int i = 0; i < lines.size(); ++i)
            surface.textOut(left, top + i * height, lines[i]);
        top += int(lines.size()) * height + kLabelGap;
    }
}

namespace {
/** Pixels this far outside the picture stand for any farther: the lines towards them
    cross the picture within a hundredth of a pixel of where they would. */
constexpr long double kFar = 1 << 24;

/** origin + Round(product) (or minus it, down the picture), held within kFar of the
    picture: the curves' own mapping wherever it does not wrap around. */
std::int32_t heldPixel(std::int32_t origin, long double product, bool down, int size) {
    const long double r = std::fabs(product) < 0x1p62L
                              ? static_cast<long double>(fp::roundInRange(product))
                              : product;
    const long double p = down ? origin - r : origin + r;
    return static_cast<std::int32_t>(std::clamp<long double>(p, -kFar, size + kFar));
}

void drawKeptCurve(PlotSurface& surface, const TPlotState& PlotState, const PlotUnit& unit,
                   const ReferencePlot& reference, const DrawnCurve& curve, QRgb color) {
    std::vector<CanvasPoint> points;
    points.reserve(curve.samples.size());
    fp::clearPending();
    for (const CurveSample& s : curve.samples) {
        const long double w = toPictureUnit(unit, reference.unit.toHertz(s.w));
        points.push_back(
            {heldPixel(PlotState.OriginX, w * PlotState.FreqScale, false, surface.width()),
             heldPixel(PlotState.OriginY, static_cast<long double>(s.v) * PlotState.ValueScale,
                       true, surface.height())});
    }
    fp::raisePending();
    if (points.empty())
        return;
    if (!reference.connected) {
        surface.setPixels(points.data(), int(points.size()), color);
        return;
    }
    surface.setPenStyle(PlotSurface::PenStyle::Solid);
    surface.setPenColor(color);
    surface.moveTo(points.front().x, points.front().y);
    surface.polylineTo(points.data() + 1, int(points.size()) - 1);
}
} // namespace

void drawReference(PlotSurface& surface, const TPlotState& PlotState, const PlotUnit& unit,
                   const ReferencePlot& reference, const PlotSettings& settings) {
    const KeptStyle kept(surface);
    drawKeptCurve(surface, PlotState, unit, reference, reference.im, paler(settings.ImLineColor));
    drawKeptCurve(surface, PlotState, unit, reference, reference.re, paler(settings.ReLineColor));
}

void drawLegend(PlotSurface& surface, const MediumDifference& legend,
                const PlotSettings& settings) {
    const KeptStyle kept(surface);
    constexpr int kMargin = 14;
    const QString lines[] = {QStringLiteral("— ") + legend.reference,
                             QStringLiteral("— ") + legend.current};
    const QRgb colors[] = {paler(settings.ReLineColor), settings.ReLineColor};
    int width = 0, height = 0;
    for (const QString& line : lines) {
        const QSize extent = surface.textExtent(line);
        width = std::max(width, extent.width());
        height = std::max(height, extent.height());
    }
    surface.setBrushColor(settings.BackgroundColor);
    for (int i = 0; i < 2; ++i) {
        surface.setTextColor(colors[i]);
        surface.textOut(surface.width() - kMargin - width,
                        surface.height() - kMargin - (2 - i) * height, lines[i]);
    }
}

void drawReferenceUnder(PlotSurface& surface, const PlotRequest& request,
                        const TPlotState& PlotState, const PlotUnit& unit) {
    if (request.reference)
        drawReference(surface, PlotState, unit, *request.reference, request.settings);
}

void drawReferenceLegend(PlotSurface& surface, const PlotRequest& request,
                         const TModelParams& typed) {
    if (request.reference)
        drawLegend(surface,
                   mediumDifference(request.reference->typed, typed, request.decimalSeparator),
                   request.settings);
}
