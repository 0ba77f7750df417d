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

    /** What the left button and the wheel do over the picture, positions in image pixels. */
    struct Gestures {
        std::function<void(int x, int y)> press;   ///< the left button pressed
        std::function<void(int x, int y)> release; ///< the left button released
        /** Whole notches of the wheel: positive away from the user. */
        std::function<void(int x, int y, int notches)> wheel;
    };
    void setGestures(Gestures gestures) { m_gestures = std::move(gestures); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage m_image;
    std::function<void(int, int)> m_onMove;
    Gestures m_gestures;
    int m_wheelEighths = 0; ///< of a degree turned and not yet a whole notch
};
