// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's toolbar: picture buttons side by side; hidden ones take no room.
#pragma once

#include <QWidget>
#include <vector>

class QToolButton;

class ToolBar : public QWidget {
public:
    explicit ToolBar(QWidget* parent);

    /** Adds a 23 x 22 button with a 16 x 16 picture; its tooltip is the short hint. */
    QToolButton* addButton(const QString& name, const QString& picture, const QString& hint);

    /** Shows or hides a button; the visible ones close up to the left in their order. */
    void setButtonVisible(QToolButton* button, bool visible);

private:
    void relayout();

    std::vector<QToolButton*> m_buttons;
};
