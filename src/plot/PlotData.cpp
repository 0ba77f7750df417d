// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotData.h"

#include "CompletedPlot.h"
#include "Sweep.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"

#include <numbers>

const QString kPlotDataHeader = QStringLiteral("w, рад/с;f, Гц;λ, нм;n;n″");

namespace {
// The speed of light in vacuum, m/s (exact by the definition of the metre).
constexpr long double kLightSpeed = 299792458.0L;
constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;
constexpr long double kNanometresPerMetre = 1e9L;

} // namespace

QByteArray plotDataCsv(const CompletedPlot& samples, QChar sep) {
    QString text = kPlotDataHeader + QStringLiteral("\r\n");
    const QChar field = QLatin1Char(';');
    TPlotState state = samples.PlotState;
    // Nobody is asked whether to stop.
    PlotSink sink;
    sweep(sink, state, [&] {
        const double w = state.SweepFreq;
        const double n = RefractionRe(samples.medium, w);
        const double n2 = RefractionIm(samples.medium, w);
        fp::clearPending();
        const long double omega = samples.unit.toHertz(w);
        text += formatGeneral(omega, sep) + field + formatGeneral(omega / kTwoPi, sep) + field;
        // A finite long double: the least denormal still gives about 4E341 nm.
        if (omega != 0)
            text += formatGeneral(kTwoPi * kLightSpeed * kNanometresPerMetre / omega, sep);
        text +=
            field + formatGeneral(n, sep) + field + formatGeneral(n2, sep) + QStringLiteral("\r\n");
    });
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
