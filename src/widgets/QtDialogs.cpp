// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "PrintPage.h"
#include "files/ProgramFolder.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
}

/** A name chosen before is offered again; a folder is only where the dialog begins. */
void offerName(QFileDialog& dialog, const QString& start) {
    if (!start.isEmpty() && !QFileInfo(start).isDir())
        dialog.selectFile(start);
}

void box(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, owner());
    box.exec();
}
} // namespace

void QtDialogs::showMessage(const QString& text) {
    box(QMessageBox::NoIcon, text);
}

void QtDialogs::showError(const QString& text) {
    box(QMessageBox::Critical, errorBoxText(text));
}

Dialogs::Answer QtDialogs::ask(const QString& caption, const QString& text, bool withCancel,
                               Answer defaultButton) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Information, caption, text, buttons, owner());
    const auto toButton = [](Answer a) {
        switch (a) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            break;
        }
        return QMessageBox::Cancel;
    };
    box.setDefaultButton(toButton(defaultButton));
    if (withCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    const int result = box.exec();
    if (result == QMessageBox::Yes)
        return Answer::Yes;
    if (result == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

std::optional<QString> QtDialogs::openFileName(const QString& filter, const QString& start) {
    QFileDialog dialog(owner(), QString(), start, filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    offerName(dialog, start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFileName(const QString& filter, const QString& start) {
    QFileDialog dialog(owner(), QString(), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    offerName(dialog, start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial, CustomColors& customColors) {
    // Qt keeps one set of custom colours for all its colour dialogs: each of ours brings its
    // own and takes it back when the user confirms.
    const int count = std::min<int>(QColorDialog::customCount(), int(customColors.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, customColors[std::size_t(i)]);
    const QColor chosen = QColorDialog::getColor(initial, owner());
    if (!chosen.isValid())
        return std::nullopt;
    for (int i = 0; i < count; ++i)
        customColors[std::size_t(i)] = QColorDialog::customColor(i);
    return chosen;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial) {
    QFontDialog dialog(owner());
    // The dialog looks the style up by its name, and the name Qt makes up for a plain font
    // is translated ("Обычный") where the desktop's is not ("Regular"): give it the
    // desktop's name.
    QFont shown(initial);
    if (shown.styleName().isEmpty())
        shown.setStyleName(QFontInfo(initial).styleName());
    dialog.setCurrentFont(shown);
    // The dialog knows whole points only: confirming what it offered, unchanged, gives the
    // initial font itself, its pixel size included.
    const QFont offered = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return chosen == offered ? initial : chosen;
}

namespace {
/** The extension a name filter such as "Рисунок PNG (*.png)" stands for. */
QString filterSuffix(const QString& filter) {
    const qsizetype dot = filter.lastIndexOf(QLatin1String("*."));
    return dot < 0 ? QString() : filter.mid(dot + 2).chopped(1);
}
} // namespace

std::optional<ChosenFile> QtDialogs::saveFileOfType(const QStringList& filters,
                                                    const QString& start) {
    QFileDialog dialog(owner(), QString(), start);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(0));
    // A name typed without an extension gets the chosen type's before the dialog asks
    // whether to replace a file.
    dialog.setDefaultSuffix(filterSuffix(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(filterSuffix(f)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile{dialog.selectedFiles().constFirst(),
                      std::max<int>(0, int(filters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<int> QtDialogs::chooseEnlargement(int side) {
    QStringList sizes;
    for (int k = 1; k <= 4; ++k)
        sizes << QStringLiteral("%1× — %2 × %2 точек").arg(k).arg(k * side);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        owner(), QStringLiteral("Сохранить изображение"),
        QStringLiteral("Увеличить рисунок (каждая точка — чёткий квадрат):"), sizes, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return int(sizes.indexOf(chosen)) + 1;
}

void QtDialogs::printPreview(const PagePainter& paintPage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Волнограф"));
    // "Печать в файл" proposes the documents folder rather than the working folder, which
    // is the program's own; the printer to print on stays the system's default one.
    printer.setOutputFileName(printFileName(firstDialogFolder()));
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPageLayout(withPrintMargins(printer.pageLayout()));
    QPrintPreviewDialog dialog(&printer, owner());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) {
        QPainter painter(p);
        paintPage(painter,
                  QRectF(QPointF(0, 0), p->pageLayout().paintRectPixels(p->resolution()).size()));
    });
    dialog.exec();
}
