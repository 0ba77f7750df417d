// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the whole screen: volnograf_screenshot out.png [delay-ms]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s out.png [delay-ms]\n", argv[0]);
        return 2;
    }
    if (argc > 2)
        QThread::msleep(static_cast<unsigned long>(std::atol(argv[2])));
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
