// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/CursorReadout.h"
#include "QtPrinters.h"
#include "model/Errors.h"
#include "model/Model.h"
#include "plot/PlotState.h"

#include <QPoint>
#include <gtest/gtest.h>

namespace {
CursorTexts at(int x, int y, bool automatic = false, const char* exponent = "15") {
    return cursorReadout(x, y, 473, 473, automatic, QString::fromUtf8(exponent), QLatin1Char(','));
}
} // namespace

TEST(CursorReadout, BeforeAnyPlotBothReadZero) {
    PlotState = {};
    ModelParams = {};
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

TEST(CursorReadout, AutomaticThousandRuleTurnsTheUnitBackIntoHertz) {
    PlotState = {};
    PlotState.FreqFrom = 3500; // w0 = 5E15: 5000 +- 15 x 100
    PlotState.FreqTo = 6500;
    ModelParams.Omega0 = 5000;
    EXPECT_EQ(at(0, 0, true, "15").frequency, QStringLiteral("3,5E15"));
    const double middle = at(236, 0, true, "15").frequency.replace(',', '.').toDouble();
    EXPECT_NEAR(middle, 5e15, 0.01e15);
    // Manual mode ignores the exponent, also a bad one.
    EXPECT_EQ(at(0, 0, false, "abc").frequency, QStringLiteral("3500"));
    EXPECT_THROW(at(0, 0, true, "abc"), ConversionError);

    // A w0 below 1000 after the plot (0,5 x 10^4 gave 500): no conversion.
    ModelParams.Omega0 = 500;
    EXPECT_EQ(at(0, 0, true, "4").frequency, QStringLiteral("3500"));
}
