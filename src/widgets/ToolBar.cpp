// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolBar.h"

#include "Hint.h"

#include <QIcon>
#include <QToolButton>

namespace {
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kTop = 2;
} // namespace

ToolBar::ToolBar(QWidget* parent) : QWidget(parent) {}

QToolButton* ToolBar::addButton(const QString& name, const QString& picture, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(shortHint(hint));
    setHint(button, hint);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    m_buttons.push_back(button);
    relayout();
    return button;
}

void ToolBar::setButtonVisible(QToolButton* button, bool visible) {
    if (button->isVisibleTo(this) == visible)
        return;
    button->setVisible(visible);
    relayout();
}

void ToolBar::relayout() {
    int x = 0;
    for (QToolButton* button : m_buttons) {
        if (button->isHidden())
            continue;
        button->move(x, kTop);
        x += kButtonWidth;
    }
}
