// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/CursorReadout.h"
#include "QtPrinters.h"
#include "plot/PlotState.h"
#include "plot/PlotUnit.h"

#include <QPoint>
#include <gtest/gtest.h>

namespace {
TPlotState PlotState;

CursorTexts at(int x, int y, const PlotUnit& unit = PlotUnit()) {
    return cursorReadout(x, y, 473, 473, PlotState, unit, QLatin1Char(','));
}
} // namespace

TEST(CursorReadout, BeforeAnyPlotBothReadZero) {
    PlotState = {};
    for (QPoint p : {QPoint(0, 0), QPoint(236, 400), QPoint(472, 472)}) {
        EXPECT_EQ(at(p.x(), p.y()).frequency, QStringLiteral("0"));
        EXPECT_EQ(at(p.x(), p.y()).value, QStringLiteral("0"));
    }
}

TEST(CursorReadout, ManualInterval) {
    PlotState = {};
    PlotState.FreqTo = 1000;
    PlotState.ValueMin = -2;
    PlotState.ValueMax = 2;
    const struct {
        int x, y;
        const char* frequency;
        const char* value;
    } cases[] = {
        {0, 0, "0", "2"},                  // left edge and top edge
        {236, 0, "498,942917547569", "2"}, // 15 digits, 12 after the separator
        {473, 473, "1000", "-2"},
        {0, 236, "0", "0,00422832980972516"},
    };
    for (const auto& c : cases) {
        const CursorTexts t = at(c.x, c.y);
        EXPECT_EQ(t.frequency, QString::fromUtf8(c.frequency)) << c.x;
        EXPECT_EQ(t.value, QString::fromUtf8(c.value)) << c.y;
    }
}

// The unit is the picture's: ticking or unticking the box, or typing another exponent after
// the plot, changes nothing.
TEST(CursorReadout, FrequencyInHertzFromThePicturesUnit) {
    PlotState = {};
    PlotState.FreqFrom = 3500; // w0 = 5E15 automatic: 5000 +- 15 x 100, units of 10^12 Hz
    PlotState.FreqTo = 6500;
    const struct {
        double typedW0;
        bool automatic;
        const char *mantissa, *exponent;
        const char* atLeftEdge;
    } cases[] = {
        {5e15, true, "5", "15", "3,5E15"},
        {5e15, false, "5", "15", "3500"},  // a typed interval is in hertz already
        {500, true, "5", "2", "3500"},     // below 1000: hertz
        {5000, true, "0,5", "4", "35000"}, // 0,5 x 1000 in units of 10 Hz
    };
    for (const auto& c : cases) {
        const PlotUnit unit =
            PlotUnit::decide(c.typedW0, c.automatic, QString::fromUtf8(c.mantissa),
                             QString::fromUtf8(c.exponent), QLatin1Char(','));
        EXPECT_EQ(at(0, 0, unit).frequency, QString::fromUtf8(c.atLeftEdge)) << c.mantissa;
    }
    const PlotUnit unit =
        PlotUnit::decide(5e15, true, QStringLiteral("5"), QStringLiteral("15"), QLatin1Char(','));
    const double middle = at(236, 0, unit).frequency.replace(',', '.').toDouble();
    EXPECT_NEAR(middle, 5e15, 0.01e15);
}
