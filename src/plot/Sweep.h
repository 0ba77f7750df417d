// SPDX-License-Identifier: GPL-3.0-or-later
// The loop of all four sweeps: the first sample always, then running sums below the end.
#pragma once

#include "PlotState.h"
#include "PlotView.h"
#include "model/CheckedFloat.h"

#include <algorithm>
#include <limits>

/** About this many samples lie between two questions to the view whether the user
    asked to stop. */
inline constexpr int kSamplesPerStopCheck = 4096;

/** Ends the plot command where it stands when the user asked to stop it. */
struct PlotStopped {};

/** The end of the stretch of about kSamplesPerStopCheck samples that starts at the current
    frequency, never beyond FreqTo; formed in extended precision and kept within the
    doubles, so that no floating-point flag is raised. */
inline double stretchEnd(const TPlotState& PlotState) {
    const long double end =
        PlotState.SweepFreq + static_cast<long double>(kSamplesPerStopCheck) * PlotState.FreqStep;
    return static_cast<double>(
        std::clamp<long double>(end, -std::numeric_limits<double>::max(), PlotState.FreqTo));
}

/** Runs body once per sample with PlotState.SweepFreq at the sample's frequency; the
    frequency advances by the running sum of the step, stored as a double. Between two
    stretches of samples the view is asked whether to stop (PlotStopped). */
template <typename Body> void sweep(PlotView& view, TPlotState& PlotState, Body&& body) {
    PlotState.SweepFreq = PlotState.FreqFrom;
    for (;;) {
        // The per-sample loop compares with the stretch's end as it would with FreqTo:
        // the question costs nothing per sample, and the samples are the same.
        const double end = stretchEnd(PlotState);
        do {
            body();
            PlotState.SweepFreq = fp::sumStored(PlotState.SweepFreq, PlotState.FreqStep);
        } while (PlotState.SweepFreq < end);
        if (!(PlotState.SweepFreq < PlotState.FreqTo))
            return;
        if (view.stopRequested())
            throw PlotStopped();
    }
}
