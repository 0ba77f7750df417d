// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void StatusBar::setSimpleText(const QString& text) {
    if (text == m_simpleText)
        return;
    m_simpleText = text;
    if (m_simplePanel)
        repaint();
}

void StatusBar::showHint(const QString& hint) {
    setSimpleText(hint);
    setSimplePanel(!hint.isEmpty());
}

void StatusBar::setSimplePanel(bool on) {
    if (on == m_simplePanel)
        return;
    m_simplePanel = on;
    update();
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, 1, 0, 0);
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    if (!m_simplePanel)
        return;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(4, 1, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, m_simpleText);
}
