// SPDX-License-Identifier: GPL-3.0-or-later
// The curves drawn from the range sweep's kept samples (n made ready on another core, or on
// one), from one sweep that keeps n beside n'' with samples formed ahead on other cores, and
// from a sweep of their own each on one core: the same picture, gauge, status texts,
// questions, error, last sample and kept samples.
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "plot/KeptCurve.h"
#include "plot/SampleTape.h"
#include "plot/Workers.h"

#include <gtest/gtest.h>

namespace {
enum Source { Tape, TapeOneCore, KeptBeside, OwnSweeps };

struct Plotted {
    PlottedLesson lesson;
    QString error;
};

/** The lesson plotted in the given way, the curves taking their samples from source. */
Plotted plotted(const PlotRecorder& typed, const DrawingWay& way, Source source) {
    const bool taped = source == Tape || source == TapeOneCore;
    SampleTape::setSampleLimit(taped ? SampleTape::kMaxSamples : 0);
    KeptCurve::setMoveLimit(source == OwnSweeps ? 0 : std::size_t{1} << 21);
    workers::setAllowed(source == Tape || source == KeptBeside);
    Plotted p;
    p.lesson.rec = typed;
    p.lesson.rec.drawAs(way);
    p.lesson.picture.fill(qRgb(1, 2, 3));
    p.error = errorText([&] { p.lesson.plot(); });
    SampleTape::setSampleLimit(SampleTape::kMaxSamples);
    KeptCurve::setMoveLimit(std::size_t{1} << 21);
    workers::setAllowed(true);
    return p;
}

void expectSame(const Plotted& x, const Plotted& y) {
    EXPECT_EQ(x.error, y.error);
    const PlottedLesson &a = x.lesson, &b = y.lesson;
    EXPECT_TRUE(a.picture == b.picture);
    EXPECT_EQ(a.rec.progress, b.rec.progress);
    EXPECT_EQ(a.rec.statusTexts, b.rec.statusTexts);
    EXPECT_EQ(a.rec.stopChecks, b.rec.stopChecks);
    EXPECT_EQ(a.session.PlotState.SweepFreq, b.session.PlotState.SweepFreq);
    EXPECT_EQ(a.session.PlotState.SweepValue, b.session.PlotState.SweepValue);
    ASSERT_EQ(a.session.complete.has_value(), b.session.complete.has_value());
    if (!a.session.complete)
        return;
    for (const auto curve : {&CompletedPlot::im, &CompletedPlot::re}) {
        const DrawnCurve &x = *a.session.complete.*curve, &y = *b.session.complete.*curve;
        EXPECT_EQ(x.start, y.start);
        ASSERT_EQ(x.samples.size(), y.samples.size());
        for (std::size_t i = 0; i < x.samples.size(); ++i) {
            EXPECT_EQ(x.samples[i].w, y.samples[i].w) << i;
            EXPECT_EQ(x.samples[i].v, y.samples[i].v) << i;
        }
        EXPECT_EQ(x.styles, y.styles);
    }
}

/** The lesson in each way from each source, against the curves' own sweeps. */
void expectEverySourceSame(const PlotRecorder& typed) {
    for (const DrawingWay& way : kDrawingWays) {
        SCOPED_TRACE(way.name);
        const Plotted own = plotted(typed, way, OwnSweeps);
        for (const Source source : {Tape, TapeOneCore, KeptBeside})
            expectSame(plotted(typed, way, source), own);
    }
}
} // namespace

TEST(CurveSources, DrawWhatTheCurvesOwnSweepsDraw) {
    const struct {
        const char* name;
        void (*type)(PlotRecorder&);
    } lessons[] = {
        {"classroom", [](PlotRecorder& r) { r.typeExample("0", "6E15", "1E12"); }},
        // Some 100 samples a pixel column: most samples move the pen nowhere.
        {"dense", [](PlotRecorder& r) { r.typeExample("0", "6E15", "1E11"); }},
        {"gas", [](PlotRecorder& r) { r.typeGas(); }},
        // n flat to its last bits: the dotted style flips from sample to sample in one pixel.
        {"flat", [](PlotRecorder& r) { r.typeExample("0", "1E12", "1E8"); }},
        // n'' far above the picture: pixels outside it.
        {"gas fitted",
         [](PlotRecorder& r) {
             r.typeGas();
             r.request.fitToCurves = true;
         }},
        {"interval below the step", [](PlotRecorder& r) { r.typeExample("0", "1E15", "5E15"); }},
        // Formed on more cores, the sum overflows in the last block: the error comes from the
        // very sample it comes from on one core.
        {"overflow in the last block",
         [](PlotRecorder& r) {
             r.typeExample("1,7476931348623155E308", "1,7976931348623155E308", "1E302");
         }},
    };
    for (const auto& lesson : lessons) {
        SCOPED_TRACE(lesson.name);
        PlotRecorder typed;
        lesson.type(typed);
        expectEverySourceSame(typed);
    }
}

TEST(CurveSources, StopWhereTheCurvesOwnSweepsStop) {
    // 3 x 4096 samples a sweep, two questions in each: 5 and 6 in the n'' trace, 7 and 8 in
    // the n trace; then 10^5 samples, formed on more cores, some 24 questions a sweep.
    const struct {
        const char* step;
        int stopAt;
    } cases[] = {{"488281250000", 5}, {"488281250000", 6}, {"488281250000", 7}, {"488281250000", 8},
                 {"6E10", 1},         {"6E10", 30},        {"6E10", 60},        {"6E10", 90}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.step) + " stop " + std::to_string(c.stopAt));
        PlotRecorder typed;
        typed.typeExample("0", "6E15", c.step);
        typed.stopAtCheck = c.stopAt;
        expectEverySourceSame(typed);
    }
}

TEST(CurveSources, DottedStylesOfARowAreThoseOfItsSamplesOneByOne) {
    // Across 2^50 the sum's grid coarsens: one step back from the first sample above is not
    // the sample before, and n is needed there. The values alternate so that n there and
    // the value before would give different styles; the row is given in two parts.
    const TModelParams medium{3e15, 1e13, 1.6e-19, 1e28, 9.1e-31, 8.85e-12};
    const double step = 0.33;
    for (int shift : {0, 1}) {
        SCOPED_TRACE(shift);
        std::vector<double> w, v;
        for (double x = 0x1p50 - 30; x < 0x1p50 + 30; x = nextSample(x, step)) {
            w.push_back(x);
            v.push_back((w.size() + shift) % 2 ? 2.0 : 1.5);
        }
        ReSamples one(medium, step, true), row(medium, step, true);
        std::vector<PlotSurface::PenStyle> expected(w.size()), actual(w.size());
        bool clean = true;
        for (std::size_t i = 0; i < w.size(); ++i)
            clean = one.styleAt(w[i], v[i], expected[i]) && clean;
        const std::size_t half = w.size() / 3;
        const bool first = row.stylesAt(w.data(), v.data(), half, actual.data());
        const bool second =
            row.stylesAt(w.data() + half, v.data() + half, w.size() - half, actual.data() + half);
        EXPECT_EQ(first && second, clean);
        EXPECT_EQ(actual, expected);
    }
}
