// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotMenu.h"

#include "files/AtomicFile.h"
#include "files/ProgramFolder.h"
#include "plot/CompletedPlot.h"
#include "plot/PlotDataWriter.h"
#include "plot/PlotPicture.h"
#include "plot/PlotSession.h"
#include "widgets/Application.h"
#include "widgets/Dialogs.h"
#include "widgets/PlotImage.h"
#include "widgets/WorkProgress.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <span>

namespace {
/** The chosen name with its format: a name ending in the extension of one of the formats
    is of that format; any other name gets the extension of the format chosen with it. */
std::pair<QString, PlotFormat> typedName(const ChosenFile& chosen,
                                         std::span<const PlotFormatInfo> formats) {
    const QString suffix = QFileInfo(chosen.name).suffix();
    for (const PlotFormatInfo& f : formats)
        if (suffix.compare(f.suffix, Qt::CaseInsensitive) == 0)
            return {chosen.name, f.format};
    const std::size_t type =
        std::min<std::size_t>(std::size_t(std::max(chosen.type, 0)), formats.size() - 1);
    return {chosen.name + QLatin1Char('.') + formats[type].suffix, formats[type].format};
}

QStringList filtersOf(std::span<const PlotFormatInfo> formats) {
    QStringList filters;
    for (const PlotFormatInfo& f : formats)
        filters << f.filter;
    return filters;
}

// The picture's formats: its pixels, and the same frame and curves as lines and texts.
const std::span<const PlotFormatInfo> kImageFormats(kPlotFormats, 3);
const std::span<const PlotFormatInfo> kDataFormats(kPlotFormats + 3, 1);
} // namespace

PlotMenu::PlotMenu(PlotImage* image, const PlotSession& session,
                   std::function<PlotRequest()> request, QWidget* parent)
    : QMenu(parent), m_image(image), m_session(session), m_request(std::move(request)) {
    setObjectName(QStringLiteral("plotMenu"));
    const auto item = [this](const char* name, const QString& text, const char* picture) {
        QAction* a = addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (picture)
            a->setIcon(QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(picture))));
        return a;
    };
    copyImageItem = item("copyImageItem", QStringLiteral("Копировать изображение"), "copy");
    saveImageItem = item("saveImageItem", QStringLiteral("Сохранить изображение…"), "savegraph");
    saveDataItem = item("saveDataItem", QStringLiteral("Сохранить данные графика…"), "save");
    addSeparator();
    printItem = item("printItem", QStringLiteral("Печать…"), nullptr);
    const std::pair<QAction*, void (PlotMenu::*)()> items[] = {
        {copyImageItem, &PlotMenu::copyImage},
        {saveImageItem, &PlotMenu::saveImage},
        {saveDataItem, &PlotMenu::savePlotData},
        {printItem, &PlotMenu::printPlot},
    };
    for (const auto& [action, handler] : items)
        connect(action, &QAction::triggered, this, commandOf(this, handler));
    image->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(image, &QWidget::customContextMenuRequested, this, &PlotMenu::openAt);
}

void PlotMenu::openAt(const QPoint& position) {
    // A picture to take away exists once a plot has drawn; its samples, once one has
    // run to its end.
    for (QAction* a : {copyImageItem, saveImageItem, printItem})
        a->setEnabled(m_session.drawn);
    saveDataItem->setEnabled(m_session.complete.has_value());
    popup(m_image->mapToGlobal(position));
}

void PlotMenu::copyImage() {
    QApplication::clipboard()->setImage(m_image->image());
}

void PlotMenu::saveImage() {
    const std::optional<ChosenFile> chosen = dialogs().saveFileOfType(
        filtersOf(kImageFormats), m_imageFolder.isEmpty() ? firstPicturesFolder() : m_imageFolder);
    if (!chosen)
        return;
    const auto [path, format] = typedName(*chosen, kImageFormats);
    m_imageFolder = QFileInfo(path).absolutePath();
    FormatOptions options;
    if (format == PlotFormat::Png) {
        const std::optional<int> factor = dialogs().chooseEnlargement(kPictureSide);
        if (!factor)
            return;
        options.enlargement = *factor;
    }
    const ShownPlot shown{m_image->image(), m_session.onScreen(), nullptr};
    saveWithProgress(m_image, QStringLiteral("Сохранение изображения…"), path,
                     [&](PlotSink& sink) { return plotBytes(format, shown, options, sink); });
}

void PlotMenu::savePlotData() {
    if (!m_session.complete)
        return;
    const std::optional<ChosenFile> chosen = dialogs().saveFileOfType(
        filtersOf(kDataFormats), m_dataFolder.isEmpty() ? firstDialogFolder() : m_dataFolder);
    if (!chosen)
        return;
    const QString path = typedName(*chosen, kDataFormats).first;
    m_dataFolder = QFileInfo(path).absolutePath();
    const CompletedPlot& plot = *m_session.complete;
    const QChar separator = m_request().decimalSeparator;
    // Every sample is swept once more and written a buffer at a time, in the same memory at
    // any number of samples: a long sweep shows its progress and may be cancelled.
    saveWithProgress(
        m_image, QStringLiteral("Сохранение данных графика…"), path, [&](PlotSink& sink, int fd) {
            return writePlotDataCsv(
                plot, separator, [fd](QByteArrayView bytes) { return writeAll(fd, bytes); }, sink);
        });
}

void PlotMenu::printPlot() {
    const PlotRequest fields = m_request();
    // The plot as vector drawing while the picture is its drawing: nothing is swept again.
    const PlotPainter plot = shownPlotPainter(m_image->image(), m_session.onScreen());
    dialogs().printPreview([&](QPainter& painter, const QRectF& page) {
        paintPrintPage(painter, page, plot, fields.fields, fields.automatic);
    });
}
