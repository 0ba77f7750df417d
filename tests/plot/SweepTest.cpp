// SPDX-License-Identifier: GPL-3.0-or-later
// The sweeps ask whether to stop between stretches of samples: the samples stay those of
// the plain running-sum loop.
#include "plot/Sweep.h"
#include "RecordingPlotView.h"
#include "plot/PlotState.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Sweep, StretchesKeepTheSamplesOfThePlainLoop) {
    const double big = 0x1p50; // doubles 0,25 apart there
    const struct {
        double from, to, step;
    } cases[] = {
        {0, 6e15, 6e15 / 12288},    // three whole stretches, the last ending on the end
        {big, big + 2000, 0.13},    // each sum rounds up: 0,25 a sample, not 0,13
        {big, big + 2000, 0.3},     // each sum rounds down: 0,25 a sample, not 0,3
        {1e308, 1.7e308, 1e304},    // stretch ends beyond the largest double
        {2000, -2000, -2},          // one sample: a start above the end
        {-1e308, -1.5e308, -1e306}, // one sample; its stretch would end below the doubles
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        TPlotState PlotState;
        PlotState.FreqFrom = c.from;
        PlotState.FreqTo = c.to;
        PlotState.FreqStep = c.step;
        std::vector<double> plain, swept;
        double w = c.from;
        do {
            plain.push_back(w);
            w = fp::sumStored(w, c.step);
        } while (w < c.to);
        RecordingPlotView view;
        fp::clearPending();
        sweep(view, PlotState, [&] { swept.push_back(PlotState.SweepFreq); });
        EXPECT_EQ(fp::pending(), 0) << "no floating-point flag left behind";
        EXPECT_EQ(swept, plain);
        EXPECT_EQ(PlotState.SweepFreq, w);
        EXPECT_LE(view.stopChecks, static_cast<int>(plain.size()) / 1000) << "never per sample";
    }
}
