// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckedFloat.h"

#include "Errors.h"

namespace fp {

void raise(int flags) {
    std::feclearexcept(kRaised);
    if (flags & FE_INVALID)
        throw FloatError(FloatError::Kind::Invalid);
    if (flags & FE_DIVBYZERO)
        throw FloatError(FloatError::Kind::DivisionByZero);
    throw FloatError(FloatError::Kind::Overflow);
}

} // namespace fp
