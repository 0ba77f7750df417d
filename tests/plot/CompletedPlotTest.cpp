// SPDX-License-Identifier: GPL-3.0-or-later
// A finished plot keeps what its drawing needs: drawn again from it, the picture is the one
// the sweeps drew, and what it keeps does not grow with the samples.
#include "plot/CompletedPlot.h"
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "model/ScaledValue.h"
#include "plot/Canvas.h"

#include <gtest/gtest.h>

namespace {
const QString kRangeText = QStringLiteral("Вычисление диапазона значений...");
} // namespace

TEST(CompletedPlot, DrawnAgainItIsThePictureTheSweepsDrew) {
    const DrawingWay &line = kDrawingWays[0], &dotted = kDrawingWays[1], &points = kDrawingWays[2];
    const struct {
        const char* what;
        DrawingWay way;
        const char* step;
    } cases[] = {
        {"line", line, "1E10"}, // 600 000 samples a sweep
        {"dotted region", dotted, "1E10"},
        {"points", points, "1E10"},
        {"line, few samples", line, "2E14"}, // 30 samples, 16 pixels apart
        {"points, steep", points, "1E9"},    // 6 000 000 samples
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlottedLesson p;
        p.rec.typeExample("0", "6E15", c.step);
        p.rec.drawAs(c.way);
        p.plot();
        ASSERT_TRUE(p.rec.messages.isEmpty());
        const CompletedPlot* shown = p.session.onScreen();
        ASSERT_TRUE(shown);
        QImage again(473, 473, QImage::Format_RGB32);
        again.fill(qRgb(1, 2, 3));
        Canvas canvas(again);
        drawPlot(canvas, *shown);
        EXPECT_EQ(again, p.picture) << "pixel for pixel";
        // Each curve keeps a few samples per column of the picture, however many it swept.
        for (const DrawnCurve* curve : {&shown->im, &shown->re}) {
            EXPECT_LT(curve->samples.size(), 8u * 473);
            const bool styled = c.way.dotted && curve == &shown->re;
            EXPECT_EQ(curve->styles.size(), styled ? curve->samples.size() : 0u);
        }
    }
}

// The status line keeps its text until the inputs are read, and the scans' text goes when
// the scans end, also by an error.
TEST(CompletedPlot, StatusLineAtTheEndsOfTheCommand) {
    const struct {
        const char* what;
        int edit; // the field typed over, 0 none
        const char* text;
        bool automatic;
        QString error;
        QStringList status;
    } cases[] = {
        {"an empty field", 9, "", false, {}, {}},
        {"no number", 2, "abc", false, "'abc' is not a valid floating point value", {}},
        {"g = 0 before the range", 2, "0", false, "Invalid floating point operation", {""}},
        // clang-format off
        {"an interval of no width after the scans", 1, "3000", true, "Floating point division by zero", {"", kRangeText, ""}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlottedLesson p;
        p.rec.typeExample();
        p.rec.request.automatic = c.automatic;
        if (c.edit == 1)
            p.rec.request.field(6) = QStringLiteral("0");
        if (c.edit)
            p.rec.request.field(c.edit) = QString::fromUtf8(c.text);
        EXPECT_EQ(errorText([&] { p.plot(); }), c.error);
        EXPECT_EQ(p.rec.statusTexts, c.status);
        if (c.automatic) {
            // The medium scaled to the plot's unit gives way to the typed one, also after an error.
            EXPECT_EQ(p.session.ModelParams.Gamma, ScaledValue(1, 13));
            EXPECT_EQ(p.session.ModelParams.Concentration, ScaledValue(1, 28));
        }
    }
}

// Only a picture that is exactly the drawing of the last complete plot is drawn again from
// it; anything drawn over it or in its place leaves the pixels to be taken as they are.
TEST(CompletedPlot, WhatIsOnScreen) {
    const struct {
        const char* what;
        const char *from, *to, *step;
        bool onScreen, complete;
    } cases[] = {
        {"a plot to its end", "0", "6E15", "1E12", true, true},
        {"a rejected interval: the frame over it", "6E15", "0", "1E12", false, true},
        {"a refused step: the frame over it", "0", "6E15", "0", false, true},
        {"an empty field: nothing drawn", "0", "6E15", "", true, true},
        {"a failure in the scans", "1,5E308", "1,7976931348623155E308", "1E304", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlottedLesson p;
        p.rec.typeExample();
        p.plot();
        ASSERT_TRUE(p.session.onScreen());
        p.rec.typeExample(c.from, c.to, c.step);
        p.rec.request.field(1) = QStringLiteral("2"); // another w0 under the frame's label
        errorText([&] { p.plot(); });
        EXPECT_EQ(p.session.onScreen() != nullptr, c.onScreen);
        EXPECT_EQ(p.session.complete.has_value(), c.complete);
    }
}
