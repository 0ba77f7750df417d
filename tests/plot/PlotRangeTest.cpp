// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PlotRange.h"
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "QtPrinters.h"
#include "model/Errors.h"
#include "model/NumberText.h"
#include "plot/InputParameters.h"
#include "plot/PlotFrame.h"
#include "plot/PlotMapping.h"
#include "plot/PlotSession.h"
#include "plot/SampleTape.h"

#include <gtest/gtest.h>

namespace {
class PlotRange : public ::testing::Test {
protected:
    void SetUp() override { session = {}; }

    InputOutcome load() { return readInputParameters(rec.request, rec, session.ModelParams); }
    std::optional<TModelParams> range() {
        FrameTexts texts{{}, {}, rec.request.rangeMin, rec.request.rangeMax, QLatin1Char(',')};
        return computePlotRange(rec.request, rec, session, texts, 473, 473);
    }

    // Loads the medium as the plot command does, then computes the range.
    bool compute() {
        EXPECT_EQ(load(), InputOutcome::Loaded);
        return range().has_value();
    }

    void automaticW0(const char* mantissa, const char* exponent) {
        rec.typeExample();
        rec.request.automatic = true;
        rec.request.field(1) = QString::fromUtf8(mantissa);
        rec.request.field(6) = QString::fromUtf8(exponent);
    }

    PlotRecorder rec;
    PlotSession session;
    TPlotState& PlotState = session.PlotState;
};
} // namespace

TEST_F(PlotRange, AutomaticIntervals) {
    const struct {
        const char* mantissa;
        const char* exponent;
        double omega0, from, to, step;
    } cases[] = {
        {"5", "2", 500, 0, 1000, 0.1},                    // below 1000: 0 to 2 w0
        {"3", "15", 3000, 1500, 4500, 30},                // the thousand rule
        {"1", "15", 1000, -500, 2500, 30},                // exactly 1000: a negative start
        {"2000000", "-1", 2e9, 2e9 + 100, 2e9 - 100, -2}, // start above the end
    };
    for (const auto& c : cases) {
        SetUp();
        automaticW0(c.mantissa, c.exponent);
        rec.request.field(2) = QStringLiteral("5"); // g = 5E13 keeps every case drawable
        ASSERT_TRUE(compute()) << c.mantissa << "E" << c.exponent;
        EXPECT_DOUBLE_EQ(session.unit->omega0(), c.omega0);
        EXPECT_DOUBLE_EQ(PlotState.FreqFrom, c.from);
        EXPECT_DOUBLE_EQ(PlotState.FreqTo, c.to);
        EXPECT_DOUBLE_EQ(PlotState.FreqStep, c.step);
    }
}

TEST_F(PlotRange, WorkedExampleScalesAndOrigins) {
    automaticW0("5", "2");
    rec.request.field(2) = QStringLiteral("5");
    rec.request.field(7) = QStringLiteral("1");
    ASSERT_TRUE(compute());
    EXPECT_DOUBLE_EQ(PlotState.FreqScale, 0.473);
    EXPECT_EQ(PlotState.OriginX, 0);
    EXPECT_TRUE(PlotState.OriginY == 236 || PlotState.OriginY == 237) << PlotState.OriginY;
    EXPECT_EQ(PlotState.PlotWidth, 473);
    EXPECT_EQ(PlotState.PlotHeight, 473);
    EXPECT_GE(PlotState.SweepFreq, PlotState.FreqTo) << "the sweep ends at the first sum not below";
}

TEST_F(PlotRange, RangeFieldsShowTheRangeOfThePicture) {
    rec.typeExample();
    ASSERT_TRUE(compute());
    // M is n''(w0) = 529,790..., written in scientific form for the frame.
    EXPECT_EQ(rec.request.rangeMax, QStringLiteral("5,29790360298835E2"));
    EXPECT_EQ(rec.request.rangeMin, QStringLiteral("-5,29790360298835E2"));
    EXPECT_DOUBLE_EQ(PlotState.ValueMax, 529.790360298835);
    EXPECT_DOUBLE_EQ(PlotState.ValueMin, -529.790360298835);

    // Under the thousand rule the range is found again for w0 = 3000 in units of 10^12 Hz;
    // the fields show the range found there.
    SetUp();
    automaticW0("3", "15");
    ASSERT_TRUE(compute());
    EXPECT_EQ(rec.request.rangeMax, formatScientific(PlotState.ValueMax, QLatin1Char(',')));
    EXPECT_EQ(rec.request.rangeMin, formatScientific(PlotState.ValueMin, QLatin1Char(',')));
}

TEST_F(PlotRange, ZeroDampingFailsBeforeTheRangeFields) {
    rec.typeExample();
    rec.request.field(2) = QStringLiteral("0");
    EXPECT_EQ(load(), InputOutcome::Loaded);
    EXPECT_EQ(errorText([&] { range(); }), QStringLiteral("Invalid floating point operation"));
    EXPECT_TRUE(rec.request.rangeMin.isEmpty());
}

TEST_F(PlotRange, ZeroWidthIntervalDividesByZero) {
    automaticW0("3000", "0"); // thousand rule with e = 0: the interval has no width
    EXPECT_EQ(load(), InputOutcome::Loaded);
    EXPECT_EQ(errorText([&] { range(); }), QStringLiteral("Floating point division by zero"));
}

TEST_F(PlotRange, SweepsThatWouldNeverEndAreRefused) {
    const struct {
        const char* from;
        const char* to;
        const char* step;
    } cases[] = {{"0", "6E15", "0"},
                 {"0", "6E15", "-1E12"},
                 {"1E15", "2E15", "0,01"},
                 {"0", "1E300", "1E280"}};
    for (const auto& c : cases) {
        SetUp();
        rec.messages.clear();
        rec.typeExample(c.from, c.to, c.step);
        EXPECT_FALSE(compute()) << c.from << ".." << c.to << " by " << c.step;
        EXPECT_EQ(rec.messages, QStringList{kBadIntervalMessage});
    }
}

TEST(SweepEnds, OnlySweepsThatReachTheirEnd) {
    const struct {
        double from, to, step;
        bool ends;
    } cases[] = {
        {0, 1000, 0.1, true},     {0, 1000, 0, false},
        {0, 1000, -1, false},     {2e9 + 100, 2e9 - 100, -2, true}, // one sample
        {5, 5, 0, true},          {1e15, 2e15, 0.125, false}, // half the spacing 0,25 at 2E15: ties
        {1e15, 2e15, 0.13, true}, {1e15, 2e15, 0.25, true},
        {-500, 2500, 30, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sweepEnds(c.from, c.to, c.step), c.ends)
            << c.from << " " << c.to << " " << c.step;
}

TEST_F(PlotRange, FarIntervalWrapsAroundToTheLeftEdge) {
    // 1E15 Hz is 4,73E14 pixels away from the frequency 0: 32-bit pixels wrap around.
    rec.typeExample("1E15", "1,000000001E15", "1E3");
    ASSERT_TRUE(compute());
    const PlotMapping mapping(PlotState);
    const std::int32_t start = mapping.samplePixel(PlotState.FreqFrom, 0).x;
    const std::int32_t end = mapping.samplePixel(PlotState.FreqTo, 0).x;
    EXPECT_LE(std::abs(start), 1) << start;
    EXPECT_LE(std::abs(end - 473), 1) << end;
}
