// SPDX-License-Identifier: GPL-3.0-or-later
// What is drawn over a finished plot: the probes and their labels.
#pragma once

#include "PlotSettings.h"
#include "Probe.h"

#include <QChar>
#include <vector>

class PlotSurface;
class PlotUnit;
struct TPlotState;

/** Each probe within the picture as a thin vertical line at its frequency and a label of
    its readings beside it (left of the line where the right has no room), the labels of
    successive probes one below the other; in the colour of the frame's texts, on boxes
    of the background. The surface's pens and colours are left as they were, so the
    drawing that follows is the one without probes. */
void drawProbes(PlotSurface& surface, const TPlotState& PlotState, const PlotUnit& unit,
                const std::vector<ProbeReading>& probes, const PlotSettings& settings,
                QChar decimalSeparator);
