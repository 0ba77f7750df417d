// SPDX-License-Identifier: GPL-3.0-or-later
// The first stage of the plot command: are the fields filled, is the interval sound,
// then the medium's parameters are loaded.
#pragma once

#include <QChar>
#include <QString>

struct TModelParams;

/** The main window's input fields as the plot command sees them. */
class InputFields {
public:
    virtual ~InputFields() = default;
    /** The text of the main window's field EditN, exactly as typed. */
    virtual QString fieldText(int edit) const = 0;
    virtual QChar decimalSeparator() const = 0;
    /** A plain modal message with an OK button. */
    virtual void showMessage(const QString& text) = 0;
};

extern const QString kNoInputMessage; ///< "Не введены данные для построения графика!"
extern const QString kBadIntervalMessage; ///< "Некорректно введен интервал изменения частоты w!"

enum class InputOutcome {
    Ended,            ///< a field was empty: the command ends after its message
    IntervalRejected, ///< the command goes on to its closing frame steps only
    Loaded,           ///< the medium holds the typed values
};

/** Checks the thirteen fields and loads the medium ModelParams field by field (a bad text
    part-way leaves the earlier values stored); conversion and overflow errors are thrown. */
InputOutcome readInputParameters(InputFields& fields, TModelParams& ModelParams);
