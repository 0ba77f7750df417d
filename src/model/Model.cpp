// SPDX-License-Identifier: GPL-3.0-or-later
#include "Model.h"

#include "CheckedFloat.h"
#include "ScaledValue.h"

const double kElectricConstant = ScaledValue(8.85L, -12.0L);

namespace {
// The shared terms, each formed in extended precision in the model's own order.
struct Terms {
    long double w;
    long double B;
    long double S;
    long double P;
};

Terms terms(const TModelParams& medium, double frequency) {
    fp::clearPending();
    long double w = frequency;
    fp::fence(w);
    const long double w0 = medium.Omega0;
    const long double g = medium.Gamma;
    const long double B = w0 * w0 - w * w;
    const long double S = B * B + (w * w) * (g * g);
    const long double P = (2 * static_cast<long double>(medium.Epsilon0)) * medium.Mass;
    return {w, B, S, P};
}
} // namespace

double RefractionRe(const TModelParams& medium, double frequency) {
    const Terms t = terms(medium, frequency);
    const long double q = medium.Charge;
    const long double A = (q * q) * medium.Concentration;
    const long double numerator = t.B * A;
    return fp::store(numerator / (t.S * t.P) + 1);
}

double RefractionIm(const TModelParams& medium, double frequency) {
    const Terms t = terms(medium, frequency);
    const long double q = medium.Charge;
    const long double numerator = (((q * q) * medium.Concentration) * t.w) * medium.Gamma;
    return fp::store(numerator / (t.S * t.P));
}
