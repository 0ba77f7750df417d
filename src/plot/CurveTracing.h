// SPDX-License-Identifier: GPL-3.0-or-later
// The two curves: n''(w) first, then n(w), as lines or as single pixels.
#pragma once

class PlotSink;
class PlotSurface;
struct DrawnCurve;
struct PlotRequest;
struct TModelParams;
struct TPlotState;

/** Traces both curves of the medium over the interval of PlotState onto surface, in the
    request's way and colours, reporting progress per sample; the sweeps leave their last
    frequency and value in PlotState, and what they drew of each curve in im and re. */
void traceCurves(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                 const TModelParams& medium, TPlotState& PlotState, DrawnCurve& im, DrawnCurve& re);
