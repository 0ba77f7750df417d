// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntervalGestures.h"

#include "PlotMapping.h"
#include "PlotState.h"
#include "PlotUnit.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"

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

bool canExplore(const FrequencyInterval& interval) {
    return interval.from < interval.to && interval.step > 0;
}

FrequencyInterval zoomedInterval(const FrequencyInterval& interval, long double pivot,
                                 long double factor) {
    fp::clearPending();
    FrequencyInterval zoomed;
    zoomed.from = fp::checked(pivot - (pivot - interval.from) * factor);
    zoomed.to = fp::checked(pivot + (interval.to - pivot) * factor);
    if (zoomed.from < 0)
        zoomed.from = 0;
    const long double width = interval.to - interval.from;
    zoomed.step = fp::checked(interval.step * ((zoomed.to - zoomed.from) / width));
    return zoomed;
}

FrequencyInterval pannedInterval(const FrequencyInterval& interval, long double shift) {
    if (interval.from + shift < 0)
        shift = -interval.from;
    fp::clearPending();
    return {fp::checked(interval.from + shift), fp::checked(interval.to + shift), interval.step};
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
