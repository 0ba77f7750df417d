// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PlotOverlay.h"
#include "plot/Canvas.h"
#include "plot/PlotState.h"
#include "plot/PlotUnit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kBackground = qRgb(0, 0, 0);
constexpr QRgb kText = qRgb(255, 255, 0);

/** The classroom lesson's 400 … 600 on 473 pixels: x = 2,365 (W - 400). */
TPlotState lesson() {
    TPlotState s;
    s.FreqFrom = 400;
    s.FreqTo = 600;
    s.FreqStep = 0.1;
    s.PlotWidth = s.PlotHeight = 473;
    s.FreqScale = 473.0 / 200;
    s.OriginX = 473 - 1419; // Round(600 x 2,365) = 1419
    s.ValueMin = -3;
    s.ValueMax = 3;
    s.ValueScale = 473.0 / 6;
    s.OriginY = 236;
    return s;
}

/** Columns of row y that carry the text colour. */
int textPixelsIn(const QImage& image, int y, int fromX, int toX) {
    int count = 0;
    for (int x = fromX; x < toX; ++x)
        count += image.pixel(x, y) == kText;
    return count;
}
} // namespace

// Where a probe's line and label stand, and that the surface's colours are left as found.
TEST(PlotOverlay, ProbesLineAndLabel) {
    PlotSettings settings;
    settings.BackgroundColor = kBackground;
    settings.LabelFontColor = kText;
    const struct {
        const char* what;
        long double w;
        int lineX; // -1: not drawn
        bool labelRight;
    } cases[] = {
        {"in the middle, label to the right", 480, 189, true},
        {"near the end, label to the left", 590, 449, false},
        {"at the start", 400, 0, true},
        {"outside the interval: kept, not drawn", 700, -1, true},
    };
    for (const auto& c : cases) {
        QImage image(473, 473, QImage::Format_RGB32);
        image.fill(kBackground);
        Canvas canvas(image);
        canvas.setPenColor(qRgb(1, 2, 3));
        canvas.setTextColor(qRgb(4, 5, 6));
        canvas.setBrushColor(qRgb(7, 8, 9));
        drawProbes(canvas, lesson(), PlotUnit(), {{c.w, 1.25, 0.5}}, settings, QLatin1Char(','));
        EXPECT_EQ(canvas.penColor(), qRgb(1, 2, 3)) << c.what;
        EXPECT_EQ(canvas.textColor(), qRgb(4, 5, 6)) << c.what;
        EXPECT_EQ(canvas.brushColor(), qRgb(7, 8, 9)) << c.what;
        if (c.lineX < 0) {
            EXPECT_EQ(image, [] {
                QImage blank(473, 473, QImage::Format_RGB32);
                blank.fill(kBackground);
                return blank;
            }()) << c.what;
            continue;
        }
        // The line runs the whole height, below the labels too.
        for (const int y : {0, 236, 472})
            EXPECT_EQ(image.pixel(c.lineX, y), kText) << c.what << " y " << y;
        // The label's first line ("W = …") stands right or left of the line, near the top.
        const int right = textPixelsIn(image, 20, c.lineX + 1, 473);
        const int left = textPixelsIn(image, 20, 0, c.lineX);
        EXPECT_GT(c.labelRight ? right : left, 0) << c.what;
        EXPECT_EQ(c.labelRight ? left : right, 0) << c.what;
    }
}
