// SPDX-License-Identifier: GPL-3.0-or-later
// The plot as vector drawing: the same frame and curves as the pixel canvas, painted through
// a QPainter onto an SVG, a PDF or a printer page.
#pragma once

#include "PlotSurface.h"

class QPainter;

/** Paints lines as lines and texts as texts, in the plot image's pixel coordinates: a
    one-pixel line from pixel a to pixel b runs between the pixels' centres, a dotted line
    alternates three pixels of the pen's colour with three of the brush's. A finished curve
    is one stroked path through its samples' exact positions, one pixel wide at any size. */
class VectorSurface final : public PlotSurface {
public:
    /** Paints through painter (active, in coordinates where one unit is one pixel of the
        image) on a surface of the given size. */
    VectorSurface(QPainter& painter, QSize size);

    int width() const override { return m_size.width(); }
    int height() const override { return m_size.height(); }

    void lineTo(std::int32_t x, std::int32_t y) override;
    void polylineTo(const CanvasPoint* points, int count) override;
    void polylineTo(const CanvasPoint* points, int count, const PenStyle* styles) override;
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void setPixels(const CanvasPoint* points, int count, QRgb color) override;
    void textOut(std::int32_t x, std::int32_t y, const QString& text) override;
    QSize textExtent(const QString& text) const override;
    bool drawsExactCurves() const override { return true; }
    void curve(const ExactCurve& curve) override;

private:
    QPainter& m_painter;
    QSize m_size;
    QFont m_font;
};
