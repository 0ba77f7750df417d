// SPDX-License-Identifier: GPL-3.0-or-later
// The whole plot command without a window: what it draws, reports and leaves behind.
#include "plot/PlotCommand.h"
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "QtPrinters.h"
#include "model/Errors.h"
#include "model/Model.h"
#include "model/ScaledValue.h"
#include "plot/Canvas.h"
#include "plot/CursorReadout.h"
#include "plot/InputParameters.h"
#include "plot/PlotMapping.h"
#include "plot/PlotSession.h"
#include "plot/Sweep.h"

#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace {
const QString kImText =
    QStringLiteral("Построение зависимости мнимой части показателя преломления от частоты...");
const QString kReText = QStringLiteral(
    "Построение зависимости действительной части показателя преломления от частоты...");
const QString kStoppedText = QStringLiteral("Построение прервано");
const QString kRangeText = QStringLiteral("Вычисление диапазона значений...");

class PlotCommand : public ::testing::Test {
protected:
    void SetUp() override {
        session = {};
        image.fill(qRgb(1, 2, 3));
    }

    void plot() { runPlotCommand(rec.request, rec, canvas, session); }

    /** A fresh session, picture and record, as before the first plot. */
    void reset() {
        SetUp();
        rec = PlotRecorder();
    }

    /** The readout at (x, y) of the picture the session holds. */
    CursorTexts readout(int x, int y) const {
        return cursorReadout(x, y, 473, 473, PlotState, session.unit.value_or(PlotUnit()),
                             QLatin1Char(','));
    }

    // Only the curves: no frame element drawn over them.
    void curvesOnly() {
        PlotSettings& s = rec.request.settings;
        s.MarkOmega0 = s.OuterGrid = s.InnerGrid = s.TitleOX = s.TitleOY = s.ScaleLabels = false;
        s.AxesColor = qRgb(9, 9, 9); // the rulers still stand, in a colour of their own
    }

    int countColour(QRgb colour, int x0 = 0, int x1 = 473) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = x0; x < x1; ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }

    QImage image{473, 473, QImage::Format_RGB32};
    Canvas canvas{image};
    PlotRecorder rec;
    PlotSession session;
    TPlotState& PlotState = session.PlotState;
};
} // namespace

TEST_F(PlotCommand, PointModeDrawsOnePixelPerSample) {
    curvesOnly();
    rec.request.connected = false;
    rec.request.dotted = true;            // ignored in point mode
    rec.typeExample("0", "6E15", "2E14"); // 30 samples, 15,8 pixels apart
    plot();
    ASSERT_TRUE(rec.messages.isEmpty());
    // n(w) comes second, so each of its samples is one red pixel (but where a ruler passes).
    std::set<std::pair<int, int>> expected;
    const PlotMapping mapping(PlotState);
    int samples = 0;
    sweep(rec, PlotState, [&] {
        ++samples;
        const CanvasPoint p = mapping.samplePixel(
            PlotState.SweepFreq, RefractionRe(session.ModelParams, PlotState.SweepFreq));
        const bool ruler = p.x <= 5 || (p.x % 47 == 0 && p.y >= 231 && p.y <= 241);
        if (p.x >= 0 && p.x < 473 && p.y >= 0 && p.y < 473 && !ruler)
            expected.insert({p.x, p.y});
    });
    EXPECT_EQ(samples, 30);
    const int reds = countColour(qRgb(255, 0, 0));
    EXPECT_GE(reds, static_cast<int>(expected.size()));
    EXPECT_LE(reds, samples) << "no lines between the points";
    for (auto [x, y] : expected)
        EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
    EXPECT_GT(countColour(qRgb(0, 0, 255)), 0);
}

TEST_F(PlotCommand, AnomalousRegionIsDottedAndTheRestSolid) {
    curvesOnly();
    rec.request.dotted = true;
    rec.typeExample("0", "6E15", "1E11");
    plot();
    // w0 +- g/2 = 3E15 +- 5E12 is about x = 236 +- 0,4: only there does n fall, and its
    // long falling strokes carry gaps of the background colour.
    const QRgb red = qRgb(255, 0, 0), black = qRgb(0, 0, 0);
    int gapsInside = 0;
    for (int y = 0; y < 473; ++y)
        for (int x = 230; x < 243; ++x)
            if (image.pixel(x, y) == black && y > 0 && image.pixel(x, y - 1) == red)
                ++gapsInside;
    EXPECT_GT(gapsInside, 10);
    // Outside the region n rises with w: the red curve is solid and continuous.
    for (int x = 10; x < 200; x += 17) {
        int reds = 0;
        for (int y = 0; y < 473; ++y)
            reds += image.pixel(x, y) == red;
        EXPECT_GE(reds, 1) << "column " << x;
    }
}

