// SPDX-License-Identifier: GPL-3.0-or-later
#include "HintTracker.h"

#include "Hint.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

HintTracker::HintTracker(QObject* parent) : QObject(parent) {}

QString HintTracker::hintFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        // A highlighted menu item has no hint of its own.
        if (qobject_cast<const QMenu*>(w) || qobject_cast<const QMenuBar*>(w))
            return {};
        const QString hint = hintOf(w);
        if (!hint.isEmpty())
            return longHint(hint);
        if (w->isWindow())
            break;
    }
    return {};
}

void HintTracker::pointerOver(const QWidget* widget) {
    const QString hint = hintFor(widget);
    if (hint == m_current)
        return;
    m_current = hint;
    emit hintChanged(m_current);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
        if (watched->isWidgetType())
            pointerOver(static_cast<QWidget*>(watched));
        break;
    case QEvent::Leave:
        // Back to the enclosing control, or out of the program's windows.
        if (watched->isWidgetType())
            pointerOver(QApplication::widgetAt(QCursor::pos()));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
