// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control of the plot: shows the plot's raster image and reports the pointer.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class PlotImage : public QWidget {
public:
    PlotImage(QWidget* parent, QSize size);

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }

    /** Called with the pointer position in image pixels on every move over the picture. */
    void setMouseMoveHandler(std::function<void(int x, int y)> handler) {
        m_onMove = std::move(handler);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    std::function<void(int, int)> m_onMove;
};
