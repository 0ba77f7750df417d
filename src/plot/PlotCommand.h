// SPDX-License-Identifier: GPL-3.0-or-later
// "Построить график": the whole plot command, from the input fields to the last label.
#pragma once

#include "PlotView.h"

class PlotSurface;
struct PlotSession;
struct PlotSamples;

/** Runs the plot command into canvas, the status line cleared first, keeping the medium, the
    range and the unit of the picture in the session; conversion and floating-point errors
    end it where they arise, leaving what was drawn and written so far. A stop asked for by
    the user ends it the same way, with the gauge at 0 and "Построение прервано" in the
    status line. */
void runPlotCommand(PlotView& view, PlotSurface& canvas, PlotSession& session);

/** Draws a plot that ran to its end once more onto surface, as the command drew it: the
    background, the axes layer, both curves, the rulers and grids, the scale labels. */
void drawPlot(PlotSurface& surface, const PlotSamples& plot);
