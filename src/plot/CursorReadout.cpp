// SPDX-License-Identifier: GPL-3.0-or-later
#include "CursorReadout.h"

#include "PlotMapping.h"
#include "PlotUnit.h"
#include "model/CheckedFloat.h"
#include "model/NumberText.h"

CursorTexts cursorReadout(int x, int y, int width, int height, const TPlotState& PlotState,
                          const PlotUnit& unit, QChar sep) {
    fp::clearPending();
    const PlotMapping mapping(PlotState);
    const long double value = mapping.valueAt(y, height);
    const long double frequency = unit.toHertz(mapping.frequencyAt(x, width));
    return {formatGeneral(frequency, sep), formatGeneral(value, sep)};
}
