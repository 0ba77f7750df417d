// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's solver: the oscillator relation solved for the one unknown chosen in the
// window, from the values typed for the others.
#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <exception>
#include <vector>

/** The calculator's own values, kept by its window from one solve to the next; only
    SolveForUnknown reads or writes them. */
struct TCalcValues {
    double Omega0 = 0;        ///< w0, natural frequency of one particle
    double IndexRe = 0;       ///< n, real part of the refractive index
    double IndexIm = 0;       ///< n'', imaginary part
    double Concentration = 0; ///< N
    double Mass = 0;          ///< m
    double Charge = 0;        ///< Q
    double Epsilon0 = 0;      ///< electric constant
    double Gamma = 0;         ///< damping coefficient
    double Omega = 0;         ///< w, frequency of the incident wave
    double RootTerm = 0;      ///< x (solving for w0) or B (solving for w)
    double ConstTerm = 0;     ///< H (solving for w)
    double Discriminant = 0;  ///< D (solving for w0 or for w)
};

/** One solve as the calculator window asks for it: the chosen unknown and its fields' texts. */
struct CalcRequest {
    /** The item index of ComboBox1: 0 nothing chosen, 1 the refractive index, 2 w0, 3 w,
        4 m, 5 the damping coefficient, 6 N, 7 Q. */
    int index = 0;
    /** The text of the window's field EditN at [N], exactly as typed. */
    std::array<QString, 18> texts{};
    QChar decimalSeparator = QLatin1Char('.');

    const QString& text(int edit) const { return texts.at(static_cast<std::size_t>(edit)); }
};

/** A result text for EditN. */
struct CalcResult {
    int edit;
    QString text;
};

/** What one solve did, for the window to apply in this order: the record, the result
    texts, then the message or the error that ended the command. */
struct CalcOutcome {
    TCalcValues values; ///< the record as the solve left it
    std::vector<CalcResult> results;
    QString message;          ///< a plain modal message; empty: none
    std::exception_ptr error; ///< the conversion or floating-point error; null: none
};

extern const QString kNoCalcInputMessage; ///< "Не введены данные для расчета !"

/** Checks the twelve fields of the chosen unknown, converts them pair by pair into the
    record and forms the unknown's text in the general number format (Edit11 and Edit12 for
    n and n'', Edit15 for the others). A conversion or floating-point error ends the solve
    where it arises, before any result is formed; the values converted until then stay in
    the record. */
CalcOutcome SolveForUnknown(const CalcRequest& request, const TCalcValues& values);
