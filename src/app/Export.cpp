// SPDX-License-Identifier: GPL-3.0-or-later
#include "Export.h"

#include "CommandLine.h"
#include "files/AtomicFile.h"
#include "files/GrafcFile.h"
#include "model/Errors.h"
#include "plot/Canvas.h"
#include "plot/PlotCommand.h"
#include "plot/PlotData.h"
#include "plot/PlotPicture.h"
#include "plot/PlotSession.h"
#include "widgets/Dialogs.h"

#include <QFile>
#include <QLocale>
#include <QTextStream>

namespace {
/** The main window's side of the plot as it stands right after the start, with the fields
    of the lesson file and the check boxes of the options. */
class ExportView final : public PlotView {
public:
    ExportView(const GrafcTexts& texts, const ExportRequest& request) : m_request(request) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            m_fields.at(i + 1) = texts[i];
    }

    QStringList messages;

    QString fieldText(int edit) const override {
        return m_fields.at(static_cast<std::size_t>(edit));
    }
    void setFieldText(int edit, const QString& text) override {
        m_fields.at(static_cast<std::size_t>(edit)) = text;
    }
    bool isChecked(int checkBox) const override {
        switch (checkBox) {
        case 1:
            return !m_request.points;
        case 2:
            return m_request.automatic;
        default:
            return m_request.dotted;
        }
    }
    QChar decimalSeparator() const override { return QLocale().decimalPoint().at(0); }
    void showMessage(const QString& text) override { messages << text; }
    void setProgress(int) override {}
    void setStatusText(const QString&) override {}
    PlotSettings plotSettings() const override { return {}; }

private:
    const ExportRequest& m_request;
    std::array<QString, 20> m_fields{};
};

QByteArray bytesOf(const ExportRequest::Output& output, const QImage& picture,
                   const PlotSamples& samples, const ExportRequest& request, QChar separator) {
    switch (output.kind) {
    case ExportOutput::Png:
        return pngBytes(picture, request.enlargement);
    case ExportOutput::Svg:
    case ExportOutput::Pdf: {
        const PlotPainter plot = [&samples](QPainter& p, const QRectF& square) {
            paintVectorPlot(p, square, samples);
        };
        return output.kind == ExportOutput::Svg ? svgBytes(plot) : pdfBytes(plot);
    }
    case ExportOutput::Csv:
        break;
    }
    return plotDataCsv(samples, separator);
}
} // namespace

int exportPlot(const ExportRequest& request, QTextStream& err) {
    const auto fail = [&](const QString& text) {
        err << request.file << ": " << text << '\n';
        err.flush();
        return 1;
    };
    std::vector<QString> written;
    try {
        const GrafcTexts texts = loadGrafcFile(request.file);
        ExportView view(texts, request);
        QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
        Canvas canvas(picture);
        // The main window's picture is black before its first plot.
        canvas.setBrushColor(qRgb(0, 0, 0));
        canvas.setPenColor(qRgb(0, 0, 0));
        canvas.rectangle(0, 0, kPictureSide, kPictureSide);
        PlotSession session;
        runPlotCommand(view, canvas, session);
        if (!view.messages.isEmpty())
            return fail(view.messages.join(QStringLiteral("\n")));
        if (!session.complete)
            return fail(QStringLiteral("Построение прервано"));
        // Every file is formed before the first is written.
        std::vector<QByteArray> bytes;
        for (const ExportRequest::Output& o : request.outputs)
            bytes.push_back(
                bytesOf(o, picture, *session.complete, request, view.decimalSeparator()));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            replaceFile(request.outputs[i].path, bytes[i]);
            written.push_back(request.outputs[i].path);
        }
    } catch (const AppError& e) {
        // What this export wrote before the failure goes too: all the files or none.
        for (const QString& path : written)
            QFile::remove(path);
        return fail(errorBoxText(e.text()));
    }
    return 0;
}
