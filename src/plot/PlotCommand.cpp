// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

#include "Canvas.h"
#include "CurveTracing.h"
#include "PlotFrame.h"
#include "PlotRange.h"
#include "Sweep.h"

namespace {
const QString kStoppedText = QStringLiteral("Построение прервано");

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

void plotCommand(PlotView& view, Canvas& canvas) {
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
} // namespace

void runPlotCommand(PlotView& view, Canvas& canvas) {
    // Nothing of the last command (such as its stop) stays on the status line.
    view.setStatusText(QString());
    try {
        plotCommand(view, canvas);
    } catch (const PlotStopped&) {
        // What was drawn and written so far stays; the gauge and the status line say so.
        view.setProgress(0);
        view.setStatusText(kStoppedText);
    }
}
