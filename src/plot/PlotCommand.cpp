// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

#include "Canvas.h"
#include "CurveTracing.h"
#include "PlotFrame.h"
#include "PlotRange.h"

namespace {
FrameTexts frameTexts(const PlotView& view) {
    return {view.fieldText(1),  view.fieldText(6),       view.fieldText(18),
            view.fieldText(19), view.decimalSeparator(), view.isChecked(2)};
}

// Rulers, grid and scale labels over the picture as it stands, then the reset.
void drawClosingFrame(PlotView& view, Canvas& canvas) {
    const PlotSettings settings = view.plotSettings();
    DrawRulersAndGrid(canvas, settings);
    if (settings.ScaleLabels)
        DrawScaleLabels(canvas, settings, frameTexts(view));
    view.setProgress(0);
    view.setStatusText(QString());
}
} // namespace

void runPlotCommand(PlotView& view, Canvas& canvas) {
    switch (readInputParameters(view)) {
    case InputOutcome::Ended:
        return;
    case InputOutcome::IntervalRejected:
        drawClosingFrame(view, canvas);
        return;
    case InputOutcome::Loaded:
        break;
    }
    // The medium may be expressed in the plotted unit for this run only.
    const TypedMediumGuard typedMedium;
    if (!computePlotRange(view, canvas.width(), canvas.height())) {
        // A refused step ends as a rejected interval does, over the last plot.
        drawClosingFrame(view, canvas);
        return;
    }
    const bool connected = view.isChecked(1);
    DrawPlotBackground(canvas, view.plotSettings());
    DrawAxesLayer(canvas, view.plotSettings(), connected, frameTexts(view));
    traceCurves(view, canvas, connected, view.isChecked(3));
    drawClosingFrame(view, canvas);
}
