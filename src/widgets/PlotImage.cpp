// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotImage.h"

#include <QMouseEvent>
#include <QPainter>

PlotImage::PlotImage(QWidget* parent, QSize size)
    : QWidget(parent), m_image(size, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
    setFixedSize(size);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void PlotImage::mouseMoveEvent(QMouseEvent* event) {
    if (m_onMove) {
        const QPoint p = event->position().toPoint();
        m_onMove(p.x(), p.y());
    }
}
