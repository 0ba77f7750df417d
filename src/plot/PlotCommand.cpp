// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

#include "CompletedPlot.h"
#include "CurveTracing.h"
#include "InputParameters.h"
#include "PlotFrame.h"
#include "PlotOverlay.h"
#include "PlotRange.h"
#include "PlotRequest.h"
#include "PlotSession.h"
#include "PlotSurface.h"
#include "SampleTape.h"
#include "Sweep.h"
#include "model/ScaledValue.h"

#include <utility>

namespace {
const QString kStoppedText = QStringLiteral("Построение прервано");

/** The unit of the picture on screen; before the first plot, the one the fields ask for. */
PlotUnit pictureUnit(const PlotRequest& request, const PlotSession& session,
                     const FrameTexts& texts) {
    if (session.unit)
        return *session.unit;
    const QChar sep = texts.decimalSeparator;
    return PlotUnit::decide(ScaledValue(texts.mantissaW0, texts.exponentW0, sep), request.automatic,
                            texts.mantissaW0, texts.exponentW0, sep);
}

// Rulers, grid and scale labels over the picture as it stands, then the reset.
void drawClosingFrame(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                      const PlotSession& session, const FrameTexts& texts) {
    const PlotSettings& settings = request.settings;
    DrawRulersAndGrid(surface, settings, session.PlotState);
    if (settings.ScaleLabels)
        DrawScaleLabels(surface, settings, session.PlotState, pictureUnit(request, session, texts),
                        texts);
    sink.setProgress(0);
    sink.setStatusText(QString());
}

void plotCommand(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                 PlotSession& session) {
    const InputOutcome outcome = readInputParameters(request, sink, session.ModelParams);
    if (outcome == InputOutcome::Ended)
        return;
    // Nothing of the last command (such as its stop) stays on the status line.
    sink.setStatusText(QString());
    FrameTexts texts{request.field(1), request.field(6),         request.rangeMin,
                     request.rangeMax, request.decimalSeparator, request.fitToCurves};
    // Whatever this command draws goes over the picture of the last complete plot.
    session.completeOnScreen = false;
    if (outcome == InputOutcome::IntervalRejected) {
        drawClosingFrame(request, sink, surface, session, texts);
        return;
    }
    // The last complete plot stays only if this one ends before it begins.
    std::optional<CompletedPlot> lastComplete = std::exchange(session.complete, std::nullopt);
    const std::optional<TModelParams> medium =
        computePlotRange(request, sink, session, texts, surface.width(), surface.height());
    if (!medium) {
        // A refused step ends as a rejected interval does, over the last plot.
        session.complete = std::move(lastComplete);
        drawClosingFrame(request, sink, surface, session, texts);
        return;
    }
    session.drawn = true;
    CompletedPlot plot{request, *medium, {}, *session.unit, texts, {}, {}, session.ModelParams, {}};
    DrawPlotBackground(surface, request.settings);
    DrawAxesLayer(surface, request.settings, request.connected, session.PlotState, *session.unit,
                  texts);
    drawReferenceUnder(surface, request, session.PlotState, *session.unit);
    traceCurves(request, sink, surface, *medium, session.PlotState, session.tape, plot.im, plot.re);
    drawClosingFrame(request, sink, surface, session, texts);
    drawReferenceLegend(surface, request, session.ModelParams);
    plot.PlotState = session.PlotState;
    session.complete = std::move(plot);
    session.completeOnScreen = true;
}
} // namespace

void runPlotCommand(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                    PlotSession& session) {
    try {
        plotCommand(request, sink, surface, session);
    } catch (const PlotStopped&) {
        // What was drawn and written so far stays; the gauge and the status line say so.
        sink.setProgress(0);
        sink.setStatusText(kStoppedText);
    }
}
