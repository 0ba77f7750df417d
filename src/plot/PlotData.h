// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of a complete plot as a table for a spreadsheet.
#pragma once

#include "PlotFrame.h"
#include "PlotState.h"
#include "PlotUnit.h"
#include "model/Model.h"

#include <QByteArray>
#include <QChar>
#include <QString>

/** What a plot that ran to its end swept: the medium as it plotted it (in the picture's
    unit), the interval and step of its sweeps, and the unit of its frequencies; and what its
    picture was drawn from: the texts and the style of its frame, the way of its curves. */
struct PlotSamples {
    TModelParams medium;
    TPlotState PlotState;
    PlotUnit unit;
    FrameTexts texts;
    PlotSettings settings;
    bool connected = true;
    bool dotted = false;
};

/** The header row: "w, рад/с;f, Гц;λ, нм;n;n″". */
extern const QString kPlotDataHeader;

/** The CSV of the samples, in UTF-8 with a byte-order mark: the header, then one row per
    sample in the sweep's order with w (the sweep's frequency, converted back from the
    picture's unit as the cursor readout converts it), f = w/2π, λ = 2πc/w in nanometres
    (empty where w is 0), n(w) and n″(w) as the model gives them at the sample; fields
    separated by ";", numbers in the general number format with decimalSeparator, rows
    ending in CR LF. */
QByteArray plotDataCsv(const PlotSamples& samples, QChar decimalSeparator);
