// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's drawing surface: a pen, a brush and a text colour that persist from one
// command to the next, drawing straight into the pixels of a QImage.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

class QFont;

/** A pixel position on a canvas. */
struct CanvasPoint {
    std::int32_t x;
    std::int32_t y;
};

class Canvas {
public:
    enum class PenStyle { Solid, Dotted };

    /** Draws into image (Format_RGB32), which must outlive the canvas. */
    explicit Canvas(QImage& image);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage& image() { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    void setPenColor(QRgb color) { m_penColor = color; }
    QRgb penColor() const { return m_penColor; }
    /** A change of style starts the dot pattern afresh. */
    void setPenStyle(PenStyle style);
    PenStyle penStyle() const { return m_penStyle; }
    void setBrushColor(QRgb color) { m_brushColor = color; }
    QRgb brushColor() const { return m_brushColor; }
    void setTextColor(QRgb color) { m_textColor = color; }
    QRgb textColor() const { return m_textColor; }

    /** Moves the pen without drawing; the next dotted line starts its pattern afresh. */
    void moveTo(std::int32_t x, std::int32_t y);
    /** A one-pixel line from the pen to (x, y) in the pen's colour and style; (x, y) itself
        is not painted and the pen stays there. Dotted lines paint their gaps in the brush
        colour, continuing the pattern of the line before unless the pen was moved or its
        style changed. Whatever falls outside the image is clipped. */
    void lineTo(std::int32_t x, std::int32_t y);
    /** lineTo() each of the count points in turn. */
    void polylineTo(const CanvasPoint* points, int count);
    /** setPenStyle(styles[i]) then lineTo(points[i]), for each of the count points in turn. */
    void polylineTo(const CanvasPoint* points, int count, const PenStyle* styles);
    /** moveTo(x1, y1) then lineTo(x2, y2). */
    void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    /** Fills x1..x2-1, y1..y2-1 with the brush and edges it with a solid line of the pen. */
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    /** Sets one pixel (clipped). */
    void setPixel(std::int32_t x, std::int32_t y, QRgb color);
    /** setPixel() at each of the count points in turn. */
    void setPixels(const CanvasPoint* points, int count, QRgb color);
    /** Writes text with its top-left corner at (x, y), in the text colour, on an opaque
        box of the brush colour, in the surface's default font. */
    void textOut(std::int32_t x, std::int32_t y, const QString& text);

    /** The width and height of the box textOut paints for text. */
    QSize textExtent(const QString& text) const;
    /** The surface's default font, the one textOut writes in. */
    QFont font() const;

private:
    /** The image's pixels as lines and points write them, looked up once for many. */
    struct Raster {
        QRgb* bits;
        std::ptrdiff_t stride; ///< pixels from one row to the next
        std::int64_t width;
        std::int64_t height;
    };
    Raster raster();
    void lineTo(const Raster& raster, std::int32_t x, std::int32_t y);

    struct TextSurface;
    /** The font, its metrics and the painter of the texts, made at the first text. */
    TextSurface& textSurface() const;

    /** Fills x1..x2-1, y1..y2-1, clipped to the image. */
    void fill(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color);

    QImage& m_image;
    QRgb m_penColor = qRgb(0, 0, 0);
    PenStyle m_penStyle = PenStyle::Solid;
    QRgb m_brushColor = qRgb(255, 255, 255);
    QRgb m_textColor = qRgb(0, 0, 0);
    std::int32_t m_penX = 0;
    std::int32_t m_penY = 0;
    int m_dotPhase = 0; ///< where the dot pattern stands after the last line
    mutable std::unique_ptr<TextSurface> m_text;
};
