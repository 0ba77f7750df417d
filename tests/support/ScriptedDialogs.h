// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs answered from a script, recording what the program showed.
#pragma once

#include "widgets/Dialogs.h"

#include <QImage>
#include <QStringList>
#include <deque>
#include <functional>

class ScriptedDialogs final : public Dialogs {
public:
    QStringList messages; ///< plain messages, in order
    QStringList errors;   ///< error box texts as shown (full stop added)
    QStringList questions;
    std::deque<Answer> answers;
    QStringList fileNames; ///< chosen names in order; an empty one cancels
    std::deque<std::optional<QColor>> colors;
    std::deque<std::optional<QFont>> fonts;
    QList<QColor> colorInitials;
    QList<QFont> fontInitials;
    QStringList fileInitials;
    QStringList fileFilters;
    std::deque<int> fileTypes; ///< the type chosen with each name of a typed save dialog
    std::deque<std::optional<int>> enlargements;
    QList<QImage> printedPages; ///< each print preview's page, A4 at 96 dots per inch
    /** Runs while a plain message is shown, as if the user looked around before OK. */
    std::function<void(const QString&)> onMessage;

    void showMessage(const QString& text) override {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    void showError(const QString& text) override { errors << errorBoxText(text); }
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

private:
    std::optional<QString> nextFileName();
};

/** Installs a fresh ScriptedDialogs for the lifetime of a test. */
class DialogsScript {
public:
    DialogsScript();
    ~DialogsScript();
    ScriptedDialogs* operator->() { return m_dialogs; }
    ScriptedDialogs& operator*() { return *m_dialogs; }

private:
    ScriptedDialogs* m_dialogs;
    std::unique_ptr<Dialogs> m_previous;
};
