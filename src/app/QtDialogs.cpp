// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
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

std::optional<QString> QtDialogs::openFileName(const QString& filter, const QString& last) {
    QFileDialog dialog(owner(), QString(), last, filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!last.isEmpty())
        dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFileName(const QString& filter, const QString& last) {
    QFileDialog dialog(owner(), QString(), last, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!last.isEmpty())
        dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, owner());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, owner());
    if (!ok)
        return std::nullopt;
    return chosen;
}
