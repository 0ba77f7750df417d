// SPDX-License-Identifier: GPL-3.0-or-later
#include "Probe.h"

#include "PlotUnit.h"
#include "model/CheckedFloat.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

#include <numbers>

namespace {
// The speed of light in vacuum, m/s (exact by the definition of the metre).
constexpr long double kLightSpeed = 299792458.0L;
constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;
constexpr long double kNanometresPerMetre = 1e9L;
const QString kHeader = QStringLiteral("w, рад/с\tf, Гц\tλ, нм\tn\tn″");
} // namespace

double toPictureUnit(const PlotUnit& unit, long double wHertz) {
    fp::clearPending();
    if (!unit.inThousandths())
        return fp::store(wHertz);
    const long double power = powerOfTen(unit.exponent());
    return fp::store((wHertz / power) * 1000);
}

ProbeReading readProbe(const TModelParams& plotted, const PlotUnit& unit, long double wHertz) {
    const double w = toPictureUnit(unit, wHertz);
    const double n = RefractionRe(plotted, w);
    return {wHertz, n, RefractionIm(plotted, w)};
}

QStringList sampleFields(long double w, double n, double nIm, QChar sep) {
    fp::clearPending();
    QStringList fields{formatGeneral(w, sep), formatGeneral(fp::checked(w / kTwoPi), sep)};
    // A finite long double: the least denormal still gives about 4E341 nm.
    fields << (w != 0
                   ? formatGeneral(fp::checked(kTwoPi * kLightSpeed * kNanometresPerMetre / w), sep)
                   : QString());
    fields << formatGeneral(n, sep) << formatGeneral(nIm, sep);
    return fields;
}

QStringList probeLabelLines(const ProbeReading& probe, QChar sep) {
    const QStringList f = sampleFields(probe.w, probe.n, probe.nIm, sep);
    QStringList lines{QStringLiteral("W = ") + f[0], QStringLiteral("f = %1 Гц").arg(f[1])};
    if (!f[2].isEmpty())
        lines << QStringLiteral("λ = %1 нм").arg(f[2]);
    lines << QStringLiteral("n = ") + f[3] << QStringLiteral("n″ = ") + f[4];
    return lines;
}

QString probeTable(const std::vector<ProbeReading>& probes, QChar sep) {
    QString table = kHeader + QLatin1Char('\n');
    for (const ProbeReading& p : probes)
        table += sampleFields(p.w, p.n, p.nIm, sep).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return table;
}