// 6000 samples a sweep, 60 to a percent: each of the four sweeps (the two scans, the two
// curves) shows 0 to 100, each once, and the gauge is reset at the end. With 6 samples a
// sweep, each sample shows its own percent.
TEST_F(PlotCommand, GaugeShowsEveryPercentOfEverySweepInEachWayOfDrawing) {
    std::vector<int> every(101);
    std::iota(every.begin(), every.end(), 0);
    const struct {
        const char* step;
        std::vector<int> sweep;
    } cases[] = {{"1E12", every}, {"1E15", {0, 17, 33, 50, 67, 83}}};
    for (const auto& c : cases) {
        std::vector<int> expected{0};
        for (int sweep = 0; sweep < 4; ++sweep)
            expected.insert(expected.end(), c.sweep.begin(), c.sweep.end());
        expected.push_back(0);
        for (const DrawingWay& way : kDrawingWays) {
            SCOPED_TRACE(std::string(c.step) + " " + way.name);
            rec = PlotRecorder();
            rec.typeExample("0", "6E15", c.step);
            rec.drawAs(way);
            plot();
            EXPECT_EQ(rec.progress, expected);
            EXPECT_EQ(rec.statusTexts,
                      (QStringList{QString(), kRangeText, QString(), kImText, kReText, QString()}));
        }
    }
}

TEST_F(PlotCommand, AnErrorLeavesGaugeAndStatusAsTheyWere) {
    rec.typeExample();
    plot();
    rec.progress = {42};
    rec.statusTexts.clear();
    // Rejected interval: rulers and labels over the old picture, but w0 no number.
    rec.request.field(11) = QStringLiteral("7");
    rec.request.field(12) = QStringLiteral("1");
    rec.request.field(1) = QStringLiteral("три");
    EXPECT_THROW(plot(), ConversionError);
    EXPECT_EQ(rec.progress, std::vector<int>{42});
    EXPECT_EQ(rec.statusTexts, QStringList{QString()}) << "cleared once the inputs were read";
}

TEST_F(PlotCommand, RejectedIntervalDrawsRulersOverThePictureAndResets) {
    rec.typeExample("5", "5", "1");
    plot();
    EXPECT_EQ(rec.messages, QStringList{kBadIntervalMessage});
    // The picture was not cleared: the untouched colour stays where no ruler passes.
    EXPECT_EQ(image.pixel(300, 300), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(0, 47), rec.request.settings.AxesColor); // a left tick
    EXPECT_EQ(rec.progress.back(), 0);
    EXPECT_EQ(rec.statusTexts, (QStringList{QString(), QString()}));
}

TEST_F(PlotCommand, RefusedStepKeepsTheLastPlotAndEndsAsARejectedInterval) {
    rec.typeExample(); // 0 to 6E15 by 1E12
    plot();
    const TPlotState last = PlotState;
    const QString lastMin = rec.request.rangeMin, lastMax = rec.request.rangeMax;
    ASSERT_EQ(readout(236, 0).frequency, QStringLiteral("2,99365750528541E15"));

    image.fill(qRgb(1, 2, 3));
    rec.progress = {42};
    rec.statusTexts.clear();
    for (const char* step : {"0", "-1E12", "0,01"}) {
        SCOPED_TRACE(step);
        rec.messages.clear();
        rec.typeExample("0", "1E15", step);         // a step that would never reach the end
        rec.request.field(3) = QStringLiteral("7"); // and another medium
        plot();
        EXPECT_EQ(rec.messages, QStringList{kBadIntervalMessage});
        // The picture, its samples, the range fields and the readout still tell of the last
        // plot.
        ASSERT_TRUE(session.complete);
        EXPECT_EQ(session.complete->PlotState.FreqStep, 1E12);
        EXPECT_EQ(readout(236, 0).frequency, QStringLiteral("2,99365750528541E15"));
        EXPECT_EQ(rec.request.rangeMin, lastMin);
        EXPECT_EQ(rec.request.rangeMax, lastMax);
        for (double TPlotState::*field :
             {&TPlotState::FreqFrom, &TPlotState::FreqTo, &TPlotState::FreqStep,
              &TPlotState::ValueMin, &TPlotState::ValueMax, &TPlotState::FreqScale,
              &TPlotState::ValueScale, &TPlotState::SweepFreq, &TPlotState::SweepValue})
            EXPECT_EQ(PlotState.*field, last.*field);
        EXPECT_EQ(PlotState.OriginX, last.OriginX);
        EXPECT_EQ(PlotState.OriginY, last.OriginY);
        // Rulers and labels over the picture as it stands, then the reset.
        EXPECT_EQ(image.pixel(300, 300), qRgb(1, 2, 3));
        EXPECT_EQ(image.pixel(0, 47), rec.request.settings.AxesColor);
        EXPECT_EQ(rec.progress.back(), 0);
        ASSERT_FALSE(rec.statusTexts.isEmpty());
        EXPECT_EQ(rec.statusTexts.back(), QString());
    }
}

