// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency interval a zoom or a pan of the plot asks for, in the interval fields' terms.
#pragma once

#include <QChar>
#include <QString>

class PlotUnit;
struct TPlotState;

/** A frequency interval and its sampling step in hertz, as the fields "От", "до" and
    "Шаг" take it. */
struct FrequencyInterval {
    long double from = 0;
    long double to = 0;
    long double step = 0;
};

/** The interval a finished plot swept, in hertz: an automatic interval under the thousand
    rule is converted back from its unit of 10^(e-3) Hz, as the cursor readout converts. */
FrequencyInterval sweptInterval(const TPlotState& PlotState, const PlotUnit& unit);

/** The frequency in hertz under column x of a width-wide picture of the plot. */
long double pointerFrequency(const TPlotState& PlotState, const PlotUnit& unit, int x, int width);

/** Whether a gesture may start from the interval: it runs forward with a positive step. */
bool canExplore(const FrequencyInterval& interval);

/** The interval scaled by factor about the frequency pivot, which keeps its place: 1/2 is
    one notch in, 2 one notch out. The step scales with the width, so the number of samples
    stays. The ends are rounded to a thousandth of the new width (a power of ten), the step
    to four significant digits. A start that would fall below 0 is held at 0 (the fields take
    no negative start), the end staying where the zoom put it. */
FrequencyInterval zoomedInterval(const FrequencyInterval& interval, long double pivot,
                                 long double factor);

/** The interval moved by shift hertz, its start rounded as a zoom rounds it, its width and
    step unchanged; a move below 0 stops at 0. */
FrequencyInterval pannedInterval(const FrequencyInterval& interval, long double shift);

/** How far a drag from column fromX to column toX of a width-wide picture moves the
    interval: the picture follows the hand, so a drag to the right shows lower frequencies. */
long double dragShift(const FrequencyInterval& interval, int fromX, int toX, int width);

/** The texts for "От", "до" and "Шаг", in the general number format. */
struct IntervalTexts {
    QString from;
    QString to;
    QString step;
};
IntervalTexts intervalTexts(const FrequencyInterval& interval, QChar decimalSeparator);
