// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotFrame.h"

#include "PlotMapping.h"
#include "PlotSurface.h"
#include "PlotUnit.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace {

using Pen = PlotSurface::PenStyle;

// The frame's fixed distances, in pixels.
constexpr std::int32_t kArrowLength = 10;         ///< arrow head: back along the axis
constexpr std::int32_t kArrowHalfWidth = 5;       ///< and to each side
constexpr std::int32_t kTextGap = 10;             ///< a text beside its axis or marker
constexpr std::int32_t kLabelRowBelowMiddle = 25; ///< the w0 label and frequency values
constexpr std::int32_t kTickHalf = 5;             ///< ticks: half the middle tick, the left tick
constexpr std::int32_t kGridMargin = 10;          ///< the outer grid inside the image's edge
constexpr std::int32_t kValueTitleX = 20, kValueTitleY = 10;
constexpr std::int32_t kValueLabelX = 10;
constexpr std::int32_t kRulerHookX = 10, kRulerHookY = 15; ///< the stroke at the ruler's top
/// The frequency title's distance from the right edge: hertz or under the thousand rule,
/// connected or point mode.
constexpr std::int32_t kHertzTitle = 40, kHertzTitlePoints = 30;
constexpr std::int32_t kUnitTitle = 55, kUnitTitlePoints = 45;

/** A pixel coordinate from a value formed in extended precision; pixels wrap at 32 bits. */
std::int32_t pixel(long double v) {
    return fp::low32(fp::round(v));
}

/** One side of the image for the fixed ruler: the side, a tenth and a half of it, rounded. */
struct Side {
    std::int32_t length;
    std::int32_t tenth;
    std::int32_t half;
};

Side sideOf(std::int32_t length) {
    const long double s = length;
    return {length, pixel(s / 10), pixel(s / 2)};
}

/** The middle row that the w0 marker text and the scale values hang from. */
std::int32_t halfHeight(const TPlotState& PlotState) {
    return pixel(static_cast<long double>(PlotState.PlotHeight) / 2);
}

/** The power of ten the value axis is drawn in: the exponent of the maximum's text, or, for
    a text without one, its last two characters. */
QString valueAxisExponent(const QString& rangeMax) {
    const qsizetype e = rangeMax.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    return e >= 0 ? rangeMax.mid(e + 1) : rangeMax.right(2);
}

/** A number in its scientific form: sign, decimal digits (the first one not 0, but for
    zero) and the exponent of the first digit. */
struct DecimalDigits {
    bool negative = false;
    QString digits;
    int exponent = 0;
};

DecimalDigits decimalDigits(long double value, QChar separator) {
    const QString text = formatScientific(value, separator);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    DecimalDigits d;
    d.negative = text.startsWith(QLatin1Char('-'));
    d.digits = text.left(e).remove(QLatin1Char('-')).remove(separator);
    d.exponent = text.mid(e + 1).toInt();
    return d;
}

/** A range text as a whole number of hundredths of 10^exponent, its digits cut off after
    the hundredths: the value labels speak of the range to two decimals of the axis unit,
    as its first digits read. Throws ConversionError for a text that is no number. */
long double hundredths(const QString& rangeText, int exponent, QChar separator) {
    const DecimalDigits d = decimalDigits(parseReal(rangeText, separator), separator);
    const int kept = d.exponent - exponent + 3; // digits down to the hundredths
    long double n = 0;
    for (int k = 0; k < kept; ++k)
        n = n * 10 + (k < d.digits.size() ? d.digits.at(k).digitValue() : 0);
    return d.negative ? -n : n;
}

void drawArrowHead(PlotSurface& surface, const TPlotState& PlotState) {
    const std::int32_t tipX = PlotState.PlotWidth, tipY = PlotState.OriginY;
    const std::int32_t backX = fp::wrapSub(tipX, kArrowLength);
    surface.line(tipX, tipY, backX, fp::wrapSub(tipY, kArrowHalfWidth));
    surface.line(tipX, tipY, backX, fp::wrapAdd(tipY, kArrowHalfWidth));
}

void drawAxes(PlotSurface& surface, const PlotSettings& settings, const TPlotState& PlotState) {
    surface.setPenColor(settings.AxesColor);
    surface.setPenStyle(Pen::Solid);
    surface.line(PlotState.OriginX, PlotState.PlotHeight, PlotState.OriginX, 0);
    surface.line(0, PlotState.OriginY, PlotState.PlotWidth, PlotState.OriginY);
}

void drawValueAxisTitle(PlotSurface& surface, const PlotSettings& settings,
                        const FrameTexts& texts) {
    if (!settings.TitleOY)
        return;
    surface.textOut(kValueTitleX, kValueTitleY,
                    QStringLiteral("n(w),n\"(w) x10(") + valueAxisExponent(texts.rangeMax) +
                        QLatin1Char(')'));
}

