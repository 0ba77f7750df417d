// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/IntervalGestures.h"
#include "PlotRecorder.h"
#include "QtPrinters.h"
#include "plot/PlotState.h"
#include "plot/PlotUnit.h"

#include <gtest/gtest.h>

namespace {
const QChar kComma = QLatin1Char(',');

/** A finished plot's interval as the plot command leaves it, with the unit it decided. */
struct Swept {
    double from, to, step;
    double typedW0;
    bool automatic;
    const char* mantissa; // of w0, read under the thousand rule
    const char* exponent;
};

PlotUnit unitOf(const Swept& s) {
    return PlotUnit::decide(s.typedW0, s.automatic, QString::fromUtf8(s.mantissa),
                            QString::fromUtf8(s.exponent), kComma);
}

// The pointer on a picture 400 wide: column 200 is the middle, column 100 a quarter.
constexpr int kWidth = 400;
} // namespace

// A wheel notch (factor 1/2 in, 2 out) about the frequency under the pointer, or a drag, on
// either side of the thousand rule, automatic and typed; the texts the fields receive.
TEST(IntervalGestures, ZoomAndPanTexts) {
    const Swept classroom{400, 600, 0.1, 500, false, "5", "2"};
    const Swept automaticBelow{0, 1000, 0.1, 500, true, "5", "2"};
    // Under the rule an automatic interval is in units of 10^12 Hz for w0 = 3E15.
    const Swept automaticRule{1500, 4500, 30, 3e15, true, "3", "15"};
    const Swept typedRule{2.8e15, 3.2e15, 4e11, 3e15, false, "3", "15"};
    const Swept exactlyThousand{-500, 2500, 30, 1e15, true, "1", "15"}; // starts below 0
    const struct {
        const char* what;
        Swept swept;
        double factor; // 0: a drag from x to toX
        int x, toX;
        const char *from, *to, *step;
    } cases[] = {
        {"in at the middle", classroom, 0.5, 200, 0, "450", "550", "0,05"},
        {"out at the middle", classroom, 2, 200, 0, "300", "700", "0,2"},
        {"in at a quarter keeps 450 under the pointer", classroom, 0.5, 100, 0, "425", "525",
         "0,05"},
        {"out near 0 holds the start at 0", automaticBelow, 2, 40, 0, "0", "1900", "0,19"},
        {"automatic, in at the middle", automaticBelow, 0.5, 200, 0, "250", "750", "0,05"},
        {"thousand rule, automatic, in hertz", automaticRule, 0.5, 200, 0, "2,25E15", "3,75E15",
         "15000000000000"},
        {"thousand rule, typed", typedRule, 0.5, 200, 0, "2,9E15", "3,1E15", "200000000000"},
        {"drag right shows lower frequencies", classroom, 0, 200, 300, "350", "550", "0,1"},
        {"drag left shows higher frequencies", classroom, 0, 300, 100, "500", "700", "0,1"},
        {"thousand rule, automatic, drag", automaticRule, 0, 100, 0, "2,25E15", "5,25E15",
         "30000000000000"},
        {"a drag below 0 stops at 0", exactlyThousand, 0, 0, 200, "0", "3E15", "30000000000000"},
        {"out below 0 from a negative start", exactlyThousand, 2, 200, 0, "0", "4E15",
         "40000000000000"},
    };
    for (const auto& c : cases) {
        const TPlotState PlotState = sweepOver(c.swept.from, c.swept.to, c.swept.step);
        const PlotUnit unit = unitOf(c.swept);
        const FrequencyInterval swept = sweptInterval(PlotState, unit);
        const FrequencyInterval moved =
            c.factor != 0
                ? zoomedInterval(swept, pointerFrequency(PlotState, unit, c.x, kWidth), c.factor)
                : pannedInterval(swept, dragShift(swept, c.x, c.toX, kWidth));
        const IntervalTexts texts = intervalTexts(moved, kComma);
        EXPECT_EQ(texts.from, QString::fromUtf8(c.from)) << c.what;
        EXPECT_EQ(texts.to, QString::fromUtf8(c.to)) << c.what;
        EXPECT_EQ(texts.step, QString::fromUtf8(c.step)) << c.what;
    }
}

// The pointer's frequency keeps its place in the picture through a zoom in and back out,
// within half a pixel of the 473 despite the rounded ends.
TEST(IntervalGestures, ZoomKeepsThePointersFrequencyInPlace) {
    const FrequencyInterval start{400, 600, 0.1};
    for (const long double pivot : {400.0L, 437.4567L, 512.5123L, 599.99L}) {
        const FrequencyInterval in = zoomedInterval(start, pivot, 0.5L);
        const long double share = (pivot - start.from) / (start.to - start.from);
        EXPECT_NEAR(double((pivot - in.from) / (in.to - in.from)), double(share), 0.5 / 473);
        EXPECT_NEAR(double(in.step), 0.05, 1e-15);
        const FrequencyInterval back = zoomedInterval(in, pivot, 2);
        EXPECT_NEAR(double(back.from), 400, 0.2);
        EXPECT_NEAR(double(back.to - back.from), 200, 0.2);
        EXPECT_NEAR(double(back.step), 0.1, 1e-15);
    }
}
