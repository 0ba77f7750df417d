// SPDX-License-Identifier: GPL-3.0-or-later
// The scale a projector's screen has room for.
#include "app/WindowScale.h"

#include <gtest/gtest.h>

TEST(WindowScale, FactorsAreReadWithPointOrCommaWithinOneToFour) {
    const struct {
        const char* text;
        std::optional<double> factor; // 0: fit
    } cases[] = {
        {"2", 2},    {"1,5", 1.5},  {"1.5", 1.5}, {"1", 1},     {"4", 4},
        {"4,0", 4},  {"fit", 0},    {"0,9", {}},  {"4,01", {}}, {"0", {}},
        {"-2", {}},  {"1,5,0", {}}, {"1e0", {}},  {" 2", {}},   {"inf", {}},
        {"nan", {}}, {"", {}},      {"FIT", {}},  {"2x", {}},   {",5", {}},
    };
    for (const auto& c : cases) {
        const std::optional<ScaleRequest> read = parseScale(QString::fromUtf8(c.text));
        ASSERT_EQ(read.has_value(), c.factor.has_value()) << c.text;
        if (!read)
            continue;
        EXPECT_EQ(read->fit, *c.factor == 0) << c.text;
        if (!read->fit) {
            EXPECT_DOUBLE_EQ(read->factor, *c.factor) << c.text;
        }
    }
}

TEST(WindowScale, WindowNeverOpensLargerThanTheScreen) {
    // The main window at scale 1 with its menu bar; the frame of the window manager.
    const QSize window(1038, 558);
    const QSize frame(10, 40);
    const ScaleRequest fit{true, 4};
    const auto factor = [](double k) { return ScaleRequest{false, k}; };
    const struct {
        const char* screen;
        ScaleRequest request;
        QSize available;
        double chosen;
        bool lowered;
    } cases[] = {
        {"a projector of 1280x800, 2 asked", factor(2), {1280, 800}, 1.22, true},
        {"a projector of 1280x800, 1,5 asked", factor(1.5), {1280, 800}, 1.22, true},
        {"the same, the largest that fits", fit, {1280, 800}, 1.22, false},
        {"full HD less a panel, 2 asked", factor(2), {1920, 1040}, 1.79, true},
        {"full HD less a panel, 1,5 fits", factor(1.5), {1920, 1040}, 1.5, false},
        // The height decides: 1116 + 40 > 1100.
        {"a tall screen, 2 asked", factor(2), {2400, 1100}, 1.89, true},
        {"4K, 2 fits exactly", factor(2), {2086, 1156}, 2, false},
        {"4K, fit is 4 at most", fit, {3840, 2160}, 3.68, false},
        {"8K, fit stops at 4", fit, {7680, 4320}, 4, false},
        {"a netbook, never below the window's own size", factor(2), {1024, 600}, 1, true},
        {"a netbook, fit", fit, {1024, 600}, 1, false},
    };
    for (const auto& c : cases) {
        const WindowScale chosen = chooseScale(c.request, window, frame, c.available);
        EXPECT_DOUBLE_EQ(chosen.factor, c.chosen) << c.screen;
        EXPECT_EQ(chosen.lowered, c.lowered) << c.screen;
        if (chosen.factor > 1) {
            EXPECT_LE(std::ceil(window.width() * chosen.factor) + frame.width(),
                      c.available.width())
                << c.screen;
            EXPECT_LE(std::ceil(window.height() * chosen.factor) + frame.height(),
                      c.available.height())
                << c.screen;
        }
    }
}

TEST(WindowScale, LoweredFactorIsToldInOneLine) {
    EXPECT_EQ(loweredScaleNote({false, 2}, {1.22, true}, {1280, 800}, QLatin1Char(',')),
              QStringLiteral("Волнограф: окна в масштабе 2 не помещаются на экране 1280 × 800, "
                             "масштаб уменьшен до 1,22\n"));
}
