// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotRange.h"

#include "InputParameters.h"
#include "PlotFrame.h"
#include "PlotRequest.h"
#include "PlotSession.h"
#include "Sweep.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

#include <cmath>
#include <limits>

namespace {
const QString kRangeText = QStringLiteral("Вычисление диапазона значений...");
/** The step of an automatic interval from 0 to 2 w0 (below the thousand rule), in hertz. */
constexpr double kAutomaticStep = 0.1;

// The larger of n(0) and n''(w0); n'' is evaluated first, so g = 0 fails before n(0).
double halfRange(const TModelParams& medium) {
    const double peak = RefractionIm(medium, medium.Omega0);
    const double atZero = RefractionRe(medium, 0);
    return atZero > peak ? atZero : peak;
}

void setHalfRange(TPlotState& PlotState, const TModelParams& medium) {
    const double m = halfRange(medium);
    PlotState.ValueMin = -m;
    PlotState.ValueMax = m;
}

double parsedAndStored(const QString& text, QChar sep) {
    const long double v = parseReal(text, sep);
    fp::clearPending();
    return fp::store(v);
}

/** The interval into PlotState in the unit decided for it. */
void chooseInterval(const PlotRequest& request, TPlotState& PlotState, const TModelParams& typed,
                    const PlotUnit& unit) {
    const QChar sep = request.decimalSeparator;
    if (!unit.automatic()) {
        PlotState.FreqFrom = parsedAndStored(request.field(11), sep);
        PlotState.FreqTo = parsedAndStored(request.field(12), sep);
        PlotState.FreqStep = parsedAndStored(request.field(13), sep);
        return;
    }
    if (!unit.thousandRule()) {
        PlotState.FreqFrom = 0;
        fp::clearPending();
        PlotState.FreqTo = fp::store(2 * static_cast<long double>(typed.Omega0));
        PlotState.FreqStep = kAutomaticStep;
        return;
    }
    // Around the w0 mantissa x 1000, in units of 10^(e-3) Hz.
    const long double m = unit.mantissa();
    const long double e = unit.exponent();
    fp::clearPending();
    PlotState.FreqFrom = fp::store(m * 1000 - e * 100);
    PlotState.FreqTo = fp::store(m * 1000 + e * 100);
    PlotState.FreqStep = fp::store(e * 2);
}

/** The typed medium in the picture's unit u: n and n'' at W units are then the typed
    medium's at W u hertz, so the curves, the range and the readout tell of one medium. */
TModelParams plottedMedium(const TModelParams& typed, const PlotUnit& unit) {
    TModelParams medium = typed;
    if (!unit.inThousandths())
        return medium;
    medium.Omega0 = unit.omega0();
    const long double u = powerOfTen(unit.exponent() - 3);
    fp::clearPending();
    medium.Gamma = fp::store(medium.Gamma / u);
    medium.Concentration = fp::store(medium.Concentration / (u * u));
    return medium;
}

/** Widens the range over the samples of one model: checked(medium, w) is the model as the
    program evaluates it, extended(terms, w) the same operations before the value is stored.
    The gauge climbs during the scan as during a curve. */
template <typename Checked, typename Extended>
void scan(PlotSink& sink, TPlotState& PlotState, const TModelParams& medium, Checked checked,
          Extended extended) {
    const ModelTerms terms = modelTerms(medium);
    const double step = PlotState.FreqStep;
    // The scans' text stands from the first scan to the end of the second.
    SweepProgress progress(sink, PlotState, nullptr);
    sweepSamples(
        sink, PlotState,
        [&](SampleChunk& chunk, double w, double end) {
            fillValues(chunk, w, end, step,
                       [&](double x) { return static_cast<double>(extended(terms, x)); });
        },
        [&] { return checked(medium, PlotState.SweepFreq); },
        [&](const SampleChunk& chunk) {
            double low = PlotState.ValueMin, high = PlotState.ValueMax;
            for (int i = 0; i < chunk.count; ++i) {
                const double v = chunk.v[i];
                if (v < low)
                    low = v;
                if (v > high)
                    high = v;
            }
            PlotState.ValueMin = low;
            PlotState.ValueMax = high;
            progress.samples(chunk.w, chunk.count);
        });
}

/** The status line's text of the scans goes when they end, whichever way. */
struct ScanText {
    PlotSink& sink;
    ~ScanText() { sink.setStatusText(QString()); }
};

void computeScales(TPlotState& PlotState) {
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

std::optional<TModelParams> computePlotRange(const PlotRequest& request, PlotSink& sink,
                                             PlotSession& session, FrameTexts& texts,
                                             int imageWidth, int imageHeight) {
    TPlotState& PlotState = session.PlotState;
    const TModelParams& typed = session.ModelParams;
    // A refused step leaves the last plot's range, unit, fields and so its readout as they were.
    const TPlotState lastPlot = PlotState;
    const std::optional<PlotUnit> lastUnit = session.unit;
    const QString lastMin = texts.rangeMin, lastMax = texts.rangeMax;
    setHalfRange(PlotState, typed);
    const QChar sep = request.decimalSeparator;
    // The range fields show the first range in scientific form: the frame reads its
    // value labels and the axis exponent from them.
    texts.rangeMin = formatScientific(PlotState.ValueMin, sep);
    texts.rangeMax = formatScientific(PlotState.ValueMax, sep);
    sink.setRangeTexts(texts.rangeMin, texts.rangeMax);

    // The thousand rule is decided here, once for the whole plot.
    const PlotUnit unit =
        PlotUnit::decide(typed.Omega0, request.automatic, request.field(1), request.field(6), sep);
    session.unit = unit;
    chooseInterval(request, PlotState, typed, unit);
    const TModelParams medium = plottedMedium(typed, unit);
    if (!sweepEnds(PlotState.FreqFrom, PlotState.FreqTo, PlotState.FreqStep)) {
        PlotState = lastPlot;
        session.unit = lastUnit;
        texts.rangeMin = lastMin;
        texts.rangeMax = lastMax;
        sink.setRangeTexts(lastMin, lastMax);
        sink.showMessage(kBadIntervalMessage);
        return std::nullopt;
    }

    PlotState.PlotHeight = imageHeight;
    PlotState.PlotWidth = imageWidth;
    setHalfRange(PlotState, medium);
    // The two scans take as long as a curve: the status line says what runs.
    sink.setStatusText(kRangeText);
    const ScanText scanText{sink};
    scan(sink, PlotState, medium, RefractionIm,
         [](const ModelTerms& t, long double w) { return refractionImExtended(t, w); });

    computeScales(PlotState);
    fp::clearPending();
    PlotState.OriginX = origin(PlotState.PlotWidth,
                               static_cast<long double>(PlotState.FreqTo) * PlotState.FreqScale);
    PlotState.OriginY = origin(PlotState.PlotHeight,
                               static_cast<long double>(PlotState.ValueMin) * PlotState.ValueScale);

    scan(sink, PlotState, medium, RefractionRe,
         [](const ModelTerms& t, long double w) { return refractionReExtended(t, w); });
    // A range widened by the second scan changes the scales but not the zero lines.
    computeScales(PlotState);
    return medium;
}
