// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its picture, its controls, its modal run and its place on the screen.
#include "widgets/JpegImage.h"
#include "windows/Unit2.h"

#include "QtPrinters.h"
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
QByteArray embeddedPicture() {
    QFile file(QStringLiteral(":/about.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int twiceCentre(int start, int length) {
    return 2 * start + length;
}
} // namespace

TEST(AboutJpeg, DecodesTheEmbeddedPicture) {
    const QByteArray bytes = embeddedPicture();
    ASSERT_FALSE(bytes.isEmpty());
    const QImage image = decodeJpeg(bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(360, 328));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    // The corners are the dark blue night of the picture, not black or grey filler.
    const QColor corner = image.pixelColor(2, 2);
    EXPECT_GT(corner.blue(), corner.red());
    EXPECT_GT(corner.blue(), 20);
}

TEST(AboutJpeg, DamagedDataGivesANullImage) {
    const QByteArray good = embeddedPicture();
    ASSERT_GT(good.size(), 1000);
    QByteArray flipped = good;
    // Scan data past the headers, overwritten with a marker-like run.
    for (qsizetype i = good.size() / 2; i < good.size() / 2 + 64; ++i)
        flipped[i] = static_cast<char>(0xFF);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"garbage", QByteArray("this is not a picture at all, only words")},
        {"header only", good.left(2)},
        {"truncated", good.left(good.size() / 2)},
        {"damaged scan", flipped},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(decodeJpeg(c.bytes).isNull()) << c.what;
}

TEST(AboutJpeg, ReadsColourAndGreyPicturesOfOtherWriters) {
    if (!QImageWriter::supportedImageFormats().contains("jpg"))
        GTEST_SKIP() << "no JPEG writer in this Qt";
    // Four flat quadrants, wide enough that compression keeps their colours.
    QImage colour(48, 32, QImage::Format_RGB32);
    const QColor quadrants[] = {QColor(200, 30, 30), QColor(30, 200, 30), QColor(30, 30, 200),
                                QColor(230, 230, 40)};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            colour.setPixelColor(x, y, quadrants[(y / 16) * 2 + x / 24]);
    const QImage grey = colour.convertToFormat(QImage::Format_Grayscale8);

    const QImage* sources[] = {&colour, &grey};
    for (const QImage* source : sources) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(source->save(&buffer, "JPG", 95));
        const QImage decoded = decodeJpeg(bytes);
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(decoded.size(), source->size());
        EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
        for (const QPoint p : {QPoint(12, 8), QPoint(36, 8), QPoint(12, 24), QPoint(36, 24)}) {
            const QColor want = source->pixelColor(p);
            const QColor got = decoded.pixelColor(p);
            EXPECT_NEAR(got.red(), want.red(), 12) << p.x() << ',' << p.y();
            EXPECT_NEAR(got.green(), want.green(), 12) << p.x() << ',' << p.y();
            EXPECT_NEAR(got.blue(), want.blue(), 12) << p.x() << ',' << p.y();
        }
    }
}

