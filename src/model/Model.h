// SPDX-License-Identifier: GPL-3.0-or-later
// The medium: identical damped charged oscillators, and its complex refractive index.
#pragma once

/** The six parameters of a medium, in the order the program keeps them. */
struct TModelParams {
    double Omega0 = 0;        ///< natural frequency w0 (used without the factor 2 pi)
    double Gamma = 0;         ///< damping coefficient
    double Charge = 0;        ///< charge of one particle, C
    double Concentration = 0; ///< particles per cubic metre
    double Mass = 0;          ///< mass of one particle, kg
    double Epsilon0 = 0;      ///< electric constant
};

/** The electric constant, formed like a typed value: 8.85 x 10^-12. */
extern const double kElectricConstant;

/** Real part n(w) = 1 + Q^2 N B / (S P), B = w0^2 - w^2, S = B^2 + w^2 g^2, P = 2 eps0 m,
    of the medium's refractive index at the frequency w. */
double RefractionRe(const TModelParams& medium, double w);

/** Imaginary part n''(w) = Q^2 N w g / (S P). */
double RefractionIm(const TModelParams& medium, double w);

/** The terms of the model that do not depend on the frequency, in extended precision, formed
    by the very operations every evaluation forms them with: a sweep forms them once. */
struct ModelTerms {
    long double w0Squared; ///< w0^2
    long double gamma;     ///< g
    long double gammaSquared;
    long double A; ///< Q^2 N
    long double P; ///< 2 eps0 m
};

[[gnu::always_inline]] inline ModelTerms modelTerms(const TModelParams& medium) {
    const long double w0 = medium.Omega0;
    const long double g = medium.Gamma;
    const long double q = medium.Charge;
    return {w0 * w0, g, g * g, (q * q) * medium.Concentration,
            (2 * static_cast<long double>(medium.Epsilon0)) * medium.Mass};
}

/** n(w) in extended precision, before it is stored: 1 + B A / (S P). Unchecked: a failing
    operation shows in the floating-point flags and in a value that is no finite number. */
[[gnu::always_inline]] inline long double refractionReExtended(const ModelTerms& t, long double w) {
    const long double wSquared = w * w;
    const long double B = t.w0Squared - wSquared;
    const long double S = B * B + wSquared * t.gammaSquared;
    return B * t.A / (S * t.P) + 1;
}

/** n''(w) in extended precision, before it is stored: A w g / (S P). Unchecked. */
[[gnu::always_inline]] inline long double refractionImExtended(const ModelTerms& t, long double w) {
    const long double wSquared = w * w;
    const long double B = t.w0Squared - wSquared;
    const long double S = B * B + wSquared * t.gammaSquared;
    return ((t.A * w) * t.gamma) / (S * t.P);
}
