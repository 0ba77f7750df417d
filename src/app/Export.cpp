// SPDX-License-Identifier: GPL-3.0-or-later
#include "Export.h"

#include "CommandLine.h"
#include "ExportProgress.h"
#include "files/AtomicFile.h"
#include "files/FileErrors.h"
#include "files/GrafcFile.h"
#include "files/OutputTargets.h"
#include "model/Errors.h"
#include "plot/Canvas.h"
#include "plot/PlotCommand.h"
#include "plot/PlotData.h"
#include "plot/PlotPicture.h"
#include "plot/PlotSession.h"
#include "widgets/Dialogs.h"

#include <QLocale>
#include <QTextStream>

namespace {
/** The main window's side of the plot as it stands right after the start, with the fields
    of the lesson file and the check boxes of the options. */
class ExportView final : public PlotView {
public:
    ExportView(const GrafcTexts& texts, const ExportRequest& request, ExportProgress& progress)
        : m_request(request), m_progress(progress) {
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
    void setProgress(int percent) override { m_progress.setPercent(percent); }
    void setStatusText(const QString&) override {}
    PlotSettings plotSettings() const override { return {}; }
    bool stopRequested() override { return m_progress.poll(); }

private:
    const ExportRequest& m_request;
    ExportProgress& m_progress;
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
    QStringList paths;
    for (const ExportRequest::Output& o : request.outputs)
        paths << o.path;
    if (const QString refusal = outputsRefusal(request.file, paths); !refusal.isEmpty())
        return fail(refusal);
    try {
        const GrafcTexts texts = loadGrafcFile(request.file);
        ExportProgress progress(err);
        ExportView view(texts, request, progress);
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
        // Every file is formed, then all are written or none: the old files stay on failure.
        std::vector<FileContent> files;
        for (const ExportRequest::Output& o : request.outputs)
            files.emplace_back(
                o.path, bytesOf(o, picture, *session.complete, request, view.decimalSeparator()));
        if (const auto failure = replaceFilesTogether(files, stopSignalled)) {
            if (failure->index == files.size())
                return fail(QStringLiteral("Построение прервано"));
            throw FileError(cannotCreateText(files[failure->index].first, failure->error));
        }
    } catch (const AppError& e) {
        return fail(errorBoxText(e.text()));
    }
    return 0;
}