TEST(AboutPlace, CentresWithHalvesRoundedToEven) {
    const struct {
        QRect main;
        QSize about;
        QPoint want;
        const char* why;
    } cases[] = {
        {{0, 0, 1045, 571}, {368, 356}, {338, 108}, "522.5 - 184 and 285.5 - 178: 338.5, 107.5"},
        {{1, 10, 1045, 570}, {368, 357}, {340, 116}, "339.5 goes up, 116.5 goes down"},
        {{0, 0, 1045, 600}, {369, 300}, {338, 150}, "both odd: no half left over"},
        {{100, 50, 400, 300}, {200, 100}, {200, 150}, "even sizes: exact"},
        {{-101, -7, 200, 100}, {369, 51}, {-186, 18}, "-185.5 to -186, 17.5 to 18"},
        {{0, 0, 300, 200}, {369, 229}, {-34, -14}, "larger than the main window: -34.5, -14.5"},
        {{3, 0, 300, 200}, {369, 229}, {-32, -14}, "-31.5 goes to -32"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(centredTopLeft(c.main, c.about), c.want) << c.why;
}

TEST(AboutWindow, ControlsStandWhereTheLayoutPutsThem) {
    TAboutForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(form.size(), QSize(361, 329));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_FALSE(form.font().bold());

    const struct {
        const char* name;
        QRect rect;
        QString text;
        int pixels;
    } cases[] = {
        {"Image1", {0, 0, 360, 328}, QString(), 11},
        {"Label1", {128, 16, 107, 20}, QStringLiteral("Волнограф "), 16},
        {"Button1", {112, 232, 129, 33}, QStringLiteral("ОК"), 16},
    };
    for (const auto& c : cases) {
        const auto* w = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
        EXPECT_EQ(w->font().pixelSize(), c.pixels) << c.name;
        EXPECT_EQ(w->font().bold(), c.pixels == 16) << c.name;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            EXPECT_EQ(label->text(), c.text) << c.name;
        }
        if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            EXPECT_EQ(button->text(), c.text) << c.name;
        }
    }
    EXPECT_TRUE(form.Button1->isDefault());
    EXPECT_TRUE(form.Label1->autoFillBackground());
    EXPECT_EQ(form.Label1->palette().color(form.Label1->backgroundRole()),
              form.palette().color(QPalette::Button));

    // The picture fills its control, under the label and the button.
    ASSERT_TRUE(form.Image1->pixmap().size().isValid());
    const QImage shown = form.grab().toImage();
    const QColor corner = shown.pixelColor(2, 2);
    EXPECT_GT(corner.blue(), corner.red());
    EXPECT_EQ(shown.pixelColor(form.Label1->geometry().topRight()),
              form.palette().color(QPalette::Button));
}

TEST(AboutWindow, OkEndsTheModalRunAccepted) {
    QWidget main;
    main.setGeometry(200, 150, 500, 400);
    main.show();
    TAboutForm form(&main);
    bool buttonHadFocus = false;
    int waited = 0;
    QTimer poll;
    // Waits for the window to become active, which the platform does after showing it.
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        if (!form.isActiveWindow() && ++waited < 100)
            return;
        buttonHadFocus = form.focusWidget() == form.Button1;
        form.Button1->click();
    });
    poll.start(10);
    // A safety net: the run ends even if the button failed to end it.
    QTimer::singleShot(3000, &form, [&] { form.done(-1); });
    form.showCentredOn(&main);
    poll.stop();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(buttonHadFocus) << waited;
    EXPECT_FALSE(form.isVisible());
}

TEST(AboutWindow, EnterPressesOk) {
    TAboutForm form;
    QTimer::singleShot(0, &form, [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
    });
    QTimer::singleShot(3000, &form, [&] { form.done(-1); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
}

TEST(AboutWindow, StandsCentredOnTheMainWindowWhereverItIs) {
    QWidget main;
    main.resize(640, 481);
    main.show();
    TAboutForm form(&main);
    for (const QPoint place : {QPoint(10, 20), QPoint(333, 171), QPoint(10, 20)}) {
        main.move(place);
        QRect mainFrame, aboutFrame;
        QTimer::singleShot(0, &form, [&] {
            mainFrame = main.frameGeometry();
            aboutFrame = form.frameGeometry();
            form.Button1->click();
        });
        QTimer::singleShot(2000, &form, [&] { form.done(-1); });
        form.showCentredOn(&main);
        ASSERT_EQ(mainFrame.topLeft(), place);
        // The two frames' centres differ by at most the half pixel that rounding drops.
        EXPECT_LE(std::abs(twiceCentre(aboutFrame.left(), aboutFrame.width()) -
                           twiceCentre(mainFrame.left(), mainFrame.width())),
                  1)
            << place.x() << ',' << place.y();
        EXPECT_LE(std::abs(twiceCentre(aboutFrame.top(), aboutFrame.height()) -
                           twiceCentre(mainFrame.top(), mainFrame.height())),
                  1)
            << place.x() << ',' << place.y();
    }
}
