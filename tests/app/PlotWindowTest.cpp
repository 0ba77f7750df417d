// SPDX-License-Identifier: GPL-3.0-or-later
// The plot as the main window runs it: picture, readout and the settings window.
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/Startup.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "widgets/ColorPanel.h"
#include "widgets/PlotImage.h"
#include "windows/Unit1.h"
#include "windows/Unit3.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class PlotWindow : public MainWindowShown {
protected:
    void SetUp() override {
        MainWindowShown::SetUp();
        fillMainFields();
    }

    // A move of the pointer over the picture, as the window receives it.
    static void movePointer(int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Form1->Image1, &move);
    }

    static int pixelsOf(QRgb colour) {
        const QImage& image = Form1->Image1->image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }

    RussianLocale locale;
    DialogsScript script;
};
} // namespace

TEST_F(PlotWindow, ExamplePlotsWithoutErrorAndResetsTheGauge) {
    Form1->Button1->click();
    EXPECT_TRUE(script->errors.isEmpty()) << script->errors.join(' ').toStdString();
    EXPECT_TRUE(script->messages.isEmpty());
    EXPECT_EQ(Form1->Edit19->text(), QStringLiteral("5,29790360298835E2"));
    EXPECT_EQ(Form1->Gauge1->value(), 0);
    // Both curves are in the picture, in the default colours.
    EXPECT_GT(pixelsOf(qRgb(255, 0, 0)), 300);
    EXPECT_GT(pixelsOf(qRgb(0, 0, 255)), 300);
}

TEST_F(PlotWindow, ChangedCurveColourShowsAtTheNextPlot) {
    script->colors.push_back(QColor(255, 255, 0));
    emit Settings->findChild<ColorPanel*>(QStringLiteral("butShapeColor1"))->clicked();
    Form1->Button1->click();
    EXPECT_GT(pixelsOf(qRgb(255, 255, 0)), 300);
    EXPECT_EQ(pixelsOf(qRgb(255, 0, 0)), 0);
}

TEST_F(PlotWindow, CursorReadoutFollowsThePointer) {
    Form1->CheckBox2->setChecked(false);
    Form1->Edit11->setText(QStringLiteral("0"));
    Form1->Edit12->setText(QStringLiteral("1000"));
    Form1->Edit13->setText(QStringLiteral("1"));
    Form1->Edit1->setText(QStringLiteral("5"));
    Form1->Edit6->setText(QStringLiteral("2"));
    Form1->Button1->click();
    movePointer(236, 0);
    EXPECT_EQ(Form1->Edit14->text(), QStringLiteral("498,942917547569"));
    EXPECT_EQ(Form1->Edit15->text(),
              formatGeneral(Form1->plotSession().PlotState.ValueMax, QLatin1Char(',')));
}

// The readout speaks of the picture on screen: ticking "Автоматически" or typing another
// exponent after the plot changes neither its unit nor its numbers.
TEST_F(PlotWindow, CursorReadoutKeepsTheUnitOfThePicture) {
    Form1->Button1->click(); // the classroom medium, 0 to 6E15 Hz
    movePointer(236, 0);
    EXPECT_EQ(Form1->Edit14->text(), QStringLiteral("2,99365750528541E15"));
    QTest::mouseClick(Form1->CheckBox2, Qt::LeftButton);
    ASSERT_TRUE(Form1->CheckBox2->isChecked());
    typeInto(Form1->Edit6, QStringLiteral("x"));
    movePointer(236, 1);
    movePointer(236, 0);
    EXPECT_TRUE(script->errors.isEmpty());
    EXPECT_EQ(Form1->Edit14->text(), QStringLiteral("2,99365750528541E15"));
}

TEST_F(PlotWindow, SettingsShownModallyFromTheMenuAndTheToolbar) {
    int shown = 0;
    for (auto trigger : {+[] { Form1->N21->trigger(); }, +[] { Form1->ToolButton4->click(); }}) {
        QTimer::singleShot(0, [&shown] {
            shown += Settings->isVisible() && Settings->isModal();
            Settings->accept();
        });
        trigger();
        EXPECT_FALSE(Settings->isVisible());
    }
    EXPECT_EQ(shown, 2);
}