void drawOmega0Marker(PlotSurface& surface, const PlotSettings& settings,
                      const TPlotState& PlotState, const PlotUnit& unit) {
    if (!settings.MarkOmega0)
        return;
    const std::int32_t x = PlotMapping(PlotState).markerX(unit.omega0());
    surface.setPenStyle(Pen::Dotted);
    surface.line(x, 0, x, PlotState.PlotHeight);
    surface.setPenStyle(Pen::Solid);
    surface.setTextColor(settings.LabelFontColor);
    surface.textOut(fp::wrapAdd(x, kTextGap), fp::wrapAdd(halfHeight(PlotState), kTextGap),
                    QStringLiteral("Wo"));
}

void drawFrequencyAxisTitle(PlotSurface& surface, const PlotSettings& settings, bool connected,
                            const TPlotState& PlotState, const PlotUnit& unit,
                            const FrameTexts& texts) {
    if (!settings.TitleOX)
        return;
    const std::int32_t y = fp::wrapAdd(PlotState.OriginY, kTextGap);
    if (!unit.thousandRule()) {
        surface.textOut(
            fp::wrapSub(PlotState.PlotWidth, connected ? kHertzTitle : kHertzTitlePoints), y,
            connected ? QStringLiteral("W,Гц") : QStringLiteral("W"));
        return;
    }
    const QString title = QStringLiteral("Wx10(") + texts.exponentW0 +
                          (connected ? QStringLiteral("),Гц") : QStringLiteral(")"));
    // A longer exponent (negative, fractional) moves the title left: it ends at the edge.
    const std::int32_t offset =
        std::max(connected ? kUnitTitle : kUnitTitlePoints, surface.textExtent(title).width());
    surface.textOut(fp::wrapSub(PlotState.PlotWidth, offset), y, title);
}

constexpr std::int32_t kOnePoint[] = {5};
constexpr std::int32_t kThreePoints[] = {2, 8};
constexpr std::int32_t kTenPoints[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};

/** The tenths of the frequency interval that carry a scale value. */
std::span<const std::int32_t> frequencyTenths(int labelPointCount) {
    switch (labelPointCount) {
    case 0:
        return kOnePoint;
    case 1:
        return kThreePoints;
    case 2:
        return kTenPoints;
    default:
        return {};
    }
}

constexpr std::int32_t kOnePointRows[] = {4};
constexpr std::int32_t kThreePointRows[] = {4, 6};

/** The tenths of the height, from the top, whose rows carry a value label. */
std::span<const std::int32_t> valueTenths(int labelPointCount) {
    switch (labelPointCount) {
    case 0:
        return kOnePointRows;
    case 1:
        return kThreePointRows;
    case 2:
        return kTenPoints;
    default:
        return {};
    }
}

/** Each value label shows the value of its row, a share of the way from the maximum at the
    top to the minimum at the bottom, in the unit of the value-axis title (the power of ten
    of the maximum). */
void drawValueLabels(PlotSurface& surface, int labelPointCount, const TPlotState& PlotState,
                     const FrameTexts& texts) {
    const QChar sep = texts.decimalSeparator;
    const long double height = PlotState.PlotHeight;
    const int exponent = decimalDigits(parseReal(texts.rangeMax, sep), sep).exponent;
    const long double top = hundredths(texts.rangeMax, exponent, sep);
    const long double bottom = hundredths(texts.rangeMin, exponent, sep);
    // A fitted range may span a millionth of its values: its rows' own values, to a tenth
    // of the step from one tenth of the height to the next.
    long double fineTop = 0, fineBottom = 0, grain = 1;
    if (texts.fineValueLabels) {
        const long double unit = std::pow(10.0L, exponent);
        fineTop = PlotState.ValueMax / unit;
        fineBottom = PlotState.ValueMin / unit;
        grain = std::pow(10.0L, std::floor(std::log10((fineTop - fineBottom) / 10)) - 1);
    }
    for (const std::int32_t tenth : valueTenths(labelPointCount)) {
        const long double t = tenth;
        fp::clearPending();
        // The rows stand at tenths of the height; the lower half is counted from the middle.
        const std::int32_t y =
            tenth <= 5 ? pixel(height * 0.1L * t) : pixel(height * 0.5L + height * 0.1L * (t - 5));
        // In whole thousandths, so that a value such as 4,232 is written as it reads.
        const long double value =
            texts.fineValueLabels
                ? std::nearbyint((fineTop - t / 10 * (fineTop - fineBottom)) / grain) * grain
                : fp::checked(((10 - t) * top + t * bottom) / 1000);
        surface.textOut(kValueLabelX, y, formatGeneral(value, sep));
    }
}

} // namespace

