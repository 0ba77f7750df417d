// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the (W, n) plane that the picture shows, and its mapping to pixels.
#pragma once

#include "model/Model.h"

#include <optional>

class PlotSink;
struct FrameTexts;
struct PlotRequest;
struct PlotSession;

/** The vertical range (written into the range texts and shown in Edit18 and Edit19: first
    as chosen, then as the two widening scans left it), the typed or automatic interval and
    its unit, the scans, the scales and the origins that map ValueMin to the bottom row and
    ValueMax to the top, into the session's PlotState and unit, from the medium the session
    loaded. The status line says "Вычисление диапазона значений..." during the scans and is
    cleared when they end, also by an error; the gauge climbs during each scan. Returns the
    medium as the picture plots it: under the thousand rule an automatic interval is in
    units of 10^(e-3) Hz, and w0, the damping and the concentration are expressed in that
    unit, so that n and n'' at W units are the typed medium's at W units in hertz. Returns
    nothing when the sweep would never reach the end of the interval: the PlotState, the
    unit and the range texts are then put back as they were and the interval message is
    shown. The range sweep's samples go onto the session's tape where they can be kept. */
std::optional<TModelParams> computePlotRange(const PlotRequest& request, PlotSink& sink,
                                             PlotSession& session, FrameTexts& texts,
                                             int imageWidth, int imageHeight);

/** Whether a sweep from `from` by `step` reaches `to`: a start at or above the end takes
    one sample; otherwise the step must move every frequency the sweep passes. */
bool sweepEnds(double from, double to, double step);
