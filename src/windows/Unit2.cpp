// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit2.h"

#include "widgets/Application.h"
#include "widgets/JpegImage.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TAboutForm* AboutForm = nullptr;

namespace {
QFont windowsFont(int pixels, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Half of an integer, rounded half to even; exact for any sign.
long long halfToEven(long long doubled) {
    const long long floorHalf = doubled >> 1;
    const bool hasHalf = (doubled & 1) != 0;
    return hasHalf && (floorHalf & 1) != 0 ? floorHalf + 1 : floorHalf;
}

int centredStart(int mainStart, int mainLength, int aboutLength) {
    // Doubled, so that both halves stay whole numbers.
    const long long doubled = 2LL * mainStart + mainLength - aboutLength;
    return static_cast<int>(halfToEven(doubled));
}
} // namespace

QPoint centredTopLeft(const QRect& mainFrame, const QSize& aboutFrame) {
    return {centredStart(mainFrame.left(), mainFrame.width(), aboutFrame.width()),
            centredStart(mainFrame.top(), mainFrame.height(), aboutFrame.height())};
}

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.xpm")));
    setFont(windowsFont(11, false));
    setBackgroundRole(QPalette::Button);
    setFixedSize(361, 329);

    // The button comes first so that it leads the tab order.
    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(112, 232, 129, 33);
    Button1->setFont(windowsFont(16, true));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this,
            [this] { runCommand([this] { Button1Click(); }); });

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 360, 328);
    Image1->setScaledContents(true);
    QFile picture(QStringLiteral(":/about.jpg"));
    if (picture.open(QIODevice::ReadOnly))
        Image1->setPixmap(QPixmap::fromImage(decodeJpeg(picture.readAll())));

    Label1 = new QLabel(QStringLiteral("Волнограф "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(128, 16, 107, 20);
    Label1->setFont(windowsFont(16, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setBackgroundRole(QPalette::Button);
    Label1->setAutoFillBackground(true);

    // The picture lies beneath the label and the button.
    Image1->lower();
}

QSize TAboutForm::outerSize(const QWidget& main) const {
    const QSize outer = frameGeometry().size();
    if (outer != size())
        return outer;
    // Before its first showing the window's frame is not known yet; the main window's frame,
    // drawn by the same desktop, is the best guess of it.
    const QRect mainFrame = main.frameGeometry();
    const QRect mainClient = main.geometry();
    return outer +
           QSize(mainFrame.width() - mainClient.width(), mainFrame.height() - mainClient.height());
}

void TAboutForm::centreOn(const QWidget& main) {
    move(centredTopLeft(main.frameGeometry(), outerSize(main)));
}

void TAboutForm::showCentredOn(QWidget* main) {
    centreOn(*main);
    exec();
}

void TAboutForm::Button1Click() {
    accept();
}
