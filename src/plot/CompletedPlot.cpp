// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompletedPlot.h"

#include "PlotMapping.h"

#include <algorithm>

void CurveReducer::close() {
    if (m_count == 0)
        return;
    Kept kept[] = {m_first, m_low, m_high, m_last};
    std::sort(std::begin(kept), std::end(kept),
              [](const Kept& a, const Kept& b) { return a.index < b.index; });
    std::int64_t previous = -1;
    for (const Kept& k : kept) {
        if (k.index == previous)
            continue;
        previous = k.index;
        m_curve.samples.push_back(k.sample);
        if (m_styled)
            m_curve.styles.push_back(m_style);
    }
    m_count = 0;
}

namespace {
void drawCurve(PlotSurface& surface, const PlotMapping& mapping, const DrawnCurve& curve,
               QRgb color, bool connected) {
    std::vector<CanvasPoint> points;
    points.reserve(curve.samples.size());
    for (const CurveSample& s : curve.samples)
        points.push_back(mapping.samplePixel(s.w, s.v));
    const int count = static_cast<int>(points.size());
    if (!connected) {
        surface.setPixels(points.data(), count, color);
        return;
    }
    if (curve.styles.empty())
        surface.setPenStyle(PlotSurface::PenStyle::Solid);
    surface.setPenColor(color);
    surface.moveTo(0, mapping.pixelY(curve.start));
    if (curve.styles.empty())
        surface.polylineTo(points.data(), count);
    else
        surface.polylineTo(points.data(), count, curve.styles.data());
}
} // namespace

void drawPlot(PlotSurface& surface, const CompletedPlot& plot) {
    const PlotSettings& settings = plot.request.settings;
    const bool connected = plot.request.connected;
    const PlotMapping mapping(plot.PlotState);
    DrawPlotBackground(surface, settings);
    DrawAxesLayer(surface, settings, connected, plot.PlotState, plot.unit, plot.texts);
    drawCurve(surface, mapping, plot.im, settings.ImLineColor, connected);
    drawCurve(surface, mapping, plot.re, settings.ReLineColor, connected);
    DrawRulersAndGrid(surface, settings, plot.PlotState);
    if (settings.ScaleLabels)
        DrawScaleLabels(surface, settings, plot.PlotState, plot.unit, plot.texts);
}
