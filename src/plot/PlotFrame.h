// SPDX-License-Identifier: GPL-3.0-or-later
// Everything on the plot but the curves: background, axes, titles, w0 marker, rulers,
// grids and scale values. Positions come from the plot's PlotState and the image size.
#pragma once

#include "PlotSettings.h"

#include <QChar>
#include <QString>

class PlotSurface;
class PlotUnit;
struct TPlotState;

/** The main window's texts that the frame writes or parses. */
struct FrameTexts {
    QString mantissaW0; ///< Edit1, as typed
    QString exponentW0; ///< Edit6, as typed
    QString rangeMin;   ///< Edit18, as the plot command wrote it
    QString rangeMax;   ///< Edit19
    QChar decimalSeparator = QLatin1Char(',');
};

/** F1: brush and pen take the background colour and the whole image is filled. */
void DrawPlotBackground(PlotSurface& surface, const PlotSettings& settings);

/** F2: axes, arrow head, axis titles and the dotted w0 marker of the plot in its unit;
    connected or point mode. */
void DrawAxesLayer(PlotSurface& surface, const PlotSettings& settings, bool connected,
                   const TPlotState& PlotState, const PlotUnit& unit, const FrameTexts& texts);

/** F3: left ruler, left and middle ticks, outer and inner grid. */
void DrawRulersAndGrid(PlotSurface& surface, const PlotSettings& settings,
                       const TPlotState& PlotState);

/** F4: w0 label under the marker, frequency values in the unit of the frequency title, value
    scale values, for the plot drawn in the given unit. Throws ConversionError for a w0 or
    range text that is no number. */
void DrawScaleLabels(PlotSurface& surface, const PlotSettings& settings,
                     const TPlotState& PlotState, const PlotUnit& unit, const FrameTexts& texts);
