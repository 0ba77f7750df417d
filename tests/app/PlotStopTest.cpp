// SPDX-License-Identifier: GPL-3.0-or-later
// A plot of minutes in the real window: Esc or closing the window stops it, and what the
// user types or clicks meanwhile is handled after it, in its order.
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/PlotImage.h"
#include "app/QtDialogs.h"
#include "app/Startup.h"
#include "app/StatusBar.h"
#include "app/Unit1.h"
#include "model/Model.h"
#include "plot/PlotState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
const QString kStopped = QStringLiteral("Построение прервано");

class PlotStop : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        PlotState = {};
        ModelParams = {};
        createWindows();
        Form1->show();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
        // The classroom medium with 10^9 samples a sweep: minutes of work.
        const char* texts[] = {"3",   "1",  "1",   "1,6", "9,1",  "15", "13",
                               "-31", "28", "-19", "0",   "6E15", "6E6"};
        for (int i = 0; i < 13; ++i)
            Form1->setFieldText(i + 1, QString::fromUtf8(texts[i]));
    }
    void TearDown() override {
        destroyWindows();
        QLocale::setDefault(QLocale::system());
    }

    // Keys and clicks take the window system's road into the program.
    static void press(Qt::Key key, QWidget* window = Form1) {
        QTest::keyClick(window->windowHandle(), key);
    }
    static void clickPlotButton() {
        QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, {},
                          Form1->Button1->mapTo(Form1, Form1->Button1->rect().center()));
    }

    DialogsScript script;
};
} // namespace

TEST_F(PlotStop, EscEndsALongPlotWithinASecondKeepingWhatWasDone) {
    Form1->Edit13->setText(QStringLiteral("1E12"));
    Form1->Button1->click();
    const QImage earlier = Form1->Image1->image().copy();

    Form1->Edit13->setText(QStringLiteral("6E6"));
    QElapsedTimer sinceEsc;
    Qt::CursorShape cursorDuring = Qt::ArrowCursor;
    QTimer::singleShot(300, [&] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            cursorDuring = cursor->shape();
        sinceEsc.start();
        press(Qt::Key_Escape);
    });
    Form1->Button1->click();

    ASSERT_TRUE(sinceEsc.isValid()) << "the timer ran while the plot did";
    EXPECT_LT(sinceEsc.elapsed(), 1000);
    EXPECT_EQ(cursorDuring, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Form1->Gauge1->value(), 0);
    EXPECT_EQ(Form1->StatusBar1->simpleText(), kStopped);
    // Stopped in the first scan, which draws nothing: the earlier picture stays whole.
    EXPECT_EQ(Form1->Image1->image(), earlier);
    EXPECT_EQ(PlotState.FreqStep, 6e6) << "what the command wrote stays";
    EXPECT_GT(PlotState.SweepFreq, 0);
    EXPECT_LT(PlotState.SweepFreq, 6e15);
    EXPECT_TRUE(script->errors.isEmpty());
}

TEST_F(PlotStop, InputDuringThePlotIsHandledAfterItInItsOrder) {
    Form1->Edit1->setFocus();
    Form1->Edit1->end(false);
    bool firstRunning = true;
    int presses = 0, pressesInsideFirst = 0;
    QObject::connect(Form1->Button1, &QPushButton::pressed, [&] {
        ++presses;
        pressesInsideFirst += firstRunning;
    });
    QString edit1DuringPlot;
    QTimer::singleShot(200, [] {
        press(Qt::Key_5);
        clickPlotButton();
    });
    QTimer::singleShot(400, [&] {
        edit1DuringPlot = Form1->Edit1->text();
        press(Qt::Key_Escape);
    });
    Form1->N13->trigger();
    firstRunning = false;
    const QString firstMax = Form1->Edit19->text();
    EXPECT_EQ(edit1DuringPlot, QStringLiteral("3"));
    EXPECT_EQ(presses, 0);

    // The held input comes now: the key lands in Edit1, then the click starts the next
    // plot, which reads the new w0 (and is stopped in turn).
    QTimer::singleShot(300, [] { press(Qt::Key_Escape); });
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("35"));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(pressesInsideFirst, 0);
    EXPECT_NE(Form1->Edit19->text(), firstMax) << "the second plot used w0 = 35E15";
    EXPECT_EQ(Form1->StatusBar1->simpleText(), kStopped);
}

TEST_F(PlotStop, ClosingTheWindowStopsThePlotAndClosesAfterIt) {
    bool shownAfterPlot = false;
    QTimer::singleShot(200, [] { Form1->windowHandle()->close(); });
    Form1->Button1->click();
    shownAfterPlot = Form1->isVisible();
    EXPECT_TRUE(shownAfterPlot) << "the close query waits for the end of the command";
    EXPECT_EQ(Form1->StatusBar1->simpleText(), kStopped);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(Form1->isVisible());
}

TEST_F(PlotStop, ErrorBoxOfThePlotTakesItsKeysWhileHeldInputWaits) {
    std::unique_ptr<Dialogs> script = setDialogs(std::make_unique<QtDialogs>());
    Form1->Edit1->setFocus();
    Form1->Edit1->end(false);
    // Part-way through the first scan the medium loses its mass: the model divides by zero.
    QTimer::singleShot(200, [] {
        press(Qt::Key_7);
        ModelParams.Mass = 0;
    });
    QString boxText;
    QString edit1UnderBox;
    bool cursorUnderBox = true;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answer.stop();
        boxText = box->text();
        edit1UnderBox = Form1->Edit1->text();
        cursorUnderBox = QGuiApplication::overrideCursor() != nullptr;
        press(Qt::Key_Escape, box);
    });
    answer.start(50);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    safety.start(5000);

    Form1->Button1->click();
    setDialogs(std::move(script));
    EXPECT_TRUE(safety.isActive()) << "the box did not take its Esc";
    EXPECT_EQ(boxText, QStringLiteral("Floating point division by zero."));
    EXPECT_EQ(edit1UnderBox, QStringLiteral("3")) << "held input waits for the box";
    EXPECT_FALSE(cursorUnderBox) << "the box comes with the normal cursor";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("37"));
}
