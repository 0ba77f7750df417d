// SPDX-License-Identifier: GPL-3.0-or-later
// The About window.
#pragma once

#include <QDialog>

class QLabel;
class QPoint;
class QPushButton;
class QRect;
class QSize;

/**
 * Where the About window's frame goes to stand centred on the main window's frame: the halves
 * are kept exactly and the result rounded to the nearest integer, a half to the even neighbour.
 */
QPoint centredTopLeft(const QRect& mainFrame, const QSize& aboutFrame);

class TAboutForm : public QDialog {
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // Controls, named as the window's layout names them.
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;

    /** Moves the window so that its frame is centred on the frame of the main window. */
    void centreOn(const QWidget& main);
    /** Centres the window on the main window and runs it modally until it is closed. */
    void showCentredOn(QWidget* main);

    // Commands the user triggers.
    void Button1Click();

private:
    QSize outerSize(const QWidget& main) const;
};

extern TAboutForm* AboutForm;
