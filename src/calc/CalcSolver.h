// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's solver: the oscillator relation solved for the one unknown chosen in the
// window, from the values typed for the others.
#pragma once

#include <QChar>
#include <QString>

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

/** The calculator window as the solver sees it. */
class CalcFields {
public:
    virtual ~CalcFields() = default;
    /** The item index of ComboBox1: 0 nothing chosen, 1 the refractive index, 2 w0, 3 w,
        4 m, 5 the damping coefficient, 6 N, 7 Q. */
    virtual int itemIndex() const = 0;
    /** The text of the window's field EditN, exactly as typed. */
    virtual QString fieldText(int edit) const = 0;
    virtual QChar decimalSeparator() const = 0;
    /** Writes a result into EditN (11 and 12 for n and n'', 15 for the other unknowns). */
    virtual void setResultText(int edit, const QString& text) = 0;
    /** A plain modal message with an OK button. */
    virtual void showMessage(const QString& text) = 0;
};

extern const QString kNoCalcInputMessage; ///< "Не введены данные для расчета !"

/** Checks the twelve fields of the chosen unknown, converts them pair by pair into
    CalcValues and writes the unknown in the general number format. A conversion or
    floating-point error is thrown where it arises, before any result is written; the
    values converted until then stay in CalcValues. */
void SolveForUnknown(CalcFields& fields, TCalcValues& CalcValues);
