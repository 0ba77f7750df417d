// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotOverlay.h"

#include "PlotMapping.h"
#include "PlotSurface.h"
#include "PlotUnit.h"

#include <QStringList>
#include <algorithm>

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
