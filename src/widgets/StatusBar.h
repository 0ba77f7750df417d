// SPDX-License-Identifier: GPL-3.0-or-later
// A status bar without panels that shows one single text while its single-text mode is on.
#pragma once

#include <QWidget>

class StatusBar : public QWidget {
public:
    explicit StatusBar(QWidget* parent = nullptr);

    const QString& simpleText() const { return m_simpleText; }
    /** Replaces the single text; it shows at once when the single-text mode is on. */
    void setSimpleText(const QString& text);

    bool simplePanel() const { return m_simplePanel; }
    void setSimplePanel(bool on);

    /** The program-wide hint: shown in single-text mode, the mode off while there is none. */
    void showHint(const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_simpleText;
    bool m_simplePanel = false;
};
