// SPDX-License-Identifier: GPL-3.0-or-later
// A font too large for its room is reduced one size at a time.
#include "widgets/FormBuilder.h"

#include <QFont>
#include <gtest/gtest.h>

TEST(FittingFont, LargestSizeThatFitsKeepsFaceAndStyle) {
    const struct {
        const char* why;
        double points; // 0: the font is in pixels
        int pixels;
        double room; // the largest size that fits
        double expected;
    } cases[] = {
        {"20 points where 12 fit", 20, 0, 12, 12},
        {"a size that fits stays", 11.5, 0, 12, 11.5},
        {"a fractional size goes to whole ones", 20.5, 0, 18, 18},
        {"27 pixels where 18 fit", 0, 27, 18, 18},
        {"nothing fits: the smallest size", 0, 27, 0, 1},
    };
    for (const auto& c : cases) {
        QFont font(QStringLiteral("Liberation Serif"));
        if (c.points > 0)
            font.setPointSizeF(c.points);
        else
            font.setPixelSize(c.pixels);
        font.setItalic(true);
        const auto sizeOf = [](const QFont& f) {
            return f.pointSizeF() > 0 ? f.pointSizeF() : double(f.pixelSize());
        };
        const QFont fitting =
            form::largestFitting(font, [&](const QFont& f) { return sizeOf(f) <= c.room; });
        EXPECT_DOUBLE_EQ(sizeOf(fitting), c.expected) << c.why;
        EXPECT_EQ(fitting.pointSizeF() > 0, c.points > 0) << c.why << ": the same unit";
        EXPECT_TRUE(fitting.italic()) << c.why;
        EXPECT_EQ(fitting.family(), font.family()) << c.why;
    }
}
