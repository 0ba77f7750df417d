// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the (W, n) plane that the picture shows, and its mapping to pixels.
#pragma once

class PlotView;

/** The vertical range (shown in Edit18 and Edit19), the typed or automatic interval, the
    two widening scans, the scales and the origins, into PlotState. Returns false, after
    the interval message, when the sweep would never reach the end of the interval. */
bool computePlotRange(PlotView& view, int imageWidth, int imageHeight);

/** Whether a sweep from `from` by `step` reaches `to`: a start at or above the end takes
    one sample; otherwise the step must move every frequency the sweep passes. */
bool sweepEnds(double from, double to, double step);
