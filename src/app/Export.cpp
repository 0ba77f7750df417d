// SPDX-License-Identifier: GPL-3.0-or-later
#include "Export.h"

#include "CommandLine.h"
#include "ExportProgress.h"
#include "files/AtomicFile.h"
#include "files/FileErrors.h"
#include "files/GrafcFile.h"
#include "files/OutputTargets.h"
#include "model/Errors.h"
#include "model/NumberText.h"
#include "plot/Canvas.h"
#include "plot/CompletedPlot.h"
#include "plot/PlotCommand.h"
#include "plot/PlotDataWriter.h"
#include "plot/PlotOverlay.h"
#include "plot/PlotPicture.h"
#include "plot/PlotRequest.h"
#include "plot/PlotSession.h"
#include "plot/Sweep.h"
#include "widgets/Dialogs.h"

#include <QLocale>
#include <QTextStream>

#include <cerrno>
#include <optional>

namespace {
/** The plot's side of the command line: its messages are kept for standard error, its
    progress goes there, and a signal stops it. */
class ExportSink final : public PlotSink {
public:
    explicit ExportSink(ExportProgress& progress) : m_progress(progress) {}

    QStringList messages;
    void showMessage(const QString& text) override { messages << text; }
    void setProgress(int percent) override { m_progress.setPercent(percent); }
    bool stopRequested() override { return m_progress.poll(); }

private:
    ExportProgress& m_progress;
};

/** The main window as it stands right after the start, with the fields of the lesson file
    and the check boxes of the options. */
PlotRequest plotRequest(const InputTexts& texts, const ExportRequest& request) {
    PlotRequest r;
    r.fields = texts;
    r.connected = !request.points;
    r.automatic = request.automatic;
    r.dotted = request.dotted;
    r.decimalSeparator = QLocale().decimalPoint().at(0);
    r.fitToCurves = request.fit;
    return r;
}

/** The probes of the command line pinned on the finished plot and drawn over its picture. */
void pinProbes(const ExportRequest& request, CompletedPlot& plot, PlotSurface& surface) {
    const QChar sep = plot.request.decimalSeparator;
    for (const QString& w : request.probes)
        plot.probes.push_back(readProbe(plot.medium, plot.unit, parseReal(w, sep)));
    drawProbes(surface, plot.PlotState, plot.unit, plot.probes, plot.request.settings, sep);
}
} // namespace

int exportPlot(const ExportRequest& request, QTextStream& err, QTextStream& out) {
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
        const PlotRequest plot = plotRequest(loadGrafcFile(request.file), request);
        ExportProgress progress(err);
        ExportSink sink(progress);
        QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
        Canvas canvas(picture);
        // The main window's picture is black before its first plot.
        canvas.setBrushColor(qRgb(0, 0, 0));
        canvas.setPenColor(qRgb(0, 0, 0));
        canvas.rectangle(0, 0, kPictureSide, kPictureSide);
        PlotSession session;
        runPlotCommand(plot, sink, canvas, session);
        if (!sink.messages.isEmpty())
            return fail(sink.messages.join(QStringLiteral("\n")));
        if (!session.complete)
            return fail(QStringLiteral("Построение прервано"));
        pinProbes(request, *session.complete, canvas);
        // Every file is formed, then all are written or none: the old files stay on failure.
        // The table, which grows with the samples, is written into its new file as it is
        // formed, a buffer at a time, with its progress and its stop as the plot's.
        const CompletedPlot& complete = *session.complete;
        const ShownPlot shown{picture, session.onScreen(), &complete};
        std::vector<FileContent> files;
        for (const ExportRequest::Output& o : request.outputs) {
            if (o.kind == PlotFormat::Csv)
                files.emplace_back(o.path, [&](int fd) {
                    return writePlotDataCsv(
                        complete, plot.decimalSeparator,
                        [fd](QByteArrayView bytes) { return writeAll(fd, bytes); }, sink);
                });
            else
                files.emplace_back(o.path, plotBytes(o.kind, shown,
                                                     {request.enlargement, o.pictureFormat,
                                                      plot.decimalSeparator}));
        }
        // The probes' table goes out first: one that does not reach its reader (a full
        // disk, a closed pipe) fails the export before any file is replaced.
        if (!request.probes.isEmpty()) {
            out << probeTable(complete.probes, plot.decimalSeparator);
            out.flush();
            if (out.status() != QTextStream::Ok)
                return fail(QStringLiteral("Таблица меток не выведена"));
        }
        std::optional<SetFailure> failure;
        try {
            failure = replaceFilesTogether(files, stopSignalled);
        } catch (const PlotStopped&) {
            failure = SetFailure{files.size(), EINTR};
        }
        if (failure) {
            if (failure->index == files.size())
                return fail(QStringLiteral("Построение прервано"));
            throw FileError(cannotCreateText(files[failure->index].path, failure->error));
        }
    } catch (const AppError& e) {
        return fail(errorBoxText(e.text()));
    }
    return 0;
}