// The rulers and labels drawn again over a picture that a refused step or a rejected interval
// keeps are those of the picture's own unit, whatever the check box says by then.
TEST_F(PlotCommand, FrameOverAKeptPictureKeepsItsUnit) {
    const struct {
        const char* what;
        bool plottedAutomatic;
        const char *from, *to, *step; // typed after the plot, with the box turned over
    } cases[] = {
        {"automatic picture, then a step of 0", true, "0", "6E15", "0"},
        {"typed picture, then an interval backwards", false, "6E15", "0", "1E12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        rec.typeExample();
        rec.request.automatic = c.plottedAutomatic;
        plot();
        const QImage picture = image;
        const CursorTexts read = readout(100, 100);
        rec.request.automatic = !c.plottedAutomatic;
        rec.typeExample(c.from, c.to, c.step);
        plot();
        EXPECT_EQ(rec.messages, QStringList{kBadIntervalMessage});
        EXPECT_EQ(image, picture) << "pixel for pixel";
        EXPECT_EQ(readout(100, 100).frequency, read.frequency);
    }
}

TEST_F(PlotCommand, AutomaticIntervalPlotsTheTypedMediumInItsUnit) {
    rec.typeExample();
    rec.request.automatic = true;
    plot();
    ASSERT_TRUE(rec.messages.isEmpty());
    // The plot is in units of 10^12 Hz around 3000, and the range found there is the one
    // shown in the fields: n''(w0) = 529,79 of the typed medium.
    const double shownMax = 529.790360298835;
    EXPECT_EQ(rec.request.rangeMax, QStringLiteral("5,29790360298835E2"));
    EXPECT_NEAR(PlotState.ValueMax, shownMax, shownMax * 1e-13);
    EXPECT_NEAR(PlotState.ValueMin, -shownMax, shownMax * 1e-13);
    // The resonance: n'' reaches the top row at w0, in the middle of the image.
    int top = 473;
    for (int y = 0; y < 473 && top == 473; ++y)
        for (int x = 0; x < 473; ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 255)) {
                top = y;
                EXPECT_NEAR(x, 236, 2);
                break;
            }
    EXPECT_LE(top, 2);
    EXPECT_EQ(readout(236, 0).value, QStringLiteral("529,790360298835"));
    // Afterwards the session holds the typed medium and w0 in the plotted unit.
    EXPECT_EQ(session.unit->omega0(), 3000);
    EXPECT_EQ(session.ModelParams.Omega0, ScaledValue(3, 15));
    EXPECT_EQ(session.ModelParams.Gamma, ScaledValue(1, 13));
    EXPECT_EQ(session.ModelParams.Concentration, ScaledValue(1, 28));
}

// A running sum that passes the largest double part-way through a stretch of the first scan
// ends the command there in every mode: nothing drawn, the gauge where the scan reached, the
// scan's text gone.
TEST_F(PlotCommand, OverflowInsideAStretchEndsTheCommandThere) {
    for (const DrawingWay& way : kDrawingWays) {
        SCOPED_TRACE(way.name);
        reset();
        rec.typeExample("1,5E308", "1,7976931348623155E308", "1E304");
        rec.drawAs(way);
        EXPECT_EQ(errorText([&] { plot(); }), QStringLiteral("Floating point overflow"));
        EXPECT_EQ(rec.statusTexts, (QStringList{QString(), kRangeText, QString()}));
        ASSERT_GE(rec.progress.size(), 2u);
        EXPECT_GT(rec.progress.back(), 90) << "the last stretch of the scan";
        EXPECT_EQ(countColour(qRgb(1, 2, 3)), 473 * 473);
        // It stops at the last sample below the end, whose sum passes the largest double.
        EXPECT_LT(PlotState.SweepFreq, 1.7976931348623155e308);
        EXPECT_GT(PlotState.SweepFreq, 1.7976931348623155e308 - 1e304);
    }
}

