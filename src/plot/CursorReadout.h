// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency and value under the mouse pointer, from the range of the last plot.
#pragma once

#include <QChar>
#include <QString>

class PlotUnit;
struct TPlotState;

struct CursorTexts {
    QString frequency; ///< for Edit14
    QString value;     ///< for Edit15
};

/** Inverts the plot's mapping at pixel (x, y) of a width x height image; the frequency is
    given in hertz, converted back from the unit the picture was drawn in. */
CursorTexts cursorReadout(int x, int y, int width, int height, const TPlotState& PlotState,
                          const PlotUnit& unit, QChar decimalSeparator);
