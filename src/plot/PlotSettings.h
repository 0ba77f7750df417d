// SPDX-License-Identifier: GPL-3.0-or-later
// The style of the plot, as the settings window's controls hold it.
#pragma once

#include <QColor>

struct PlotSettings {
    QRgb ReLineColor = qRgb(255, 0, 0);        ///< n(w)
    QRgb ImLineColor = qRgb(0, 0, 255);        ///< n''(w)
    QRgb AxesColor = qRgb(255, 255, 255);      ///< axes, arrow head, left ruler, ticks
    QRgb GridColor = qRgb(0, 128, 0);          ///< outer and inner grid
    QRgb BackgroundColor = qRgb(0, 0, 0);      ///< background and the box behind texts
    QRgb LabelFontColor = qRgb(255, 255, 255); ///< every text on the plot
    bool MarkOmega0 = true;                    ///< dotted w0 marker and "Wo"
    bool OuterGrid = true;
    bool InnerGrid = true;
    bool TitleOX = true;
    bool TitleOY = true;
    bool ScaleLabels = true;
    int LabelPointCount = 2; ///< 0 "1 точку", 1 "3 точки", 2 "10 точек"
};
