// SPDX-License-Identifier: GPL-3.0-or-later
// The two curves: n''(w) first, then n(w), as lines or as single pixels.
#pragma once

class PlotSurface;
class PlotView;
struct TModelParams;
struct TPlotState;

/** Traces both curves of the medium over the interval of PlotState, reporting progress per
    sample; the sweeps leave their last frequency and value in PlotState. */
void traceCurves(PlotView& view, PlotSurface& canvas, const TModelParams& medium,
                 TPlotState& PlotState, bool connected, bool dottedAnomaly);
