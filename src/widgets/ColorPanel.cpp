// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

ColorPanel::ColorPanel(const QColor& color, QWidget* parent) : QWidget(parent), m_color(color) {
    setCursor(Qt::PointingHandCursor);
}

void ColorPanel::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush fill(m_color);
    qDrawShadePanel(&painter, rect(), palette(), true, 1, &fill);
}

void ColorPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    // Letting go outside the panel takes the click back, as with any button.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
