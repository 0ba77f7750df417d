// SPDX-License-Identifier: GPL-3.0-or-later
// The first stage of the plot command: are the fields filled, is the interval sound,
// then the medium's parameters are loaded.
#pragma once

#include <QString>

class PlotSink;
struct PlotRequest;
struct TModelParams;

extern const QString kNoInputMessage; ///< "Не введены данные для построения графика!"
extern const QString kBadIntervalMessage; ///< "Некорректно введен интервал изменения частоты w!"

enum class InputOutcome {
    Ended,            ///< a field was empty: the command ends after its message
    IntervalRejected, ///< the command goes on to its closing frame steps only
    Loaded,           ///< the medium holds the typed values
};

/** Checks the thirteen fields of the request and loads the medium ModelParams field by
    field (a bad text part-way leaves the earlier values stored); conversion and overflow
    errors are thrown. Messages go to sink. */
InputOutcome readInputParameters(const PlotRequest& request, PlotSink& sink,
                                 TModelParams& ModelParams);
