// SPDX-License-Identifier: GPL-3.0-or-later
// n(w) kept while n'' is drawn and drawn after it against n drawn by a sweep of its own: the
// same picture, gauge, status texts, questions, last sample and kept samples.
#include "plot/KeptCurve.h"
#include "PlotRecorder.h"

#include <gtest/gtest.h>

namespace {
struct Way {
    const char* name;
    bool connected, dotted;
};
constexpr Way kWays[] = {{"line", true, false}, {"dotted", true, true}, {"points", false, false}};

/** The lesson plotted with n kept (moves: the most kept) or swept on its own (0). */
PlottedLesson plotted(const PlotRecorder& typed, const Way& way, std::size_t moves) {
    KeptCurve::setMoveLimit(moves);
    PlottedLesson lesson;
    lesson.rec = typed;
    lesson.rec.request.connected = way.connected;
    lesson.rec.request.dotted = way.dotted;
    lesson.picture.fill(qRgb(1, 2, 3));
    lesson.plot();
    KeptCurve::setMoveLimit(std::size_t{1} << 21);
    return lesson;
}

void expectSame(const PlottedLesson& kept, const PlottedLesson& own) {
    EXPECT_TRUE(kept.picture == own.picture);
    EXPECT_EQ(kept.rec.progress, own.rec.progress);
    EXPECT_EQ(kept.rec.statusTexts, own.rec.statusTexts);
    EXPECT_EQ(kept.rec.stopChecks, own.rec.stopChecks);
    EXPECT_EQ(kept.session.PlotState.SweepFreq, own.session.PlotState.SweepFreq);
    EXPECT_EQ(kept.session.PlotState.SweepValue, own.session.PlotState.SweepValue);
    ASSERT_EQ(kept.session.complete.has_value(), own.session.complete.has_value());
    if (!kept.session.complete)
        return;
    const DrawnCurve &a = kept.session.complete->re, &b = own.session.complete->re;
    EXPECT_EQ(a.start, b.start);
    ASSERT_EQ(a.samples.size(), b.samples.size());
    for (std::size_t i = 0; i < a.samples.size(); ++i) {
        EXPECT_EQ(a.samples[i].w, b.samples[i].w) << i;
        EXPECT_EQ(a.samples[i].v, b.samples[i].v) << i;
    }
    EXPECT_EQ(a.styles, b.styles);
}
} // namespace

TEST(KeptCurve, DrawsWhatItsOwnSweepDraws) {
    const struct {
        const char* name;
        void (*type)(PlotRecorder&);
    } lessons[] = {
        {"classroom", [](PlotRecorder& r) { r.typeExample("0", "6E15", "1E12"); }},
        // Some 100 samples a pixel column: most samples move the pen nowhere.
        {"dense", [](PlotRecorder& r) { r.typeExample("0", "6E15", "1E11"); }},
        {"gas", [](PlotRecorder& r) { r.typeGas(); }},
        // n flat to its last bit: the dotted style flips from sample to sample in one pixel.
        {"flat", [](PlotRecorder& r) { r.typeExample("0", "1E12", "1E8"); }},
        // n'' far above the picture: pixels outside it.
        {"gas fitted",
         [](PlotRecorder& r) {
             r.typeGas();
             r.request.fitToCurves = true;
         }},
        {"interval below the step", [](PlotRecorder& r) { r.typeExample("0", "1E15", "5E15"); }},
    };
    for (const auto& lesson : lessons)
        for (const Way& way : kWays) {
            SCOPED_TRACE(std::string(lesson.name) + ", " + way.name);
            PlotRecorder typed;
            lesson.type(typed);
            expectSame(plotted(typed, way, std::size_t{1} << 21), plotted(typed, way, 0));
        }
}

TEST(KeptCurve, StopsWhereItsOwnSweepStops) {
    // 3 x 4096 samples a sweep, two questions in each: 5 and 6 in the n'' trace, 7 and 8 in
    // the n trace.
    for (const Way& way : kWays)
        for (int stopAt : {5, 6, 7, 8}) {
            SCOPED_TRACE(std::string(way.name) + " stop " + std::to_string(stopAt));
            PlotRecorder typed;
            typed.typeExample("0", "6E15", "488281250000");
            typed.stopAtCheck = stopAt;
            expectSame(plotted(typed, way, std::size_t{1} << 21), plotted(typed, way, 0));
        }
}
