// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide hint: the hint of the control under the mouse pointer, or of its
// nearest enclosing control that has one; empty over menus and where no control has one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

class HintTracker : public QObject {
    Q_OBJECT
public:
    explicit HintTracker(QObject* parent = nullptr);

    const QString& current() const { return m_current; }

    /** The hint shown for a control: the part after the bar of the nearest hint up the
        chain of enclosing controls. */
    static QString hintFor(const QWidget* widget);

    /** The pointer is now over widget (nullptr: over no window of the program). */
    void pointerOver(const QWidget* widget);

signals:
    /** The current hint changed; every window with a status bar shows it. */
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_current;
};
