// SPDX-License-Identifier: GPL-3.0-or-later
#include "Export.h"

#include "CommandLine.h"
#include "files/AtomicFile.h"
#include "files/GrafcFile.h"
#include "model/Errors.h"
#include "plot/Canvas.h"
#include "plot/PlotCommand.h"
#include "plot/PlotPicture.h"
#include "plot/PlotRequest.h"
#include "plot/PlotSession.h"
#include "widgets/Dialogs.h"

#include <QFile>
#include <QLocale>
#include <QTextStream>

namespace {
/** The plot's side of the command line: its messages are kept for standard error. */
class ExportSink final : public PlotSink {
public:
    QStringList messages;
    void showMessage(const QString& text) override { messages << text; }
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
    return r;
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
        const PlotRequest plot = plotRequest(loadGrafcFile(request.file), request);
        ExportSink sink;
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
        // Every file is formed before the first is written.
        std::vector<QByteArray> bytes;
        const ShownPlot shown{picture, session.onScreen(), &*session.complete};
        for (const ExportRequest::Output& o : request.outputs)
            bytes.push_back(plotBytes(
                o.kind, shown, {request.enlargement, o.pictureFormat, plot.decimalSeparator}));
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
