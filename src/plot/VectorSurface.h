// SPDX-License-Identifier: GPL-3.0-or-later
// The plot as vector drawing: the same frame and curves as the pixel canvas, painted through
// a QPainter onto an SVG, a PDF or a printer page.
#pragma once

#include "PlotSurface.h"

class QPainter;

/** Paints lines as lines and texts as texts, in the plot image's pixel coordinates: a
    one-pixel line from pixel a to pixel b runs between the pixels' centres, a dotted line
    alternates three pixels of the pen's colour with three of the brush's. */
class VectorSurface final : public PlotSurface {
public:
    /** Paints through painter (active, in coordinates where one unit is one pixel of the
        image) on a surface of the given size. */
    VectorSurface(QPainter& painter, QSize size);

    int width() const override { return m_size.width(); }
    int height() const override { return m_size.height(); }

    void setPenColor(QRgb color) override { m_penColor = color; }
    QRgb penColor() const override { return m_penColor; }
    void setPenStyle(PenStyle style) override;
    PenStyle penStyle() const override { return m_penStyle; }
    void setBrushColor(QRgb color) override { m_brushColor = color; }
    QRgb brushColor() const override { return m_brushColor; }
    void setTextColor(QRgb color) override { m_textColor = color; }
    QRgb textColor() const override { return m_textColor; }

    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    void polylineTo(const CanvasPoint* points, int count) override;
    void polylineTo(const CanvasPoint* points, int count, const PenStyle* styles) override;
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void setPixels(const CanvasPoint* points, int count, QRgb color) override;
    void textOut(std::int32_t x, std::int32_t y, const QString& text) override;
    QSize textExtent(const QString& text) const override;

private:
    QPainter& m_painter;
    QSize m_size;
    QFont m_font;
    QRgb m_penColor = qRgb(0, 0, 0);
    PenStyle m_penStyle = PenStyle::Solid;
    QRgb m_brushColor = qRgb(255, 255, 255);
    QRgb m_textColor = qRgb(0, 0, 0);
    std::int32_t m_penX = 0;
    std::int32_t m_penY = 0;
    int m_dotPhase = 0; ///< where the dot pattern stands after the last line
};
