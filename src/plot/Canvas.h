// SPDX-License-Identifier: GPL-3.0-or-later
// The window's drawing surface: the plot drawn straight into the pixels of a QImage.
#pragma once

#include "PlotSurface.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

class QFont;

/** The plot surface of the window: drawing straight into the pixels of a QImage. */
class Canvas final : public PlotSurface {
public:
    /** Draws into image (Format_RGB32), which must outlive the canvas. */
    explicit Canvas(QImage& image);
    ~Canvas() override;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }

    void lineTo(std::int32_t x, std::int32_t y) override;
    void polylineTo(const CanvasPoint* points, int count) override;
    void polylineTo(const CanvasPoint* points, int count, const PenStyle* styles) override;
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void setPixels(const CanvasPoint* points, int count, QRgb color) override;
    void textOut(std::int32_t x, std::int32_t y, const QString& text) override;
    QSize textExtent(const QString& text) const override;
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
    mutable std::unique_ptr<TextSurface> m_text;
};
