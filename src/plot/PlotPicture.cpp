// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotPicture.h"

#include "CompletedPlot.h"
#include "PlotDataWriter.h"
#include "VectorSurface.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextDocument>
#include <algorithm>

QImage enlargedPicture(const QImage& picture, int factor) {
    if (factor == 1)
        return picture;
    // Nearest-pixel scaling by a whole factor: each pixel becomes a factor x factor block.
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray pictureBytes(const QImage& picture, int factor, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    enlargedPicture(picture, factor).save(&buffer, format);
    return bytes;
}

void paintPlot(QPainter& painter, const QRectF& target, const QImage& picture) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
    painter.restore();
}

void paintVectorPlot(QPainter& painter, const QRectF& target, const CompletedPlot& plot) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kPictureSide, target.height() / kPictureSide);
    VectorSurface surface(painter, QSize(kPictureSide, kPictureSide));
    drawPlot(surface, plot);
    painter.restore();
}

PlotPainter shownPlotPainter(const QImage& picture, const CompletedPlot* plot) {
    if (plot)
        return
            [plot = *plot](QPainter& p, const QRectF& square) { paintVectorPlot(p, square, plot); };
    return [picture](QPainter& p, const QRectF& square) { paintPlot(p, square, picture); };
}

QByteArray svgBytes(const PlotPainter& plot) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kPictureSide, kPictureSide));
    svg.setViewBox(QRect(0, 0, kPictureSide, kPictureSide));
    svg.setTitle(QStringLiteral("Волнограф"));
    QPainter painter(&svg);
    plot(painter, QRectF(0, 0, kPictureSide, kPictureSide));
    painter.end();
    return bytes;
}

QByteArray pdfBytes(const PlotPainter& plot) {
    constexpr double kPixelsPerInch = 96;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Волнограф"));
    pdf.setResolution(static_cast<int>(kPixelsPerInch));
    const double side = kPictureSide / kPixelsPerInch * 72; // points
    pdf.setPageSize(QPageSize(QSizeF(side, side), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    plot(painter, QRectF(0, 0, kPictureSide, kPictureSide));
    painter.end();
    return bytes;
}

namespace {
QString typed(const InputTexts& fields, int edit) {
    return fields.at(static_cast<std::size_t>(edit - 1)).toHtmlEscaped();
}

// A quantity as its row of the main window shows it: mantissa x 10 to the exponent, unit.
QString quantityRow(const QString& caption, const InputTexts& fields, int mantissa, int exponent,
                    const QString& unit) {
    return QStringLiteral("<tr><td>%1</td><td>%2 x 10<sup>%3</sup> %4</td></tr>")
        .arg(caption, typed(fields, mantissa), typed(fields, exponent), unit);
}

QString fieldsHtml(const InputTexts& fields, bool automatic) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    html += quantityRow(QStringLiteral("Собственная частота колебаний частицы w<sub>0</sub> :"),
                        fields, 1, 6, QStringLiteral("Гц"));
    html += quantityRow(QStringLiteral("Концентрация частиц N :"), fields, 3, 9,
                        QStringLiteral("м<sup>-3</sup>"));
    html += quantityRow(QStringLiteral("Коэффициент затуханий γ :"), fields, 2, 7, QString());
    html +=
        quantityRow(QStringLiteral("Заряд одной частицы Q :"), fields, 4, 10, QStringLiteral("Кл"));
    html +=
        quantityRow(QStringLiteral("Масса одной частицы m :"), fields, 5, 8, QStringLiteral("Кг"));
    html += QStringLiteral("<tr><td>Интервал изменения частоты частиц падающей волны W:</td>"
                           "<td>От %1 до %2 Шаг : %3%4</td></tr></table>")
                .arg(typed(fields, 11), typed(fields, 12), typed(fields, 13),
                     automatic ? QStringLiteral(" (Автоматически)") : QString());
    return html;
}
} // namespace

void paintPrintPage(QPainter& painter, const QRectF& page, const PlotPainter& plot,
                    const InputTexts& fields, bool automatic) {
    QTextDocument text;
    // Point sizes in the resolution of the page, not of the screen.
    text.documentLayout()->setPaintDevice(painter.device());
    text.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    text.setHtml(fieldsHtml(fields, automatic));
    text.setTextWidth(page.width());
    const qreal gap = text.size().height() / 8;
    const qreal side =
        std::max<qreal>(0, std::min(page.width(), page.height() - text.size().height() - gap));
    plot(painter, QRectF(page.left(), page.top(), side, side));
    painter.save();
    painter.translate(page.left(), page.top() + side + gap);
    text.drawContents(&painter);
    painter.restore();
}

const PlotFormatInfo kPlotFormats[4] = {
    {PlotFormat::Png, QStringLiteral("png"), QStringLiteral("Рисунок PNG (*.png)")},
    {PlotFormat::Svg, QStringLiteral("svg"), QStringLiteral("Векторный рисунок SVG (*.svg)")},
    {PlotFormat::Pdf, QStringLiteral("pdf"), QStringLiteral("Документ PDF (*.pdf)")},
    {PlotFormat::Csv, QStringLiteral("csv"), QStringLiteral("Данные графика CSV (*.csv)")},
};

const PlotFormatInfo& formatInfo(PlotFormat format) {
    return kPlotFormats[static_cast<std::size_t>(format)];
}

QByteArray plotBytes(PlotFormat format, const ShownPlot& plot, const FormatOptions& options,
                     PlotSink& sink) {
    switch (format) {
    case PlotFormat::Png:
        return pictureBytes(plot.picture, options.enlargement, options.pictureFormat);
    case PlotFormat::Svg:
        return svgBytes(shownPlotPainter(plot.picture, plot.drawing));
    case PlotFormat::Pdf:
        return pdfBytes(shownPlotPainter(plot.picture, plot.drawing));
    case PlotFormat::Csv:
        break;
    }
    // The table is formed by the same writer that streams it into files.
    QByteArray bytes;
    if (plot.complete)
        writePlotDataCsv(
            *plot.complete, options.decimalSeparator,
            [&](QByteArrayView part) {
                bytes.append(part);
                return true;
            },
            sink);
    return bytes;
}

QByteArray plotBytes(PlotFormat format, const ShownPlot& plot, const FormatOptions& options) {
    PlotSink nobody;
    return plotBytes(format, plot, options, nobody);
}
