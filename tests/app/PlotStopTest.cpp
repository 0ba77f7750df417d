// SPDX-License-Identifier: GPL-3.0-or-later
// A plot of minutes in the real window: Esc or closing the window stops it, and what the
// user types or clicks meanwhile is handled after it, in its order (but for clicks on the
// plot button, and for every click once Esc has stopped it).
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "model/Model.h"
#include "widgets/PlotImage.h"
#include "widgets/QtDialogs.h"
#include "widgets/StatusBar.h"

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

class PlotStop : public MainWindowShown {
protected:
    void SetUp() override {
        MainWindowShown::SetUp();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
        fillMainFields();
        mainField(13)->setText(QStringLiteral("6E6")); // 10^9 samples a sweep: minutes of work
        Form1->Edit1->setFocus();
        Form1->Edit1->end(false);
    }

    // Keys and clicks take the window system's road into the program.
    static void press(Qt::Key key, QWidget* window = Form1) {
        QTest::keyClick(window->windowHandle(), key);
    }

    RussianLocale locale;
    DialogsScript script;
};
} // namespace

TEST_F(PlotStop, EscOrClosingTheWindowEndsALongPlotWithinASecond) {
    Form1->Edit13->setText(QStringLiteral("1E12")); // a quick plot first: its picture stays
    Form1->Button1->click();
    const QImage earlier = Form1->Image1->image().copy();
    Form1->Edit13->setText(QStringLiteral("6E6"));
    const struct {
        const char* name;
        bool doubleClick; // on "Построить график" while the plot runs, before the stop
        bool closing;     // the window closed instead of Esc
    } ways[] = {
        {"Esc", false, false},
        {"double click, then Esc", true, false},
        {"closing", false, true},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        QElapsedTimer sinceStop;
        Qt::CursorShape cursorDuring = Qt::ArrowCursor;
        QTimer::singleShot(300, [&] {
            if (const QCursor* cursor = QGuiApplication::overrideCursor())
                cursorDuring = cursor->shape();
            sinceStop.start();
            if (way.doubleClick)
                QTest::mouseDClick(Form1->windowHandle(), Qt::LeftButton, {},
                                   Form1->Button1->mapTo(Form1, Form1->Button1->rect().center()));
            if (way.closing)
                Form1->windowHandle()->close(); // as the window manager asks
            else
                press(Qt::Key_Escape);
        });
        Form1->Button1->click();
        EXPECT_LT(sinceStop.elapsed(), 1000);
        EXPECT_EQ(cursorDuring, Qt::WaitCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(Form1->Gauge1->value(), 0);
        EXPECT_EQ(Form1->StatusBar1->simpleText(), kStopped);
        // Stopped in the first scan, which draws nothing; what the command wrote stays.
        EXPECT_EQ(Form1->Image1->image(), earlier);
        EXPECT_EQ(Form1->plotSession().PlotState.FreqStep, 6e6);
        EXPECT_LT(Form1->plotSession().PlotState.SweepFreq, 6e15);
        EXPECT_TRUE(Form1->isVisible()) << "the close query waits for the end of the command";
        script->answers = {Dialogs::Answer::No}; // "Сохранить файл перед выходом?"
        QTimer stopAgain; // a plot that the held input started is stopped, late
        QObject::connect(&stopAgain, &QTimer::timeout, [] {
            if (QGuiApplication::overrideCursor())
                press(Qt::Key_Escape);
        });
        stopAgain.start(1500);
        QCoreApplication::sendPostedEvents();
        EXPECT_LT(sinceStop.elapsed(), 1000) << "idle after the held input";
        EXPECT_EQ(Form1->isVisible(), !way.closing);
        EXPECT_EQ(script->questions.size(), way.closing ? 1 : 0);
    }
}

TEST_F(PlotStop, InputDuringThePlotIsHandledAfterItInItsOrder) {
    int presses = 0;
    QObject::connect(Form1->Button1, &QPushButton::pressed, [&] { ++presses; });
    const auto clickOn = [](QWidget* control) {
        QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, {},
                          control->mapTo(Form1, control->rect().center()));
    };
    // A key, a click into Edit2, a key and a click on "Построить график" during each plot.
    QString duringPlot;
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "closing" : "Esc");
        QTimer::singleShot(200, [&] {
            press(closing ? Qt::Key_7 : Qt::Key_5);
            clickOn(Form1->Edit2);
            press(closing ? Qt::Key_8 : Qt::Key_6);
            clickOn(Form1->Button1);
        });
        QTimer::singleShot(400, [&] {
            duringPlot = Form1->Edit1->text() + '|' + Form1->Edit2->text();
            if (closing)
                Form1->windowHandle()->close();
            else
                press(Qt::Key_Escape);
        });
        Form1->N13->trigger();
        EXPECT_EQ(duringPlot, closing ? QStringLiteral("356|1") : QStringLiteral("3|1"));
        script->answers = {Dialogs::Answer::Cancel}; // "Сохранить файл перед выходом?"
        QCoreApplication::sendPostedEvents();
    }
    // Esc dropped the clicks and the keys followed; closing kept the click into Edit2 in its
    // place. A click on "Построить график" during a plot is never held for later.
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("3567"));
    EXPECT_EQ(Form1->Edit2->text(), QStringLiteral("18"));
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(PlotStop, ErrorBoxOfThePlotTakesItsKeysWhileHeldInputWaits) {
    std::unique_ptr<Dialogs> scripted = setDialogs(std::make_unique<QtDialogs>());
    // An interval at the end of the doubles: some 2 x 10^7 samples into the first scan, the
    // running sum passes the largest double.
    mainField(11)->setText(QStringLiteral("1,5976931348623157E308"));
    mainField(12)->setText(QStringLiteral("1,7976931348623155E308"));
    mainField(13)->setText(QStringLiteral("1E300"));
    QTimer::singleShot(100, [] { press(Qt::Key_7); });
    QString underBox; // the box's text, Edit1 and the cursor while the box is up
    bool escClosed = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        underBox = box->text() + '|' + Form1->Edit1->text() + '|' +
                   (QGuiApplication::overrideCursor() ? "busy" : "");
        QTimer::singleShot(30000, box, &QWidget::close); // never hang, whatever happens
        press(Qt::Key_Escape, box);
        escClosed = !box->isVisible();
    });
    answer.start(50);
    Form1->Button1->click();
    setDialogs(std::move(scripted));
    EXPECT_TRUE(escClosed) << "Esc closed the box";
    EXPECT_EQ(underBox, QStringLiteral("Floating point overflow.|3|"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("37"));
}
