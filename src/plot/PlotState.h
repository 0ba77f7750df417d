// SPDX-License-Identifier: GPL-3.0-or-later
// The range, step, scales and origins of a plot.
#pragma once

#include <cstdint>

/** Written field by field by the plot command; read by the frame and the cursor readout.
    The main window keeps the one of the picture on screen. */
struct TPlotState {
    double FreqFrom = 0;   ///< start of the frequency interval
    double FreqTo = 0;     ///< end of the frequency interval
    double ValueMin = 0;   ///< lower end of the vertical range
    double ValueMax = 0;   ///< upper end of the vertical range
    double SweepFreq = 0;  ///< frequency the last sweep ended at
    double SweepValue = 0; ///< value of the latest sample
    double FreqStep = 0;   ///< sampling step
    std::int32_t PlotWidth = 0;
    std::int32_t PlotHeight = 0;
    double FreqScale = 0;  ///< pixels per unit of frequency
    double ValueScale = 0; ///< pixels per unit of n
    std::int32_t OriginX = 0;
    std::int32_t OriginY = 0;
};
