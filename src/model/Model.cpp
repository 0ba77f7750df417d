// SPDX-License-Identifier: GPL-3.0-or-later
#include "Model.h"

#include "CheckedFloat.h"
#include "ScaledValue.h"

TModelParams ModelParams;

const double kElectricConstant = ScaledValue(8.85L, -12.0L);

namespace {
// The shared terms, each formed in extended precision in the model's own order.
struct Terms {
    long double w;
    long double B;
    long double S;
    long double P;
};

Terms terms(double frequency) {
    fp::clearPending();
    long double w = frequency;
    fp::fence(w);
    const long double w0 = ModelParams.Omega0;
    const long double g = ModelParams.Gamma;
    const long double B = w0 * w0 - w * w;
    const long double S = B * B + (w * w) * (g * g);
    const long double P = (2 * static_cast<long double>(ModelParams.Epsilon0)) * ModelParams.Mass;
    return {w, B, S, P};
}
} // namespace

double RefractionRe(double frequency) {
    const Terms t = terms(frequency);
    const long double q = ModelParams.Charge;
    const long double A = (q * q) * ModelParams.Concentration;
    const long double numerator = t.B * A;
    return fp::store(numerator / (t.S * t.P) + 1);
}

double RefractionIm(double frequency) {
    const Terms t = terms(frequency);
    const long double q = ModelParams.Charge;
    const long double numerator = (((q * q) * ModelParams.Concentration) * t.w) * ModelParams.Gamma;
    return fp::store(numerator / (t.S * t.P));
}
