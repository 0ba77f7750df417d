// SPDX-License-Identifier: GPL-3.0-or-later
// The two curves: n''(w) first, then n(w), as lines or as single pixels.
#pragma once

class Canvas;
class PlotView;

/** Traces both curves over the interval of PlotState, reporting progress per sample. */
void traceCurves(PlotView& view, Canvas& canvas, bool connected, bool dottedAnomaly);
