// SPDX-License-Identifier: GPL-3.0-or-later
// What is drawn with a finished plot besides its own frame and curves: the probes and
// their labels, a plot kept for comparison and its legend.
#pragma once

#include "Comparison.h"
#include "CompletedPlot.h"
#include "PlotSettings.h"
#include "PlotUnit.h"
#include "Probe.h"
#include "model/Model.h"

#include <QChar>
#include <vector>

class PlotSurface;
struct PlotRequest;
struct TPlotState;

/** Each probe within the picture as a thin vertical line at its frequency and a label of
    its readings beside it (left of the line where the right has no room), the labels of
    successive probes one below the other; in the colour of the frame's texts, on boxes
    of the background. The surface's pens and colours are left as they were, so the
    drawing that follows is the one without probes. */
void drawProbes(PlotSurface& surface, const TPlotState& PlotState, const PlotUnit& unit,
                const std::vector<ProbeReading>& probes, const PlotSettings& settings,
                QChar decimalSeparator);

/** What is kept of a plot to compare later ones with: the medium as typed, the unit its
    frequencies are in and what it drew of each curve. */
struct ReferencePlot {
    TModelParams typed;
    PlotUnit unit;
    DrawnCurve im;
    DrawnCurve re;
    bool connected = true;
};

/** The kept curves in the mapping of the plot whose range and unit are given, first n''
    then n, as lines (or points, as they were drawn) in paler shades of the curve colours.
    Points far outside the picture are held at a distance where the lines to them still
    cross the picture as they would. The surface's pens and colours are left as they were. */
void drawReference(PlotSurface& surface, const TPlotState& PlotState, const PlotUnit& unit,
                   const ReferencePlot& reference, const PlotSettings& settings);

/** The legend in the picture's lower right corner: the kept medium in the paler n colour,
    the current one under it in the n colour, on boxes of the background. The surface's
    pens and colours are left as they were. */
void drawLegend(PlotSurface& surface, const MediumDifference& legend, const PlotSettings& settings);

/** The request's kept plot, if any, under the plot of the given range and unit. */
void drawReferenceUnder(PlotSurface& surface, const PlotRequest& request,
                        const TPlotState& PlotState, const PlotUnit& unit);
/** The legend of the request's kept plot, if any, against the typed medium. */
void drawReferenceLegend(PlotSurface& surface, const PlotRequest& request,
                         const TModelParams& typed);
