// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window keeps of its plot from one command to the next.
#pragma once

#include "CompletedPlot.h"
#include "PlotState.h"
#include "PlotUnit.h"
#include "SampleTape.h"
#include "model/Model.h"

#include <optional>

/** The plot of one main window: written by the plot command, read by the cursor readout,
    by the frame drawn over a picture that a rejected interval keeps, and by every picture
    and file made of the plot. */
struct PlotSession {
    /** The typed medium as the last plot command loaded it, field by field: a text that is
        no number leaves the fields before it loaded. */
    TModelParams ModelParams;
    /** The range, step, scales and origins of the picture on screen. */
    TPlotState PlotState;
    /** The unit the picture's frequencies are in; none before the first interval is chosen. */
    std::optional<PlotUnit> unit;
    /** Whether a plot has drawn into the picture (also one stopped part-way). */
    bool drawn = false;
    /** The last plot that ran to its end; none while a later plot that began to draw was
        stopped by the user or an error. */
    std::optional<CompletedPlot> complete;
    /** Whether the picture on screen is exactly the drawing of complete: nothing drawn
        over it or in its place since. */
    bool completeOnScreen = false;
    /** The samples of the last range sweep, for its curves. */
    SampleTape tape;

    /** The plot whose drawing the picture on screen is, if any. */
    const CompletedPlot* onScreen() const {
        return completeOnScreen && complete ? &*complete : nullptr;
    }
};
