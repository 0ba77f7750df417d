// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcSolver.h"

#include "model/CheckedFloat.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

#include <array>
#include <cmath>

const QString kNoCalcInputMessage = QStringLiteral("Не введены данные для расчета !");

namespace {
using Value = double TCalcValues::*;

/** One quantity typed as a mantissa field and the exponent field of its row. */
struct Input {
    int mantissa;
    int exponent;
    Value value;
};
using Inputs = std::array<Input, 6>;

// The twelve fields each index needs, in the order they are checked.
constexpr std::array<int, 12> kForwardFields{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14};
constexpr std::array<int, 12> kInverseFields{16, 17, 2, 3, 4, 5, 7, 8, 9, 10, 13, 14};

// The pairs in the order they are converted. Solving for an unknown other than n, the n row
// replaces the w0 row and the unknown's own row carries w0.
Inputs inputsOf(int index) {
    if (index == 1)
        return {{{13, 14, &TCalcValues::Omega},
                 {1, 6, &TCalcValues::Omega0},
                 {2, 7, &TCalcValues::Gamma},
                 {3, 9, &TCalcValues::Concentration},
                 {4, 10, &TCalcValues::Charge},
                 {5, 8, &TCalcValues::Mass}}};
    const auto own = [index](int unknown, Value value) {
        return index == unknown ? &TCalcValues::Omega0 : value;
    };
    return {{{16, 17, &TCalcValues::IndexRe},
             {13, 14, own(3, &TCalcValues::Omega)},
             {2, 7, own(5, &TCalcValues::Gamma)},
             {3, 9, own(6, &TCalcValues::Concentration)},
             {4, 10, own(7, &TCalcValues::Charge)},
             {5, 8, own(4, &TCalcValues::Mass)}}};
}

bool anyEmpty(const CalcRequest& request) {
    for (int edit : request.index == 1 ? kForwardFields : kInverseFields)
        if (request.text(edit).isEmpty())
            return true;
    return false;
}

// The values as the formulas read them: the stored doubles, widened to extended precision.
struct Stored {
    explicit Stored(const TCalcValues& v)
        : w0(v.Omega0), n(v.IndexRe), N(v.Concentration), m(v.Mass), q(v.Charge), eps0(v.Epsilon0),
          g(v.Gamma), w(v.Omega) {}

    long double w0;
    long double n;
    long double N;
    long double m;
    long double q;
    long double eps0;
    long double g;
    long double w;

    long double B() const { return w0 * w0 - w * w; }
    long double S() const { return B() * B() + (g * g) * (w * w); }
};

// Each stored quantity is rounded to a double on the way in and read back from there; the
// arithmetic between, square roots included, is carried in extended precision.
void solveForIndex(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    CalcValues.IndexRe = fp::store(1 + (v.q * v.q) * v.N * v.B() / (v.S() * 2 * v.eps0 * v.m));
    CalcValues.IndexIm = fp::store((v.q * v.q) * v.N * v.w * v.g / (v.S() * 2 * v.eps0 * v.m));
}

// The larger root x of the quadratic in x = w0^2 - w^2.
void solveForOmega0(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    const long double A = (v.q * v.q) * v.N / ((v.n - 1) * 2 * v.eps0 * v.m);
    CalcValues.Discriminant = fp::store(A * A - 4 * (v.w * v.w) * (v.g * v.g));
    const long double D = CalcValues.Discriminant;
    CalcValues.RootTerm = fp::store((std::sqrt(D) + A) / 2);
    const long double x = CalcValues.RootTerm;
    CalcValues.Omega0 = fp::store(std::sqrt(v.w * v.w + x));
}

// The smaller root of the quadratic in w^2.
void solveForOmega(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    const long double K = (v.q * v.q) * v.N / (2 * v.eps0 * v.m * (v.n - 1));
    const long double w0Squared = v.w0 * v.w0;
    CalcValues.RootTerm = fp::store((2 * w0Squared - v.g * v.g) - K);
    CalcValues.ConstTerm = fp::store(w0Squared * K - w0Squared * w0Squared);
    const long double B = CalcValues.RootTerm;
    const long double H = CalcValues.ConstTerm;
    CalcValues.Discriminant = fp::store(B * B + 4 * H);
    const long double D = CalcValues.Discriminant;
    CalcValues.Omega = fp::store(std::sqrt((B - std::sqrt(D)) / 2));
}

void solveForMass(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    CalcValues.Mass = fp::store(v.B() * (v.q * v.q) * v.N / (v.S() * 2 * v.eps0 * (v.n - 1)));
}

void solveForGamma(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    const long double B = v.B();
    const long double numerator = B * (v.q * v.q) * v.N - (B * B) * 2 * v.eps0 * (v.n - 1) * v.m;
    CalcValues.Gamma =
        fp::store(std::sqrt(numerator / (2 * v.eps0 * v.m * (v.w * v.w) * (v.n - 1))));
}

void solveForConcentration(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    CalcValues.Concentration =
        fp::store(v.S() * 2 * v.eps0 * (v.n - 1) * v.m / (v.B() * (v.q * v.q)));
}

void solveForCharge(const Stored& v, TCalcValues& CalcValues) {
    fp::clearPending();
    CalcValues.Charge = fp::store(std::sqrt(v.S() * 2 * v.eps0 * (v.n - 1) * v.m / (v.B() * v.N)));
}

// The record's values from the typed pairs, then the unknown's text: a bad text or a
// floating-point error is thrown where it arises.
void solve(const CalcRequest& request, CalcOutcome& outcome) {
    TCalcValues& CalcValues = outcome.values;
    const QChar sep = request.decimalSeparator;
    // Each value is stored as soon as it is formed: a bad text further on leaves these.
    for (const Input& in : inputsOf(request.index))
        CalcValues.*in.value =
            ScaledValue(request.text(in.mantissa), request.text(in.exponent), sep);
    CalcValues.Epsilon0 = kElectricConstant;

    const Stored values(CalcValues);
    const auto show = [&](int edit, double value) {
        outcome.results.push_back({edit, formatGeneral(value, sep)});
    };
    switch (request.index) {
    case 1:
        // Both parts are formed before either is shown: an error in n'' shows neither.
        solveForIndex(values, CalcValues);
        show(11, CalcValues.IndexRe);
        show(12, CalcValues.IndexIm);
        return;
    case 2:
        solveForOmega0(values, CalcValues);
        show(15, CalcValues.Omega0);
        return;
    case 3:
        solveForOmega(values, CalcValues);
        show(15, CalcValues.Omega);
        return;
    case 4:
        solveForMass(values, CalcValues);
        show(15, CalcValues.Mass);
        return;
    case 5:
        solveForGamma(values, CalcValues);
        show(15, CalcValues.Gamma);
        return;
    case 6:
        solveForConcentration(values, CalcValues);
        show(15, CalcValues.Concentration);
        return;
    default:
        solveForCharge(values, CalcValues);
        show(15, CalcValues.Charge);
        return;
    }
}
} // namespace

CalcOutcome SolveForUnknown(const CalcRequest& request, const TCalcValues& values) {
    CalcOutcome outcome{values, {}, {}, {}};
    if (request.index < 1 || request.index > 7)
        return outcome;
    if (anyEmpty(request)) {
        outcome.message = kNoCalcInputMessage;
        return outcome;
    }
    // The error goes to the window with what was done before it; the window shows it in
    // the error box once it has applied the rest.
    try {
        solve(request, outcome);
    } catch (...) {
        outcome.error = std::current_exception();
    }
    return outcome;
}
