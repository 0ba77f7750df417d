// SPDX-License-Identifier: GPL-3.0-or-later
// Exploring a finished plot as the user does: the wheel zooms, a drag pans, a click pins a
// probe; the plot's menu goes back, clears and copies the probes, keeps a plot to compare
// with and fits the range to the curves.
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "plot/Comparison.h"
#include "widgets/PlotImage.h"
#include "windows/PlotExplorer.h"
#include "windows/PlotMenu.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
/** The guide's classroom lesson: w0 = 500, g = 50, N = 40, 400 … 600 by 0,1. */
const QStringList kLesson = {"5",   "5", "4",   "1,6", "9,1", "2",  "1",
                             "-31", "1", "-19", "400", "600", "0,1"};

class PlotExplore : public MainWindowShown {
protected:
    void SetUp() override {
        MainWindowShown::SetUp();
        fillMainFields(kLesson);
        Form1->Button1->click();
        ASSERT_TRUE(Form1->plotSession().onScreen());
    }

    static PlotImage* image() { return Form1->Image1; }
    static PlotExplorer* explorer() { return Form1->plotExplorer; }

    /** One notch of the wheel at p: away from the user (up) or towards. */
    static void wheel(QPoint p, bool away) {
        QWheelEvent event(QPointF(p), QPointF(image()->mapToGlobal(p)), QPoint(),
                          QPoint(0, away ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(image(), &event);
    }

    static void drag(QPoint from, QPoint to) {
        QTest::mousePress(image(), Qt::LeftButton, {}, from);
        QTest::mouseMove(image(), to);
        QTest::mouseRelease(image(), Qt::LeftButton, {}, to);
    }

    static double field(int n) { return double(parseReal(mainField(n)->text(), QLatin1Char(','))); }

    RussianLocale locale;
    DialogsScript script;
};
} // namespace

// One notch up in the middle halves the interval about the pointer's frequency, and plots.
TEST_F(PlotExplore, WheelZoomsAboutThePointerAndPlots) {
    wheel(QPoint(236, 200), true);
    EXPECT_EQ(mainField(11)->text(), QStringLiteral("449,9")); // 499,79 under the pointer
    EXPECT_EQ(mainField(12)->text(), QStringLiteral("549,9"));
    EXPECT_EQ(mainField(13)->text(), QStringLiteral("0,05"));
    const CompletedPlot* plot = Form1->plotSession().onScreen();
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->PlotState.FreqFrom, field(11)) << "a new plot of the new interval";
    wheel(QPoint(236, 200), false);
    EXPECT_EQ(mainField(11)->text(), QStringLiteral("400"));
    EXPECT_EQ(mainField(12)->text(), QStringLiteral("600"));
    EXPECT_EQ(mainField(13)->text(), QStringLiteral("0,1"));
}

TEST_F(PlotExplore, DragPansAndTheMenuGoesBack) {
    drag(QPoint(300, 200), QPoint(200, 200)); // the picture follows the hand to the left
    const double shift = 100.0 / 473 * 200;
    EXPECT_NEAR(field(11), 400 + shift, 0.05) << "to a thousandth of the width";
    EXPECT_NEAR(field(12) - field(11), 200, 1e-9);
    EXPECT_EQ(mainField(13)->text(), QStringLiteral("0,1"));
    wheel(QPoint(100, 100), true);
    ASSERT_TRUE(choosePlotMenuItem(explorer()->previousIntervalItem));
    EXPECT_NEAR(field(11), 400 + shift, 0.05);
    ASSERT_TRUE(choosePlotMenuItem(explorer()->previousIntervalItem));
    EXPECT_EQ(mainField(11)->text(), QStringLiteral("400"));
    EXPECT_EQ(mainField(12)->text(), QStringLiteral("600"));
    EXPECT_FALSE(choosePlotMenuItem(explorer()->previousIntervalItem))
        << "nothing before the first";
}

