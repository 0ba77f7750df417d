// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotRange.h"

#include "FittedRange.h"
#include "InputParameters.h"
#include "PlotFrame.h"
#include "PlotRequest.h"
#include "PlotSession.h"
#include "SampleStream.h"
#include "SampleTape.h"
#include "Sweep.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

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

/** Widens the range, and the curve's own span, over the values of a chunk of samples; the
    first of equal extremes stays. */
void widenOver(const SampleChunk& chunk, TPlotState& PlotState, ValueSpan& own) {
    if (chunk.count == 0)
        return;
    const ValueSpan span = valueExtremes(chunk.v, chunk.count);
    if (span.min < PlotState.ValueMin)
        PlotState.ValueMin = span.min;
    if (span.max > PlotState.ValueMax)
        PlotState.ValueMax = span.max;
    own.min = std::min(own.min, span.min);
    own.max = std::max(own.max, span.max);
}

/** Widens the range over the samples of one model: checked(medium, w) is the model as the
    program evaluates it, extended(terms, w) the same operations before the value is stored.
    The gauge climbs during the scan as during a curve. */
template <typename Checked, typename Extended>
ValueSpan scan(PlotSink& sink, TPlotState& PlotState, const TModelParams& medium, Checked checked,
               Extended extended) {
    // The curve's own lowest and highest values, for a range fitted to the curves.
    ValueSpan own{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
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
            widenOver(chunk, PlotState, own);
            progress.samples(chunk.w, chunk.count);
        });
    return own;
}

/** The n scan as it would run over the samples of the n'' scan: what it reports and leaves
    in PlotState at each of its questions whether to stop and at its end, gathered while the
    n'' scan evaluates n beside n'' (the running sum, the longest chain of a sweep, is then
    formed once for both). */
struct ReScanRecord {
    /** Where the n scan stands: after the gauge's first `percents` changes, with n's least
        and greatest so far (infinite before the first sample), n at the last sample and the
        sum after it. */
    struct Mark {
        std::size_t percents;
        double low, high, last, w;
    };
    /** Questions beyond this many (some 10^9 samples) leave the n scan to run on its own. */
    static constexpr std::size_t kMaxMarks = std::size_t{1} << 18;

    std::vector<int> percents; ///< the gauge's changes, the same in both scans
    std::vector<Mark> marks;   ///< at each question, then at the end
    /** Every sample's n was formed cleanly: otherwise (a failing sample, too many questions)
        the n scan runs on its own, as the program always ran it. */
    bool complete = true;
};

/** The n'' scan, evaluating n beside n'' for the n scan while every chunk of samples stays
    clean, the samples kept on the tape for the curves; from a chunk that does not, it goes
    on as the n'' scan alone. Gives the lowest and highest values of n'' itself. */
