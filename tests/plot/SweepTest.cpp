// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep loop asks whether to stop between stretches of samples: the samples stay those
// of the plain running-sum loop.
#include "plot/Sweep.h"
#include "RecordingPlotView.h"
#include "plot/PlotState.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Sweep, StretchesKeepTheSamplesOfThePlainLoop) {
    const double big = 0x1p50; // doubles 0,25 apart
    const struct {
        double from, to, step;
        const char* why;
    } cases[] = {
        {0, 6e15, 6e15 / 12288, "three whole stretches, the last ending on the end"},
        {0, 1000, 0.1, "sums that drift from k x step"},
        {big, big + 2000, 0.13, "each sum rounds up to the next double: 0,25, not 0,13"},
        {big, big + 2000, 0.3, "each sum rounds down to the next double: 0,25, not 0,3"},
        {1e308, 1.7e308, 1e304, "stretch ends beyond the largest double"},
        {0, 1e15, 5e15, "one sample: the interval is shorter than the step"},
        {2000, -2000, -2, "one sample: a start above the end"},
        {-500, 2500, 30, "a negative start"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        PlotState = {};
        PlotState.FreqFrom = c.from;
        PlotState.FreqTo = c.to;
        PlotState.FreqStep = c.step;
        std::vector<double> plain;
        double w = c.from;
        do {
            plain.push_back(w);
            w = fp::sumStored(w, c.step);
        } while (w < c.to);

        RecordingPlotView view;
        std::vector<double> swept;
        sweep(view, [&] { swept.push_back(PlotState.SweepFreq); });
        EXPECT_EQ(swept, plain);
        EXPECT_EQ(PlotState.SweepFreq, w);
        // A few thousand samples between two questions, never one per sample.
        EXPECT_LE(view.stopChecks, static_cast<int>(plain.size()) / 1000);
        if (plain.size() > 3 * kSamplesPerStopCheck) {
            EXPECT_GE(view.stopChecks, 1);
        }
    }
}
