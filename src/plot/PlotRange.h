// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the (W, n) plane that the picture shows, and its mapping to pixels.
#pragma once

class PlotView;

/** The vertical range (shown in Edit18 and Edit19), the typed or automatic interval, the
    two widening scans, the scales and the origins, into PlotState. Under the thousand rule
    the automatic interval also expresses the medium's damping and concentration in the
    plotted unit (see TypedMediumGuard). The status line says "Вычисление диапазона
    значений..." during the scans. Returns false when the sweep would never reach the
    end of the interval: PlotState, Edit18 and Edit19 are then put back as they were and
    the interval message is shown. */
bool computePlotRange(PlotView& view, int imageWidth, int imageHeight);

/** Puts the typed damping and concentration back into ModelParams when the run that
    expressed them in the plotted unit ends, however it ends. */
class TypedMediumGuard {
public:
    TypedMediumGuard();
    ~TypedMediumGuard();
    TypedMediumGuard(const TypedMediumGuard&) = delete;
    TypedMediumGuard& operator=(const TypedMediumGuard&) = delete;

private:
    double m_gamma;
    double m_concentration;
};

/** Whether a sweep from `from` by `step` reaches `to`: a start at or above the end takes
    one sample; otherwise the step must move every frequency the sweep passes. */
bool sweepEnds(double from, double to, double step);
