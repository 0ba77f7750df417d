// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include "QtDialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

QString applicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

namespace {
std::unique_ptr<Dialogs>& current() {
    static std::unique_ptr<Dialogs> instance = std::make_unique<QtDialogs>();
    return instance;
}
} // namespace

Dialogs& dialogs() {
    return *current();
}

std::optional<QColor> runColorDialog(ColorDialogState& dialog) {
    const std::optional<QColor> chosen = dialogs().chooseColor(dialog.color, dialog.customColors);
    if (chosen)
        dialog.color = QColor(chosen->rgb());
    return chosen;
}

std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> replacement) {
    std::swap(current(), replacement);
    return replacement;
}

QString errorBoxText(const QString& text) {
    if (text.endsWith(QLatin1Char('.')))
        return text;
    return text + QLatin1Char('.');
}
