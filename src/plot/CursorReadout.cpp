// SPDX-License-Identifier: GPL-3.0-or-later
#include "CursorReadout.h"

#include "PlotState.h"
#include "model/CheckedFloat.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

CursorTexts cursorReadout(int x, int y, int width, int height, bool automatic,
                          const QString& exponentText, QChar sep) {
    fp::clearPending();
    const long double fx = static_cast<long double>(x) / width;
    const long double fy = static_cast<long double>(y) / height;
    const long double from = PlotState.FreqFrom;
    const long double to = PlotState.FreqTo;
    const long double top = PlotState.ValueMax;
    const long double value = fp::checked(top - fy * (top - PlotState.ValueMin));
    long double frequency = fp::checked(fx * (to - from) + from);
    if (automatic && ModelParams.Omega0 >= 1000) {
        // The plotted unit is the w0 mantissa x 1000: back to hertz.
        const long double power = powerOfTen(parseReal(exponentText, sep));
        frequency = fp::checked(power * (frequency / 1000));
    }
    return {formatGeneral(frequency, sep), formatGeneral(value, sep)};
}
