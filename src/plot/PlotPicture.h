// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's picture as it leaves the program: enlarged, as PNG bytes, on a printed page.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <functional>

class QPainter;
class QRectF;

/** The side of the plot's square picture, in pixels. */
inline constexpr int kPictureSide = 473;

/** The picture enlarged factor times (1 to 4), each pixel a sharp square block. */
QImage enlargedPicture(const QImage& picture, int factor);

/** The bytes of a PNG file of the picture enlarged factor times. */
QByteArray pngBytes(const QImage& picture, int factor);

/** Paints the plot into target: the pixel picture stretched, each pixel a sharp block. */
void paintPlot(QPainter& painter, const QRectF& target, const QImage& picture);

/** Paints the plot into a square on a page. */
using PlotPainter = std::function<void(QPainter&, const QRectF&)>;

struct PlotSamples;

/** Paints a plot that ran to its end into target as vector drawing: the same frame and
    curves as the picture, lines as lines and texts as texts. */
void paintVectorPlot(QPainter& painter, const QRectF& target, const PlotSamples& plot);

/** The bytes of an SVG file of the plot, 473 x 473 pixels. */
QByteArray svgBytes(const PlotPainter& plot);

/** The bytes of a one-page PDF file of the plot, the page the plot's size at 96 pixels an
    inch. */
QByteArray pdfBytes(const PlotPainter& plot);

/** The texts of Edit1 to Edit13 as typed. */
using InputTexts = std::array<QString, 13>;

/** One printed page in the rectangle page: the plot as wide as the page (less where the
    fields would not fit under it), and under it the medium and the interval as typed,
    each with its caption. */
void paintPrintPage(QPainter& painter, const QRectF& page, const PlotPainter& plot,
                    const InputTexts& fields, bool automatic);
