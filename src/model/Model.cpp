// SPDX-License-Identifier: GPL-3.0-or-later
#include "Model.h"

#include "CheckedFloat.h"
#include "ScaledValue.h"

const double kElectricConstant = ScaledValue(8.85L, -12.0L);

double RefractionRe(const TModelParams& medium, double frequency) {
    fp::clearPending();
    long double w = frequency;
    fp::fence(w);
    return fp::store(refractionReExtended(modelTerms(medium), w));
}

double RefractionIm(const TModelParams& medium, double frequency) {
    fp::clearPending();
    long double w = frequency;
    fp::fence(w);
    return fp::store(refractionImExtended(modelTerms(medium), w));
}