// Under "Автоматически" the first gesture writes the interval in hertz and unticks the box.
TEST_F(PlotExplore, FirstGestureUnderAutomaticWritesHertz) {
    QTest::mouseClick(Form1->CheckBox2, Qt::LeftButton);
    Form1->Button1->click(); // 0 … 1000 by 0,1
    wheel(QPoint(0, 200), true);
    EXPECT_FALSE(Form1->CheckBox2->isChecked());
    EXPECT_EQ(mainField(11)->text(), QStringLiteral("0"));
    EXPECT_EQ(mainField(12)->text(), QStringLiteral("500"));
    EXPECT_EQ(mainField(13)->text(), QStringLiteral("0,05"));
}

// A click without a drag pins a probe with the model's values; the menu copies them.
TEST_F(PlotExplore, ClickPinsProbesThatTheMenuCopiesAndClears) {
    const QRgb before = image()->image().pixel(100, 460);
    QTest::mouseClick(image(), Qt::LeftButton, {}, QPoint(100, 300));
    const CompletedPlot* plot = Form1->plotSession().onScreen();
    ASSERT_TRUE(plot);
    ASSERT_EQ(plot->probes.size(), 1u);
    const double w = 400 + 100.0 / 473 * 200;
    EXPECT_NEAR(double(plot->probes[0].w), w, 1e-9);
    EXPECT_EQ(plot->probes[0].n, RefractionRe(plot->medium, double(plot->probes[0].w)));
    EXPECT_NE(image()->image().pixel(100, 460), before) << "the probe's line";
    for (const int x : {150, 200, 250, 300}) // a fifth probe takes the oldest's place
        QTest::mouseClick(image(), Qt::LeftButton, {}, QPoint(x, 300));
    ASSERT_EQ(Form1->plotSession().onScreen()->probes.size(), 4u);
    ASSERT_TRUE(choosePlotMenuItem(explorer()->copyProbesItem));
    const QStringList rows = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0], QStringLiteral("w, рад/с\tf, Гц\tλ, нм\tn\tn″"));
    EXPECT_TRUE(rows[1].startsWith(formatGeneral(400 + 150.0 / 473 * 200, QLatin1Char(','))));
    ASSERT_TRUE(choosePlotMenuItem(explorer()->clearProbesItem));
    EXPECT_TRUE(Form1->plotSession().onScreen()->probes.empty());
    EXPECT_EQ(image()->image().pixel(100, 460), before) << "the picture without probes";
}

// A kept plot is drawn under the next one in paler shades, with a legend.
TEST_F(PlotExplore, ComparisonDrawsTheKeptCurvesPaler) {
    const QRgb paleRed = paler(qRgb(255, 0, 0));
    const auto paleCount = [&] {
        int count = 0;
        const QImage& picture = image()->image();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += picture.pixel(x, y) == paleRed;
        return count;
    };
    ASSERT_TRUE(choosePlotMenuItem(explorer()->compareItem));
    fillMainFields({"5", "1", "4", "1,6", "9,1", "2", "2"}); // g = 100
    Form1->Button1->click();
    EXPECT_GT(paleCount(), 200);
    ASSERT_TRUE(choosePlotMenuItem(explorer()->compareItem)) << "chosen again: the comparison ends";
    Form1->Button1->click();
    EXPECT_EQ(paleCount(), 0);
}

// The range fitted to the curves shows in the range fields and the readout.
TEST_F(PlotExplore, FittedRange) {
    ASSERT_TRUE(choosePlotMenuItem(explorer()->fitItem));
    // The lesson's n from -0,211 to 2,338 and n'' to 2,545: the range with 5 % margins.
    EXPECT_NEAR(field(18), -0.211 - 0.1378, 2e-3);
    EXPECT_NEAR(field(19), 2.545 + 0.1378, 2e-3);
    QTest::mouseMove(image(), QPoint(10, 0));
    EXPECT_NEAR(double(parseReal(Form1->Edit15->text(), QLatin1Char(','))), field(19), 1e-9);
}
