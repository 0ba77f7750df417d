// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntervalGestures.h"

#include "PlotMapping.h"
#include "PlotState.h"
#include "PlotUnit.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"

#include <cmath>

FrequencyInterval sweptInterval(const TPlotState& PlotState, const PlotUnit& unit) {
    fp::clearPending();
    // The step is a distance: the unit's conversion has no offset, so it converts alike.
    return {unit.toHertz(PlotState.FreqFrom), unit.toHertz(PlotState.FreqTo),
            unit.toHertz(PlotState.FreqStep)};
}

long double pointerFrequency(const TPlotState& PlotState, const PlotUnit& unit, int x, int width) {
    fp::clearPending();
    return unit.toHertz(PlotMapping(PlotState).frequencyAt(x, width));
}

namespace {
/** The ends of a new interval are taken to a thousandth of its width, rounded to a power
    of ten, so that the fields and the scale values read short ("449,9", not
    "449,894291754757"); the pointer's frequency moves by less than half a pixel. */
long double grainOf(long double width) {
    return std::pow(10.0L, std::floor(std::log10(width / 1000)));
}

long double toGrain(long double v, long double grain) {
    return std::nearbyint(v / grain) * grain;
}

/** A step of a few significant digits, as typed ones are. */
long double shortStep(long double step) {
    const long double grain = std::pow(10.0L, std::floor(std::log10(step)) - 3);
    return toGrain(step, grain);
}
} // namespace

bool canExplore(const FrequencyInterval& interval) {
    return interval.from < interval.to && interval.step > 0;
}

FrequencyInterval zoomedInterval(const FrequencyInterval& interval, long double pivot,
                                 long double factor) {
    fp::clearPending();
    const long double width = interval.to - interval.from;
    const long double grain = grainOf(fp::checked(width * factor));
    FrequencyInterval zoomed;
    zoomed.from = toGrain(fp::checked(pivot - (pivot - interval.from) * factor), grain);
    zoomed.to = toGrain(fp::checked(pivot + (interval.to - pivot) * factor), grain);
    if (zoomed.from < 0)
        zoomed.from = 0;
    zoomed.step = shortStep(fp::checked(interval.step * ((zoomed.to - zoomed.from) / width)));
    return zoomed;
}

FrequencyInterval pannedInterval(const FrequencyInterval& interval, long double shift) {
    fp::clearPending();
    const long double width = interval.to - interval.from;
    long double from = toGrain(fp::checked(interval.from + shift), grainOf(width));
    if (from < 0)
        from = 0;
    return {from, fp::checked(from + width), interval.step};
}

long double dragShift(const FrequencyInterval& interval, int fromX, int toX, int width) {
    fp::clearPending();
    const long double share = static_cast<long double>(fromX - toX) / width;
    return fp::checked(share * (interval.to - interval.from));
}

IntervalTexts intervalTexts(const FrequencyInterval& interval, QChar sep) {
    return {formatGeneral(interval.from, sep), formatGeneral(interval.to, sep),
            formatGeneral(interval.step, sep)};
}
