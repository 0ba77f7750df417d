// SPDX-License-Identifier: GPL-3.0-or-later
// Probes: n and n'' read from the model at frequencies pinned on the plot.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

class PlotUnit;
struct TModelParams;

/** The most probes a plot carries at once. */
inline constexpr int kMaxProbes = 4;

/** What a probe reads: its frequency in hertz and the model's n and n'' there. */
struct ProbeReading {
    long double w = 0; ///< hertz, as the interval fields and the readout speak of it
    double n = 0;
    double nIm = 0;
};

/** A frequency in hertz in the unit the picture's frequencies are in (the inverse of
    PlotUnit::toHertz), stored as the double the model takes. */
double toPictureUnit(const PlotUnit& unit, long double wHertz);

/** n and n'' at wHertz from the medium as the plot evaluated it (in the picture's unit),
    so that a probe lies on the curves drawn. The model's errors are raised. */
ProbeReading readProbe(const TModelParams& plotted, const PlotUnit& unit, long double wHertz);

/** The five columns of a sample, as the plot's data file writes them: w, f = w/2π,
    λ = 2πc/w in nanometres (empty at w = 0), n, n''; the general number format. */
QStringList sampleFields(long double w, double n, double nIm, QChar decimalSeparator);

/** The lines of a probe's label on the picture: "W = …", "f = … Гц", "λ = … нм", "n = …",
    "n″ = …" (no wavelength at w = 0). */
QStringList probeLabelLines(const ProbeReading& probe, QChar decimalSeparator);

/** The probes as a table: the data file's header and one row a probe, tab-separated,
    each line ending in a line feed. */
QString probeTable(const std::vector<ProbeReading>& probes, QChar decimalSeparator);