void DrawPlotBackground(PlotSurface& surface, const PlotSettings& settings) {
    surface.setBrushColor(settings.BackgroundColor);
    surface.setPenColor(settings.BackgroundColor);
    surface.rectangle(0, 0, surface.width(), surface.height());
}

void DrawAxesLayer(PlotSurface& surface, const PlotSettings& settings, bool connected,
                   const TPlotState& PlotState, const PlotUnit& unit, const FrameTexts& texts) {
    drawAxes(surface, settings, PlotState);
    if (connected)
        drawArrowHead(surface, PlotState);
    surface.setTextColor(settings.LabelFontColor);
    drawFrequencyAxisTitle(surface, settings, connected, PlotState, unit, texts);
    drawValueAxisTitle(surface, settings, texts);
    drawOmega0Marker(surface, settings, PlotState, unit);
    // In point mode no title or marker text may cover the arrow head.
    if (!connected)
        drawArrowHead(surface, PlotState);
}

void DrawRulersAndGrid(PlotSurface& surface, const PlotSettings& settings,
                       const TPlotState& PlotState) {
    // The ruler sits at fixed tenths of the image, whatever the plot's range.
    const Side across = sideOf(surface.width());
    const Side down = sideOf(surface.height());
    std::int32_t i = 0;

    surface.setPenColor(settings.AxesColor);
    surface.setPenStyle(Pen::Solid);
    surface.line(1, 0, 1, PlotState.PlotHeight);
    surface.line(1, 0, kRulerHookX, kRulerHookY);
    // No left tick at mid-height, where the middle ticks run.
    for (i = 1; i <= 9; ++i)
        if (i != 5)
            surface.line(0, down.tenth * i, kTickHalf, down.tenth * i);
    for (i = 1; i <= 9; ++i)
        surface.line(across.tenth * i, down.half - kTickHalf, across.tenth * i,
                     down.half + kTickHalf);

    const std::int32_t right = across.length - kGridMargin, bottom = down.length - kGridMargin;
    constexpr std::int32_t m = kGridMargin;
    if (settings.OuterGrid) {
        surface.setPenColor(settings.GridColor);
        surface.setPenStyle(Pen::Dotted);
        surface.line(m, m, right, m);
        surface.line(right, m, right, bottom);
        surface.line(right, bottom, m, bottom);
        surface.line(m, bottom, m, m);
        surface.setPenStyle(Pen::Solid);
    }
    if (settings.InnerGrid) {
        surface.setPenColor(settings.GridColor);
        surface.setPenStyle(Pen::Dotted);
        for (i = 1; i <= 9; ++i)
            if (i != 5)
                surface.line(m, down.tenth * i, right, down.tenth * i);
        for (i = 1; i <= 9; ++i)
            surface.line(across.tenth * i, m, across.tenth * i, bottom);
        surface.setPenStyle(Pen::Solid);
    }
}

void DrawScaleLabels(PlotSurface& surface, const PlotSettings& settings,
                     const TPlotState& PlotState, const PlotUnit& unit, const FrameTexts& texts) {
    const QChar sep = texts.decimalSeparator;
    const PlotMapping mapping(PlotState);
    // A typed interval is in hertz: the w0 label stands under the marker, at w0 in hertz.
    const double hertz = ScaledValue(texts.mantissaW0, texts.exponentW0, sep);
    std::int32_t labelX = mapping.markerX(hertz);
    // The thousand rule: frequencies are shown in units of 10^e, e the w0 exponent, as the
    // title says, and w0 among them is its mantissa. An automatic interval is already in
    // units of 10^(e-3) around the w0 mantissa x 1000; a typed one is in hertz.
    long double divisor = 1;
    long double w0 = hertz;
    if (unit.thousandRule()) {
        w0 = parseReal(texts.mantissaW0, sep);
        divisor = unit.labelDivisor();
        fp::clearPending();
        const double inThousandths = fp::store(w0 * 1000);
        if (unit.automatic())
            labelX = mapping.markerX(inThousandths);
    }

    const std::int32_t y = fp::wrapAdd(halfHeight(PlotState), kLabelRowBelowMiddle);
    surface.textOut(labelX, y, formatGeneral(w0, sep));

    const long double from = PlotState.FreqFrom, to = PlotState.FreqTo;
    for (const std::int32_t tenth : frequencyTenths(settings.LabelPointCount)) {
        const long double i = tenth;
        fp::clearPending();
        const long double frequency = fp::checked(((to - from) * 0.1L * i + from) / divisor);
        surface.textOut(pixel(static_cast<long double>(PlotState.PlotWidth) * 0.1L * i), y,
                        formatGeneral(frequency, sep));
    }

    // Before the first plot there is no range to label.
    if (texts.rangeMin.isEmpty() || texts.rangeMax.isEmpty())
        return;
    drawValueLabels(surface, settings.LabelPointCount, PlotState, texts);
}
