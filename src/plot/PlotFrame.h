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
    QString rangeMin;   ///< Edit18: the bottom of the picture, as the plot command wrote it
    QString rangeMax;   ///< Edit19: its top
    QChar decimalSeparator = QLatin1Char(',');
    /** A range fitted to the curves: the value labels carry the digits its span needs
        rather than two decimals of the axis unit. */
    bool fineValueLabels = false;
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

/** F4: w0 and the frequency values in the unit of the frequency title, w0 under the marker;
    beside the left ruler the value of each labelled row, from rangeMax at the top to
    rangeMin at the bottom, in the unit of the value-axis title, to the hundredths of the
    range's ends. Throws ConversionError for a w0 or range text that is no number. */
void DrawScaleLabels(PlotSurface& surface, const PlotSettings& settings,
                     const TPlotState& PlotState, const PlotUnit& unit, const FrameTexts& texts);
