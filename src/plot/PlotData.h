// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of a complete plot as a table for a spreadsheet.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

struct CompletedPlot;

/** The header row: "w, рад/с;f, Гц;λ, нм;n;n″". */
extern const QString kPlotDataHeader;

/** The CSV of every sample of the plot (swept once more: the plot keeps only what its
    drawing needs), in UTF-8 with a byte-order mark: the header, then one row per
    sample in the sweep's order with w (the sweep's frequency, converted back from the
    picture's unit as the cursor readout converts it), f = w/2π, λ = 2πc/w in nanometres
    (empty where w is 0), n(w) and n″(w) as the model gives them at the sample; fields
    separated by ";", numbers in the general number format with decimalSeparator, rows
    ending in CR LF. */
QByteArray plotDataCsv(const CompletedPlot& plot, QChar decimalSeparator);
