// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

/** Dialogs shown with Qt's standard message boxes and dialogs. */
class QtDialogs final : public Dialogs {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    Answer ask(const QString& caption, const QString& text, bool withCancel,
               Answer defaultButton) override;
    std::optional<QString> openFileName(const QString& filter, const QString& start) override;
    std::optional<QString> saveFileName(const QString& filter, const QString& start) override;
    std::optional<QColor> chooseColor(const QColor& initial, CustomColors& customColors) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<ChosenFile> saveFileOfType(const QStringList& filters,
                                             const QString& start) override;
    std::optional<int> chooseEnlargement(int side) override;
    void printPreview(const PagePainter& paintPage) override;
};
