// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSnapshot.h"

#include "Dialogs.h"
#include "files/ProgramFolder.h"
#include "files/WindowPicture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {
/** Lets the closed message box leave the screen and the window repaint where it stood. What
    the user types or clicks meanwhile waits for the end of the command. */
void letTheScreenSettle() {
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    while (clock.elapsed() < 150);
}

/** What the screen shows over the outer rectangle; a null image where the platform cannot
    read the screen. The offscreen and minimal platforms have no screen anyone sees: what
    they give for one is not what the window shows. */
QImage readScreen(const QWidget* window, const QRect& outer) {
    const QString platform = QGuiApplication::platformName();
    QScreen* screen = window->screen();
    if (!screen || platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    const QPoint atScreen = outer.topLeft() - screen->geometry().topLeft();
    const QPixmap shot =
        screen->grabWindow(0, atScreen.x(), atScreen.y(), outer.width(), outer.height());
    if (shot.isNull())
        return {};
    return shot.toImage();
}

/** The window's own rendering at the client area's place inside the outer rectangle. */
QImage renderWindow(QWidget* window, const QRect& outer) {
    QImage picture(outer.size(), QImage::Format_RGB32);
    picture.fill(window->palette().color(QPalette::Dark));
    QPainter painter(&picture);
    painter.drawPixmap(window->geometry().topLeft() - outer.topLeft(), window->grab());
    return picture;
}
} // namespace

void SaveWindowSnapshot(QWidget* window, const QString& fileName, const QString& message,
                        bool messageFirst) {
    // The user is told "saved" only once the whole file has its room on the disk.
    PictureFile file(besideProgram(fileName), window->frameGeometry().size());
    if (messageFirst) {
        dialogs().showMessage(message);
        letTheScreenSettle();
    }
    const QRect outer = window->frameGeometry();
    QImage shown = readScreen(window, outer);
    if (shown.isNull())
        shown = renderWindow(window, outer);
    file.write(stretchedByOnePixel(shown, outer.size()));
    if (!messageFirst)
        dialogs().showMessage(message);
}
