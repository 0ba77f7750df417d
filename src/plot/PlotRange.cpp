// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotRange.h"

#include "PlotState.h"
#include "PlotView.h"
#include "Sweep.h"
#include "model/CheckedFloat.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

#include <cmath>
#include <limits>

namespace {
const QString kRangeText = QStringLiteral("Вычисление диапазона значений...");

// The larger of n(0) and n''(w0); n'' is evaluated first, so g = 0 fails before n(0).
double halfRange() {
    const double peak = RefractionIm(ModelParams.Omega0);
    const double atZero = RefractionRe(0);
    return atZero > peak ? atZero : peak;
}

void setHalfRange() {
    const double m = halfRange();
    PlotState.ValueMin = -m;
    PlotState.ValueMax = m;
}

double parsedAndStored(const QString& text, QChar sep) {
    const long double v = parseReal(text, sep);
    fp::clearPending();
    return fp::store(v);
}

void chooseInterval(const PlotView& view) {
    const QChar sep = view.decimalSeparator();
    if (!view.isChecked(2)) {
        PlotState.FreqFrom = parsedAndStored(view.fieldText(11), sep);
        PlotState.FreqTo = parsedAndStored(view.fieldText(12), sep);
        PlotState.FreqStep = parsedAndStored(view.fieldText(13), sep);
        return;
    }
    if (ModelParams.Omega0 < 1000) {
        PlotState.FreqFrom = 0;
        fp::clearPending();
        PlotState.FreqTo = fp::store(2 * static_cast<long double>(ModelParams.Omega0));
        PlotState.FreqStep = 0.1;
        return;
    }
    // The thousand rule: frequencies in units of 10^(e-3) Hz around the w0 mantissa x 1000.
    const long double m = parseReal(view.fieldText(1), sep);
    const long double e = parseReal(view.fieldText(6), sep);
    fp::clearPending();
    ModelParams.Omega0 = fp::store(m * 1000);
    PlotState.FreqFrom = fp::store(m * 1000 - e * 100);
    PlotState.FreqTo = fp::store(m * 1000 + e * 100);
    PlotState.FreqStep = fp::store(e * 2);
    // The typed medium in that unit u: n and n'' at W in units of u are then the typed
    // medium's at W u hertz, so the curves, the range and the readout tell of one medium.
    const long double u = powerOfTen(e - 3);
    fp::clearPending();
    ModelParams.Gamma = fp::store(ModelParams.Gamma / u);
    ModelParams.Concentration = fp::store(ModelParams.Concentration / (u * u));
}

void scan(PlotView& view, double (*model)(double)) {
    sweep(view, [model] {
        PlotState.SweepValue = model(PlotState.SweepFreq);
        if (PlotState.SweepValue < PlotState.ValueMin)
            PlotState.ValueMin = PlotState.SweepValue;
        if (PlotState.SweepValue > PlotState.ValueMax)
            PlotState.ValueMax = PlotState.SweepValue;
    });
}

void computeScales() {
    fp::clearPending();
    PlotState.ValueScale =
        fp::store(PlotState.PlotHeight /
                  std::fabs(static_cast<long double>(PlotState.ValueMax) - PlotState.ValueMin));
    PlotState.FreqScale =
        fp::store(PlotState.PlotWidth /
                  std::fabs(static_cast<long double>(PlotState.FreqTo) - PlotState.FreqFrom));
}

// PlotWidth - abs(Round(v)), the absolute value taken in 64 bits, the rest in 32.
std::int32_t origin(std::int32_t size, long double v) {
    const std::int64_t r = fp::round(v);
    return fp::wrapSub(size, fp::low32(r < 0 ? -r : r));
}
} // namespace

bool sweepEnds(double from, double to, double step) {
    if (!(from < to))
        return true;
    if (!(step > 0))
        return false;
    // The widest spacing of doubles the sweep meets lies at its largest magnitude; the sum
    // is rounded to extended precision first, so a step just over half a spacing can
    // still tie and stay put.
    const double m = std::max(std::fabs(from), std::fabs(to));
    const double spacing = std::nextafter(m, std::numeric_limits<double>::infinity()) - m;
    fp::clearPending();
    return std::isfinite(spacing) && step > spacing * (0.5 + 1.0 / 2048);
}

TypedMediumGuard::TypedMediumGuard()
    : m_gamma(ModelParams.Gamma), m_concentration(ModelParams.Concentration) {}

TypedMediumGuard::~TypedMediumGuard() {
    ModelParams.Gamma = m_gamma;
    ModelParams.Concentration = m_concentration;
}

bool computePlotRange(PlotView& view, int imageWidth, int imageHeight) {
    // A refused step leaves the last plot's range, its fields and so its readout as they were.
    const TPlotState lastPlot = PlotState;
    const QString lastMin = view.fieldText(18), lastMax = view.fieldText(19);
    setHalfRange();
    const QChar sep = view.decimalSeparator();
    // The range fields show the first range in scientific form: the frame reads its
    // value labels and the axis exponent from them.
    view.setFieldText(18, formatScientific(PlotState.ValueMin, sep));
    view.setFieldText(19, formatScientific(PlotState.ValueMax, sep));

    chooseInterval(view);
    if (!sweepEnds(PlotState.FreqFrom, PlotState.FreqTo, PlotState.FreqStep)) {
        PlotState = lastPlot;
        view.setFieldText(18, lastMin);
        view.setFieldText(19, lastMax);
        view.showMessage(kBadIntervalMessage);
        return false;
    }

    PlotState.PlotHeight = imageHeight;
    PlotState.PlotWidth = imageWidth;
    setHalfRange();
    // The two scans take as long as a curve: the status line says what runs.
    view.setStatusText(kRangeText);
    scan(view, RefractionIm);

    computeScales();
    fp::clearPending();
    PlotState.OriginX = origin(PlotState.PlotWidth,
                               static_cast<long double>(PlotState.FreqTo) * PlotState.FreqScale);
    PlotState.OriginY = origin(PlotState.PlotHeight,
                               static_cast<long double>(PlotState.ValueMin) * PlotState.ValueScale);

    scan(view, RefractionRe);
    // A range widened by the second scan changes the scales but not the zero lines.
    computeScales();
    return true;
}
