// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/FittedRange.h"
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "RecordingSurface.h"
#include "model/Errors.h"
#include "model/NumberText.h"
#include "plot/CompletedPlot.h"
#include "plot/PlotCommand.h"
#include "plot/PlotMapping.h"
#include "plot/PlotSession.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

// The extremes of a row of values are those of the loop in order, to the sign of a zero.
TEST(FittedRange, ExtremesOfValuesAsFoundInOrder) {
    const struct {
        const char* what;
        std::vector<double> values;
        double min, max;
    } cases[] = {
        {"one value", {-2.5}, -2.5, -2.5},
        {"extremes among the last values past the lanes", {2, 1, 3, 5, 4, 9, -1}, -1, 9},
        {"+0 first", {0.0, -0.0}, 0.0, 0.0},
        {"-0 first", {-0.0, 0.0}, -0.0, -0.0},
        // The lanes meet -0 in the first and +0 in the third: the first in order stays.
        {"+0 before -0 in other lanes", {5, 6, 0.0, 7, -0.0, 8, 9, 4}, 0.0, 9},
        {"-0 before +0 in other lanes", {-3, -6, -0.0, -7, 0.0, -8, -9, -4}, -9, -0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ValueSpan span = valueExtremes(c.values.data(), static_cast<int>(c.values.size()));
        EXPECT_EQ(span.min, c.min);
        EXPECT_EQ(span.max, c.max);
        EXPECT_EQ(std::signbit(span.min), std::signbit(c.min));
        EXPECT_EQ(std::signbit(span.max), std::signbit(c.max));
    }
}

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

namespace {
/** Sodium vapour at its D2 line, as the example lesson types it. */
InputTexts sodium() {
    return {"31981", "1",  "4",   "16",       "91",       "11", "10",
            "-32",   "16", "-20", "31980E11", "31982E11", "1E8"};
}
} // namespace

// A fitted range above 0: the curve within the picture, ValueMin on the bottom row, the
// range fields and every value label telling their rows' values.
TEST(FittedRange, PlotOfADiluteMediumSharesOneMapping) {
    PlotRecorder rec;
    rec.request.fields = sodium();
    rec.request.fitToCurves = true;
    RecordingSurface surface;
    PlotSession session;
    runPlotCommand(rec.request, rec, surface, session);
    ASSERT_TRUE(session.complete) << rec.messages.join(' ').toStdString();
    const TPlotState& s = session.complete->PlotState;
    EXPECT_GT(s.ValueMin, 0.99999);
    EXPECT_LT(s.ValueMax - s.ValueMin, 3e-6);
    const PlotMapping mapping(s);
    EXPECT_EQ(mapping.pixelY(s.ValueMin), 473);
    EXPECT_EQ(mapping.pixelY(s.ValueMax), 0);
    for (const CurveSample& sample : session.complete->re.samples) {
        const int y = mapping.pixelY(sample.v);
        ASSERT_TRUE(y >= 0 && y <= 473) << y;
    }
    EXPECT_EQ(rec.request.rangeMin, formatScientific(s.ValueMin, QLatin1Char(',')));
    EXPECT_EQ(rec.request.rangeMax, formatScientific(s.ValueMax, QLatin1Char(',')));
    int labels = 0;
    for (const RecordingSurface::Text& t : surface.textsAt(10)) {
        const double row = s.ValueMax - double(t.y) / 473 * (s.ValueMax - s.ValueMin);
        EXPECT_NEAR(double(parseReal(t.text, QLatin1Char(','))), row,
                    (s.ValueMax - s.ValueMin) / 100)
            << t.text.toStdString() << " at " << t.y;
        ++labels;
    }
    EXPECT_EQ(labels, 9);
}