ValueSpan scanBoth(PlotSink& sink, TPlotState& PlotState, const TModelParams& medium,
                   ReScanRecord& record, SampleTape& tape) {
    tape.begin(PlotState.FreqFrom, PlotState.FreqTo, PlotState.FreqStep);
    ValueSpan own{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    const ModelTerms terms = modelTerms(medium);
    const double step = PlotState.FreqStep;
    const auto im = [&](double x) { return static_cast<double>(refractionImExtended(terms, x)); };
    const auto re = [&](double x) { return static_cast<double>(refractionReExtended(terms, x)); };
    double lowRe = HUGE_VAL, highRe = -HUGE_VAL, lastRe = 0;
    SweepRecorder recorder(sink, record.percents, [&] {
        if (record.marks.size() >= ReScanRecord::kMaxMarks)
            record.complete = false;
        if (record.complete)
            record.marks.push_back(ReScanRecord::Mark{record.percents.size(), lowRe, highRe, lastRe,
                                                      PlotState.SweepFreq});
    });
    SweepProgress progress(recorder, PlotState, nullptr);
    double formed[SampleChunk::kCapacity];
    const double* res = formed;
    // Long sweeps are formed ahead on the other cores.
    SampleStream stream(medium, PlotState);
    sweepSamples(
        recorder, PlotState,
        [&](SampleChunk& chunk, double w, double end) {
            if (!record.complete) {
                fillValues(chunk, w, end, step, im);
                return;
            }
            if (stream.fill(chunk, end, res))
                return;
            res = formed;
            fillBoth(chunk, w, end, step, im, re, formed);
        },
        [&] {
            // A chunk done again sample by sample: n is left to its own scan.
            record.complete = false;
            tape.drop();
            return RefractionIm(medium, PlotState.SweepFreq);
        },
        [&](const SampleChunk& chunk) {
            widenOver(chunk, PlotState, own);
            if (record.complete) {
                // The first of equal extremes stays, as in the n scan's own comparisons.
                const ValueSpan span = valueExtremes(res, chunk.count);
                if (span.min < lowRe)
                    lowRe = span.min;
                if (span.max > highRe)
                    highRe = span.max;
                lastRe = res[chunk.count - 1];
                tape.keep(chunk, res);
            }
            progress.samples(chunk.w, chunk.count);
        });
    if (record.complete) {
        record.marks.push_back(
            ReScanRecord::Mark{record.percents.size(), lowRe, highRe, lastRe, PlotState.SweepFreq});
        tape.end(PlotState.SweepFreq);
    } else {
        tape.drop();
    }
    return own;
}

/** The n scan from its record: the same gauge, the same questions, and at each of them and
    at the end the same range, sum and value in PlotState as the n scan itself leaves,
    its comparisons starting from the range the n'' scan left. */
void replayReScan(PlotSink& sink, TPlotState& PlotState, const ReScanRecord& record) {
    const double low = PlotState.ValueMin, high = PlotState.ValueMax;
    std::size_t shown = 0;
    const auto reach = [&](const ReScanRecord::Mark& m) {
        for (; shown < m.percents; ++shown)
            sink.setProgress(record.percents[shown]);
        PlotState.ValueMin = m.low < low ? m.low : low;
        PlotState.ValueMax = m.high > high ? m.high : high;
        PlotState.SweepFreq = m.w;
        PlotState.SweepValue = m.last;
    };
    replayQuestions(sink, record.marks, reach);
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

/** The scales, then the zero lines that follow them: the interval's end at the right edge,
    ValueMin at the bottom row and so ValueMax at the top. */
void computeScalesAndOrigins(TPlotState& PlotState) {
    computeScales(PlotState);
    fp::clearPending();
    PlotState.OriginX = origin(PlotState.PlotWidth,
                               static_cast<long double>(PlotState.FreqTo) * PlotState.FreqScale);
    PlotState.OriginY = origin(PlotState.PlotHeight,
                               static_cast<long double>(PlotState.ValueMin) * PlotState.ValueScale);
}

/** The range fitted to the curves, mapped onto the whole height as the widened one is. */
void fitRange(TPlotState& PlotState, ValueSpan fitted) {
    PlotState.ValueMin = fitted.min;
    PlotState.ValueMax = fitted.max;
    computeScales(PlotState);
    // ValueMin on the bottom row, whatever its sign: a fitted range may lie above 0.
    fp::clearPending();
    PlotState.OriginY = fp::wrapAdd(
        PlotState.PlotHeight,
        fp::low32(fp::round(static_cast<long double>(PlotState.ValueMin) * PlotState.ValueScale)));
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
    // The range fields show the first range in scientific form until the scans have
    // widened it; the frame reads its value labels and the axis exponent from them.
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
    ReScanRecord reScan;
    const ValueSpan im = scanBoth(sink, PlotState, medium, reScan, session.tape);

    computeScalesAndOrigins(PlotState);
    ValueSpan re;
    if (reScan.complete) {
        replayReScan(sink, PlotState, reScan);
        re = ValueSpan{reScan.marks.back().low, reScan.marks.back().high};
    } else {
        re = scan(sink, PlotState, medium, RefractionRe,
                  [](const ModelTerms& t, long double w) { return refractionReExtended(t, w); });
    }
    // A range widened by the second scan moves the zero line with the scale, so that both
    // curves, the value labels and the readout share one mapping of the range onto the
    // picture's height.
    computeScalesAndOrigins(PlotState);
    if (request.fitToCurves)
        fitRange(PlotState, fittedRange(re, im));
    texts.rangeMin = formatScientific(PlotState.ValueMin, sep);
    texts.rangeMax = formatScientific(PlotState.ValueMax, sep);
    sink.setRangeTexts(texts.rangeMin, texts.rangeMax);
    return medium;
}
