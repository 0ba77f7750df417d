// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

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

void PlotImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_gestures.press) {
        const QPoint p = event->position().toPoint();
        m_gestures.press(p.x(), p.y());
    }
}

void PlotImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_gestures.release) {
        const QPoint p = event->position().toPoint();
        m_gestures.release(p.x(), p.y());
    }
}

void PlotImage::wheelEvent(QWheelEvent* event) {
    // A notch is 15 degrees, 120 eighths; a finer wheel or a touchpad adds up to one.
    constexpr int kNotch = 120;
    m_wheelEighths += event->angleDelta().y();
    const int notches = m_wheelEighths / kNotch;
    m_wheelEighths -= notches * kNotch;
    event->accept();
    if (notches != 0 && m_gestures.wheel) {
        const QPoint p = event->position().toPoint();
        m_gestures.wheel(p.x(), p.y(), notches);
    }
}
