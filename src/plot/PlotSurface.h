// SPDX-License-Identifier: GPL-3.0-or-later
// What the frame and the curves draw on: the pixel canvas of the window, or a vector
// drawing for a picture to keep or print.
#pragma once

#include "CanvasPoint.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <cstdint>

/** A pen colour and style, a brush colour and a text colour that persist between calls;
    one-pixel lines whose end point is not painted, dotted lines whose gaps take the brush
    colour, single pixels, rectangles and texts on an opaque box. Coordinates are pixels of
    the plot image. */
class PlotSurface {
public:
    enum class PenStyle { Solid, Dotted };
    static constexpr int kDotOn = 3;     ///< pixels of a dotted line in the pen colour
    static constexpr int kDotPeriod = 6; ///< then as many in the brush colour

    virtual ~PlotSurface() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    void setPenColor(QRgb color) { m_penColor = color; }
    QRgb penColor() const { return m_penColor; }
    /** A change of style starts the dot pattern afresh. */
    void setPenStyle(PenStyle style) {
        if (style != m_penStyle)
            m_dotPhase = 0;
        m_penStyle = style;
    }
    PenStyle penStyle() const { return m_penStyle; }
    void setBrushColor(QRgb color) { m_brushColor = color; }
    QRgb brushColor() const { return m_brushColor; }
    void setTextColor(QRgb color) { m_textColor = color; }
    QRgb textColor() const { return m_textColor; }

    /** Moves the pen without drawing; the next dotted line starts its pattern afresh. */
    void moveTo(std::int32_t x, std::int32_t y) {
        m_penX = x;
        m_penY = y;
        m_dotPhase = 0;
    }
    /** A one-pixel line from the pen to (x, y) in the pen's colour and style; (x, y) itself
        is not painted and the pen stays there. Dotted lines paint their gaps in the brush
        colour, continuing the pattern of the line before unless the pen was moved or its
        style changed. Whatever falls outside the image is clipped. */
    virtual void lineTo(std::int32_t x, std::int32_t y) = 0;
    /** lineTo() each of the count points in turn. */
    virtual void polylineTo(const CanvasPoint* points, int count) = 0;
    /** setPenStyle(styles[i]) then lineTo(points[i]), for each of the count points in turn. */
    virtual void polylineTo(const CanvasPoint* points, int count, const PenStyle* styles) = 0;
    /** moveTo(x1, y1) then lineTo(x2, y2). */
    void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    /** Fills x1..x2-1, y1..y2-1 with the brush and edges it with a solid line of the pen. */
    virtual void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    /** Sets one pixel (clipped). */
    void setPixel(std::int32_t x, std::int32_t y, QRgb color) {
        const CanvasPoint point{x, y};
        setPixels(&point, 1, color);
    }
    /** setPixel() at each of the count points in turn. */
    virtual void setPixels(const CanvasPoint* points, int count, QRgb color) = 0;
    /** Writes text with its top-left corner at (x, y), in the text colour, on an opaque
        box of the brush colour, in the plot's font. */
    virtual void textOut(std::int32_t x, std::int32_t y, const QString& text) = 0;
    /** The width and height of the box textOut paints for text. */
    virtual QSize textExtent(const QString& text) const = 0;

protected:
    QRgb m_penColor = qRgb(0, 0, 0);
    PenStyle m_penStyle = PenStyle::Solid;
    QRgb m_brushColor = qRgb(255, 255, 255);
    QRgb m_textColor = qRgb(0, 0, 0);
    std::int32_t m_penX = 0;
    std::int32_t m_penY = 0;
    int m_dotPhase = 0; ///< where the dot pattern stands after the last line
};

/** The plot's font: a narrow face at the 11 pixels of the classic 8-point dialog font. */
QFont plotFont();
