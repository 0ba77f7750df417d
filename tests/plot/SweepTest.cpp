// SPDX-License-Identifier: GPL-3.0-or-later
// The sweeps ask whether to stop between stretches of samples: the samples stay those of
// the plain running-sum loop.
#include "plot/Sweep.h"
#include "PlotRecorder.h"
#include "model/Errors.h"
#include "plot/PlotState.h"

#include <gtest/gtest.h>
#include <tuple>
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
        TPlotState PlotState = sweepOver(c.from, c.to, c.step);
        std::vector<double> plain, swept;
        double w = c.from;
        do {
            plain.push_back(w);
            w = fp::sumStored(w, c.step);
        } while (w < c.to);
        PlotRecorder rec;
        fp::clearPending();
        sweep(rec, PlotState, [&] { swept.push_back(PlotState.SweepFreq); });
        EXPECT_EQ(fp::pending(), 0) << "no floating-point flag left behind";
        EXPECT_EQ(swept, plain);
        EXPECT_EQ(PlotState.SweepFreq, w);
        EXPECT_LE(rec.stopChecks, static_cast<int>(plain.size()) / 1000) << "never per sample";
    }
}

// Samples computed a chunk ahead are those of the sweep checked sample by sample, also where
// a running sum overflows part-way through a stretch: the chunk is done again per sample and
// stops at the same sample with the same error.
TEST(Sweep, ChunksComputedAheadKeepTheSamplesAndTheFailingSample) {
    const double top = 1.7976931348623155e308; // a double below the largest
    const struct {
        double from, to, step;
        bool overflows;
    } cases[] = {
        {0, 6e15, 6e15 / 12288, false},
        {0x1p50, 0x1p50 + 2000, 0.3, false}, // sums that round down: more than a stretch
        {1.5e308, top, 1e304, true},         // the 2977th sum passes the largest double
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        const auto run = [&](bool chunked) {
            TPlotState state = sweepOver(c.from, c.to, c.step);
            std::vector<double> seen;
            PlotRecorder rec;
            bool failed = false;
            try {
                if (chunked)
                    sweepChunks(
                        rec, state,
                        [&](SampleChunk& chunk, double w, double end) {
                            fillValues(chunk, w, end, c.step, [](double x) { return x; });
                        },
                        [&](const SampleChunk& chunk) {
                            seen.insert(seen.end(), chunk.w, chunk.w + chunk.count);
                        },
                        [&] { seen.push_back(state.SweepFreq); });
                else
                    sweep(rec, state, [&] { seen.push_back(state.SweepFreq); });
            } catch (const FloatError&) {
                failed = true;
            }
            return std::tuple(seen, state.SweepFreq, failed, rec.stopChecks);
        };
        const auto plain = run(false);
        EXPECT_EQ(run(true), plain);
        EXPECT_EQ(std::get<2>(plain), c.overflows);
    }
}
