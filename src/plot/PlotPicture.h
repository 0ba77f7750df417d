// SPDX-License-Identifier: GPL-3.0-or-later
// The plot as it leaves the program: the one list of its file formats and their bytes,
// its picture enlarged, its vector drawing, its printed page.
#pragma once

#include "model/InputTexts.h"

#include <QByteArray>
#include <QChar>
#include <QImage>
#include <QString>
#include <functional>

class QPainter;
class QRectF;

/** The side of the plot's square picture, in pixels. */
inline constexpr int kPictureSide = 473;

/** The picture enlarged factor times (1 to 4), each pixel a sharp square block. */
QImage enlargedPicture(const QImage& picture, int factor);

/** The bytes of an image file of the picture enlarged factor times, in the format Qt
    names format ("PNG", "JPEG", "BMP"). */
QByteArray pictureBytes(const QImage& picture, int factor, const char* format = "PNG");

/** Paints the plot into target: the pixel picture stretched, each pixel a sharp block. */
void paintPlot(QPainter& painter, const QRectF& target, const QImage& picture);

/** Paints the plot into a square on a page. */
using PlotPainter = std::function<void(QPainter&, const QRectF&)>;

struct CompletedPlot;

/** Paints a plot that ran to its end into target as vector drawing: the same frame and
    curves as the picture, lines as lines and texts as texts. */
void paintVectorPlot(QPainter& painter, const QRectF& target, const CompletedPlot& plot);

/** Paints the picture on screen: as vector drawing when it is the drawing of plot (not
    null), otherwise as its pixels. Keeps copies, not references. */
PlotPainter shownPlotPainter(const QImage& picture, const CompletedPlot* plot);

/** The bytes of an SVG file of the plot, 473 x 473 pixels. */
QByteArray svgBytes(const PlotPainter& plot);

/** The bytes of a one-page PDF file of the plot, the page the plot's size at 96 pixels an
    inch. */
QByteArray pdfBytes(const PlotPainter& plot);

/** One printed page in the rectangle page: the plot as wide as the page (less where the
    fields would not fit under it), and under it the medium and the interval as typed,
    each with its caption. */
void paintPrintPage(QPainter& painter, const QRectF& page, const PlotPainter& plot,
                    const InputTexts& fields, bool automatic);

/** A format a plot leaves the program in. */
enum class PlotFormat { Png, Svg, Pdf, Csv };

/** A format's file name extension and its line in a file dialog. */
struct PlotFormatInfo {
    PlotFormat format;
    QString suffix;
    QString filter;
};

/** Every format of a plot, in this order: the picture's pixels, the vector drawings, the
    samples. */
extern const PlotFormatInfo kPlotFormats[4];

/** The line of kPlotFormats of a format. */
const PlotFormatInfo& formatInfo(PlotFormat format);

/** A plot as it leaves the program: the picture on screen, the complete plot whose
    drawing it is (null when stopped, failed or drawn over), the last complete plot. */
struct ShownPlot {
    QImage picture;
    const CompletedPlot* drawing = nullptr;
    const CompletedPlot* complete = nullptr;
};

/** How a file of a plot is written. */
struct FormatOptions {
    int enlargement = 1;                       ///< of the picture's pixels
    const char* pictureFormat = "PNG";         ///< Qt's name of the pixel format the file takes
    QChar decimalSeparator = QLatin1Char(','); ///< of the CSV's numbers
};

/** The bytes of a file of the plot in format: the picture's pixels; its drawing as SVG or
    PDF (the pixels where the picture is no complete plot's drawing); the samples of the
    last complete plot as CSV (nothing without one). */
QByteArray plotBytes(PlotFormat format, const ShownPlot& plot, const FormatOptions& options);
