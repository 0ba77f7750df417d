// SPDX-License-Identifier: GPL-3.0-or-later
// The two curves: n''(w) first, then n(w), as lines or as single pixels.
#pragma once

class PlotSink;
class PlotSurface;
class SampleTape;
struct DrawnCurve;
struct PlotRequest;
struct TModelParams;
struct TPlotState;

/** Traces both curves of the medium over the interval of PlotState onto surface, in the
    request's way and colours, reporting progress per sample; the sweeps leave their last
    frequency and value in PlotState, and what they drew of each curve in im and re. The
    samples come from the range sweep's tape where it kept them all. */
void traceCurves(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                 const TModelParams& medium, TPlotState& PlotState, const SampleTape& tape,
                 DrawnCurve& im, DrawnCurve& re);
