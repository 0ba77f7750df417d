// SPDX-License-Identifier: GPL-3.0-or-later
// "Масштаб по кривым": the vertical range taken from the curves themselves.
#pragma once

/** The lowest and highest value of a curve, or of a picture's vertical range. */
struct ValueSpan {
    double min = 0;
    double max = 0;
};

/** The least and greatest of count > 0 finite values, those a loop in order that keeps the
    first of equal extremes finds (of a -0 and a +0, the first). Four lanes run side by
    side, so that no comparison waits for the one before; only zeros can be equal and
    differ, and an extreme that is a zero is found again in order. */
ValueSpan valueExtremes(const double* v, int count);

/** The share of the fitted range added below and above the curves. */
inline constexpr double kFitMargin = 0.05;

/** The vertical range fitted to the curves n (re) and n'' (im): their common lowest …
    highest value with a margin of kFitMargin of the span at each end. When n would take
    less than a tenth of that height (a dilute medium: n near 1, n'' near 0, n - 1 tiny),
    the range is fitted to n alone (unless n is flat), so its dispersion shows; n'' is then drawn in
   the same mapping and may leave the picture. A span too thin to be told from its values (below
    10^-12 of them) is widened about its middle to that size, a flat zero to -1 … 1.
    Overflow raises FloatError. */
ValueSpan fittedRange(ValueSpan re, ValueSpan im);
