// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCommand.h"

#include "CurveTracing.h"
#include "PlotFrame.h"
#include "PlotRange.h"
#include "PlotSession.h"
#include "PlotSurface.h"
#include "Sweep.h"
#include "model/ScaledValue.h"

#include <utility>

namespace {
const QString kStoppedText = QStringLiteral("Построение прервано");

FrameTexts frameTexts(const PlotView& view) {
    return {view.fieldText(1), view.fieldText(6), view.fieldText(18), view.fieldText(19),
            view.decimalSeparator()};
}

/** The unit of the picture on screen; before the first plot, the one the fields ask for. */
PlotUnit pictureUnit(const PlotView& view, const PlotSession& session, const FrameTexts& texts) {
    if (session.unit)
        return *session.unit;
    const QChar sep = texts.decimalSeparator;
    return PlotUnit::decide(ScaledValue(texts.mantissaW0, texts.exponentW0, sep), view.isChecked(2),
                            texts.mantissaW0, texts.exponentW0, sep);
}

// Rulers, grid and scale labels over the picture as it stands, then the reset.
void drawClosingFrame(PlotView& view, PlotSurface& canvas, const PlotSession& session) {
    const PlotSettings settings = view.plotSettings();
    DrawRulersAndGrid(canvas, settings, session.PlotState);
    if (settings.ScaleLabels) {
        const FrameTexts texts = frameTexts(view);
        DrawScaleLabels(canvas, settings, session.PlotState, pictureUnit(view, session, texts),
                        texts);
    }
    view.setProgress(0);
    view.setStatusText(QString());
}

void plotCommand(PlotView& view, PlotSurface& canvas, PlotSession& session) {
    switch (readInputParameters(view, session.ModelParams)) {
    case InputOutcome::Ended:
        return;
    case InputOutcome::IntervalRejected:
        drawClosingFrame(view, canvas, session);
        return;
    case InputOutcome::Loaded:
        break;
    }
    // The samples of the last plot stay only if this one ends before it begins.
    std::optional<PlotSamples> lastComplete = std::exchange(session.complete, std::nullopt);
    const std::optional<TModelParams> medium =
        computePlotRange(view, session, canvas.width(), canvas.height());
    if (!medium) {
        // A refused step ends as a rejected interval does, over the last plot.
        session.complete = std::move(lastComplete);
        drawClosingFrame(view, canvas, session);
        return;
    }
    session.drawn = true;
    const bool connected = view.isChecked(1);
    DrawPlotBackground(canvas, view.plotSettings());
    DrawAxesLayer(canvas, view.plotSettings(), connected, session.PlotState, *session.unit,
                  frameTexts(view));
    traceCurves(view, canvas, *medium, session.PlotState, connected, view.isChecked(3));
    drawClosingFrame(view, canvas, session);
    session.complete = PlotSamples{*medium,          session.PlotState,   *session.unit,
                                   frameTexts(view), view.plotSettings(), connected,
                                   view.isChecked(3)};
}
} // namespace

void drawPlot(PlotSurface& surface, const PlotSamples& plot) {
    // The drawing of a plot already made: nothing to report, nothing to stop.
    class Quiet final : public PlotView {
    public:
        explicit Quiet(const PlotSamples& plot) : m_plot(plot) {}
        QString fieldText(int) const override { return {}; }
        QChar decimalSeparator() const override { return m_plot.texts.decimalSeparator; }
        void showMessage(const QString&) override {}
        void setFieldText(int, const QString&) override {}
        bool isChecked(int) const override { return false; }
        void setProgress(int) override {}
        void setStatusText(const QString&) override {}
        PlotSettings plotSettings() const override { return m_plot.settings; }

    private:
        const PlotSamples& m_plot;
    } quiet(plot);
    TPlotState state = plot.PlotState;
    DrawPlotBackground(surface, plot.settings);
    DrawAxesLayer(surface, plot.settings, plot.connected, state, plot.unit, plot.texts);
    traceCurves(quiet, surface, plot.medium, state, plot.connected, plot.dotted);
    DrawRulersAndGrid(surface, plot.settings, state);
    if (plot.settings.ScaleLabels)
        DrawScaleLabels(surface, plot.settings, state, plot.unit, plot.texts);
}

void runPlotCommand(PlotView& view, PlotSurface& canvas, PlotSession& session) {
    // Nothing of the last command (such as its stop) stays on the status line.
    view.setStatusText(QString());
    try {
        plotCommand(view, canvas, session);
    } catch (const PlotStopped&) {
        // What was drawn and written so far stays; the gauge and the status line say so.
        view.setProgress(0);
        view.setStatusText(kStoppedText);
    }
}
