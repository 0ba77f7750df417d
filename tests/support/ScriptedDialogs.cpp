// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedDialogs.h"

#include <QPainter>

namespace {
template <typename T> T next(std::deque<T>& queue, const T& fallback) {
    if (queue.empty())
        return fallback;
    T value(std::move(queue.front()));
    queue.pop_front();
    return value;
}
} // namespace

Dialogs::Answer ScriptedDialogs::ask(const QString& caption, const QString& text, bool,
                                     Answer defaultButton) {
    questions << caption + QLatin1Char('|') + text;
    return next(answers, defaultButton);
}

std::optional<QString> ScriptedDialogs::openFileName(const QString& filter, const QString& start) {
    fileFilters << filter;
    fileInitials << start;
    return nextFileName();
}

std::optional<QString> ScriptedDialogs::saveFileName(const QString& filter, const QString& start) {
    fileFilters << filter;
    fileInitials << start;
    return nextFileName();
}

std::optional<QString> ScriptedDialogs::nextFileName() {
    if (fileNames.isEmpty() || fileNames.constFirst().isEmpty()) {
        if (!fileNames.isEmpty())
            fileNames.removeFirst();
        return std::nullopt;
    }
    return fileNames.takeFirst();
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor& initial, CustomColors&) {
    colorInitials << initial;
    return next(colors, std::optional<QColor>());
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont& initial) {
    fontInitials << initial;
    return next(fonts, std::optional<QFont>());
}

std::optional<ChosenFile> ScriptedDialogs::saveFileOfType(const QStringList& filters,
                                                          const QString& start) {
    fileFilters << filters.join(QLatin1String(";;"));
    fileInitials << start;
    const std::optional<QString> name = nextFileName();
    const int type = next(fileTypes, 0);
    if (!name)
        return std::nullopt;
    return ChosenFile{*name, type};
}

std::optional<int> ScriptedDialogs::chooseEnlargement(int) {
    return next(enlargements, std::optional<int>(1));
}

void ScriptedDialogs::printPreview(const PagePainter& paintPage) {
    QImage page(794, 1123, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    paintPage(painter, QRectF(page.rect()));
    painter.end();
    printedPages << page;
}

DialogsScript::DialogsScript() {
    auto script = std::make_unique<ScriptedDialogs>();
    m_dialogs = script.get();
    m_previous = setDialogs(std::move(script));
}

DialogsScript::~DialogsScript() {
    setDialogs(std::move(m_previous));
}
