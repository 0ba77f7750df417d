// SPDX-License-Identifier: GPL-3.0-or-later
// A coloured rectangle that acts as a button: the settings window's colour choosers.
#pragma once

#include <QColor>
#include <QWidget>

class ColorPanel : public QWidget {
    Q_OBJECT
public:
    explicit ColorPanel(const QColor& color, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    /** A left-button press and release, both inside the panel. */
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_color;
    bool m_pressed = false;
};
