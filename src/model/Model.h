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