TEST_F(PlotCommand, FirstSampleIsDrawnEvenWhenTheIntervalIsShorterThanTheStep) {
    curvesOnly();
    rec.request.connected = false;
    rec.typeExample("0", "1E15", "5E15");
    plot();
    EXPECT_EQ(PlotState.SweepFreq, 5e15);
    EXPECT_EQ(image.pixel(0, PlotState.OriginY -
                                 static_cast<int>(std::lrint(RefractionRe(session.ModelParams, 0) *
                                                             PlotState.ValueScale))),
              qRgb(255, 0, 0));
}

TEST_F(PlotCommand, StopEndsTheCommandWhereItStands) {
    // 3 x 4096 samples a sweep, asked twice in each: questions 1-2 fall in the n'' scan,
    // 3-4 in the n scan, 5-6 in the n'' trace, 7-8 in the n trace (0: never stopped).
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0), untouched = qRgb(1, 2, 3);
    const struct {
        int stopAt, questions;
        QStringList status;
        QRgb tracing; // the curve that ends near x = 315 (two thirds), or none
    } cases[] = {
        {0, 8, {QString(), kRangeText, QString(), kImText, kReText, QString()}, 0},
        {2, 2, {QString(), kRangeText, QString(), kStoppedText}, 0},
        {4, 4, {QString(), kRangeText, QString(), kStoppedText}, 0},
        {6, 6, {QString(), kRangeText, QString(), kImText, kStoppedText}, blue},
        {8, 8, {QString(), kRangeText, QString(), kImText, kReText, kStoppedText}, red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stopAt);
        reset();
        curvesOnly();
        rec.typeExample("0", "6E15", "488281250000");
        rec.stopAtCheck = c.stopAt;
        plot();
        EXPECT_EQ(rec.stopChecks, c.questions);
        EXPECT_EQ(rec.statusTexts, c.status);
        EXPECT_EQ(rec.progress.back(), 0);
        const bool inScans = c.stopAt == 2 || c.stopAt == 4;
        EXPECT_EQ(countColour(untouched) == 473 * 473, inScans) << "the scans draw nothing";
        EXPECT_EQ(session.drawn, !inScans);
        EXPECT_EQ(session.complete.has_value(), c.stopAt == 0) << "no samples of a stopped plot";
        EXPECT_EQ(countColour(blue) > 0, !inScans);
        EXPECT_EQ(countColour(red) > 0, c.stopAt == 0 || c.tracing == red);
        if (c.tracing) {
            EXPECT_EQ(PlotState.SweepFreq, 2 * kSamplesPerStopCheck * 488281250000.0);
            EXPECT_GT(countColour(c.tracing, 0, 300), 0);
            EXPECT_EQ(countColour(c.tracing, 320, 473), 0);
        }
    }
}

// The range and the sweep's last sample that the scans leave when the user stops them, as
// plain loops over the samples find them: the n scan's comparisons start from the range the
// n'' scan left, and, with a negative concentration, n widens the top that n'' leaves.
TEST_F(PlotCommand, StopInTheScansLeavesTheRangeOfTheSamplesScanned) {
    for (const char* concentration : {"1", "-1"}) {
        for (int stopAt : {1, 2, 3, 4}) {
            SCOPED_TRACE(std::string(concentration) + " stop " + std::to_string(stopAt));
            reset();
            rec.typeExample("0", "6E15", "488281250000"); // three stretches of 4096
            rec.request.field(3) = QString::fromUtf8(concentration);
            rec.stopAtCheck = stopAt;
            plot();
            ASSERT_TRUE(rec.messages.isEmpty());
            const TModelParams& m = session.ModelParams;
            const double peak = RefractionIm(m, m.Omega0), atZero = RefractionRe(m, 0);
            double low = -(atZero > peak ? atZero : peak), high = -low;
            // n'' over all samples (or the stretches before the stop), then n.
            const int scanned = 4096 * (stopAt <= 2 ? stopAt : stopAt - 2);
            double w = 0, last = 0;
            const auto scan = [&](double (*model)(const TModelParams&, double), int samples) {
                w = 0;
                for (int k = 0; k < samples; ++k) {
                    last = model(m, w);
                    low = last < low ? last : low;
                    high = last > high ? last : high;
                    w = fp::sumStored(w, 488281250000);
                }
            };
            scan(RefractionIm, stopAt <= 2 ? scanned : 12288);
            if (stopAt > 2)
                scan(RefractionRe, scanned);
            EXPECT_EQ(PlotState.ValueMin, low);
            EXPECT_EQ(PlotState.ValueMax, high);
            EXPECT_EQ(PlotState.SweepFreq, w);
            EXPECT_EQ(PlotState.SweepValue, last);
            EXPECT_EQ(rec.stopChecks, stopAt);
        }
    }
}
