// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/FittedRange.h"
#include "ErrorText.h"
#include "model/Errors.h"

#include <gtest/gtest.h>
#include <limits>

// The range fitted to the curves' own lowest and highest values, with a margin.
TEST(FittedRange, Table) {
    const struct {
        const char* what;
        ValueSpan re, im;
        double min, max, tolerance;
    } cases[] = {
        // The classroom lesson: n from -0,21 to 2,34, n'' from 0 to 2,54; span 2,75.
        {"both curves", {-0.21, 2.34}, {0, 2.54}, -0.3475, 2.6775, 1e-12},
        {"n'' below n", {0.5, 1.5}, {-1, 0.2}, -1.125, 1.625, 1e-12},
        // Sodium vapour: n - 1 within +-2E-6, n'' up to 4E-6; n alone, margin 2E-7.
        {"dilute: n alone", {1 - 2e-6, 1 + 2e-6}, {1e-12, 4e-6}, 1 - 2.2e-6, 1 + 2.2e-6, 1e-15},
        // n takes an eighth of the common height: still the common range; a sixteenth: n alone.
        {"an eighth is enough", {0.875, 1.0}, {0, 0.5}, -0.05, 1.05, 1e-12},
        {"a sixteenth is not", {0.9375, 1.0}, {0, 0.5}, 0.934375, 1.003125, 1e-12},
        // n flat to its last digit: alone it would show nothing, so n'' is kept in sight.
        {"flat n keeps both", {1, 1}, {0, 0.5}, -0.05, 1.05, 1e-12},
        // Both flat at one value: widened to 1E-12 of it, then the margin.
        {"flat at one value", {2, 2}, {2, 2}, 2 - 1.1e-12, 2 + 1.1e-12, 1e-15},
        {"flat zero", {0, 0}, {0, 0}, -1.1, 1.1, 1e-12},
        {"negative values", {-3, -1}, {-2, -2}, -3.1, -0.9, 1e-12},
    };
    for (const auto& c : cases) {
        const ValueSpan fitted = fittedRange(c.re, c.im);
        EXPECT_NEAR(fitted.min, c.min, c.tolerance) << c.what;
        EXPECT_NEAR(fitted.max, c.max, c.tolerance) << c.what;
        EXPECT_LT(fitted.min, fitted.max) << c.what << ": a range the mapping can divide by";
    }
}

TEST(FittedRange, BeyondTheDoubleRangeIsTheOverflowError) {
    const double big = std::numeric_limits<double>::max();
    EXPECT_EQ(errorText([&] { fittedRange({-big, big}, {0, 1}); }), "Floating point overflow");
}
