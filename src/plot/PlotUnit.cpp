// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotUnit.h"

#include "model/CheckedFloat.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

namespace {
constexpr double kThousand = 1000;
} // namespace

PlotUnit PlotUnit::decide(double typedOmega0, bool automatic, const QString& mantissaW0,
                          const QString& exponentW0, QChar sep) {
    PlotUnit unit;
    unit.m_automatic = automatic;
    unit.m_omega0 = typedOmega0;
    if (!(typedOmega0 >= kThousand))
        return unit;
    unit.m_thousandRule = true;
    unit.m_mantissa = parseReal(mantissaW0, sep);
    unit.m_exponent = parseReal(exponentW0, sep);
    if (automatic) {
        fp::clearPending();
        unit.m_omega0 = fp::store(unit.m_mantissa * 1000);
    }
    return unit;
}

long double PlotUnit::labelDivisor() const {
    if (!m_thousandRule)
        return 1;
    return m_automatic ? 1000 : powerOfTen(m_exponent);
}

long double PlotUnit::toHertz(long double w) const {
    if (!inThousandths())
        return w;
    const long double power = powerOfTen(m_exponent);
    return fp::checked(power * (w / 1000));
}
