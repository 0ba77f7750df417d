// SPDX-License-Identifier: GPL-3.0-or-later
// The samples of a complete plot as CSV bytes, written a buffer at a time: the memory it
// takes is the same at any number of samples.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <functional>

class PlotSink;
class QIODevice;
struct CompletedPlot;

/** Takes the next bytes of the CSV; false when they could not be written, which ends the
    writing. */
using CsvByteSink = std::function<bool(QByteArrayView bytes)>;

/** Passes the bytes of plotDataCsv(plot, decimalSeparator) to sink, in order, a buffer of
    some tens of kilobytes at a time. False when the sink refused bytes. A model or number
    error throws as plotDataCsv does; what was passed on before it is whole rows. */
bool writePlotDataCsv(const CompletedPlot& plot, QChar decimalSeparator, const CsvByteSink& sink);

/** The same, the sweep reporting its percentage to progress and asking it now and then
    whether to stop (PlotStopped is thrown then, between whole rows). */
bool writePlotDataCsv(const CompletedPlot& plot, QChar decimalSeparator, const CsvByteSink& sink,
                      PlotSink& progress);

/** The same to an open device: false when a write failed (its errorString() tells why). */
bool writePlotDataCsv(const CompletedPlot& plot, QChar decimalSeparator, QIODevice& device);
