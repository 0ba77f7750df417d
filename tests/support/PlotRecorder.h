// SPDX-License-Identifier: GPL-3.0-or-later
// A plot request and a record of what the plot command reports: the main window's side of
// the command without a window.
#pragma once

#include "ClassroomLesson.h"
#include "plot/Canvas.h"
#include "plot/CompletedPlot.h"
#include "plot/PlotCommand.h"
#include "plot/PlotRequest.h"
#include "plot/PlotSession.h"

#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

/** One of the three ways a curve is drawn: lines, lines dotted in the anomalous region, or
    points. */
struct DrawingWay {
    const char* name;
    bool connected, dotted;
};
inline constexpr DrawingWay kDrawingWays[] = {
    {"line", true, false}, {"dotted region", true, true}, {"points", false, false}};

/** Records the messages, progress and status texts of a plot; the range texts it is given
    go into the request, as the window's range fields go into its next plot. */
class PlotRecorder : public PlotSink {
public:
    PlotRequest request;

    QStringList messages;
    std::vector<int> progress{0};
    QStringList statusTexts;
    int rangeWrites = 0; ///< how often the range texts were written
    int stopChecks = 0;  ///< how often the sweeps asked whether to stop
    int stopAtCheck = 0; ///< the user stops at this question (0: never)

    /** The classroom lesson into the fields, over from..to by step. */
    void typeExample(const char* from = "0", const char* to = "6E15", const char* step = "1E12") {
        request.fields = classroomLesson(request.decimalSeparator, QString::fromUtf8(from),
                                         QString::fromUtf8(to), QString::fromUtf8(step));
    }

    /** The gas lesson into the fields, over from..to by step. */
    void typeGas(const char* from = "2,8E15", const char* to = "3,2E15",
                 const char* step = "4E11") {
        request.fields = gasLesson(request.decimalSeparator, QString::fromUtf8(from),
                                   QString::fromUtf8(to), QString::fromUtf8(step));
    }

    /** The curves to be drawn in `way`. */
    void drawAs(const DrawingWay& way) {
        request.connected = way.connected;
        request.dotted = way.dotted;
    }

    void showMessage(const QString& text) override { messages << text; }
    void setRangeTexts(const QString& min, const QString& max) override {
        request.rangeMin = min;
        request.rangeMax = max;
        ++rangeWrites;
    }
    void setProgress(int percent) override { progress.push_back(percent); }
    void setStatusText(const QString& text) override { statusTexts << text; }
    bool stopRequested() override { return ++stopChecks == stopAtCheck; }
};

/** A plot as the main window makes one: the request and its record, the session it leaves
    and the picture it draws on. */
struct PlottedLesson {
    PlotRecorder rec;
    PlotSession session;
    QImage picture{473, 473, QImage::Format_RGB32};

    /** Runs the plot command on the request as typed. */
    void plot() {
        Canvas canvas(picture);
        runPlotCommand(rec.request, rec, canvas, session);
    }
};

/** The complete classroom plot, its interval typed or automatic. */
inline CompletedPlot classroomPlot(bool automatic) {
    PlottedLesson p;
    p.rec.typeExample();
    p.rec.request.automatic = automatic;
    p.plot();
    EXPECT_TRUE(p.rec.messages.isEmpty());
    return p.session.complete.value_or(CompletedPlot{});
}

/** A plot state that sweeps from..to by step. */
inline TPlotState sweepOver(double from, double to, double step) {
    TPlotState state;
    state.FreqFrom = from;
    state.FreqTo = to;
    state.FreqStep = step;
    return state;
}

/** `plot` as if swept from..to by step. */
inline CompletedPlot withInterval(CompletedPlot plot, double from, double to, double step) {
    plot.PlotState.FreqFrom = from;
    plot.PlotState.FreqTo = to;
    plot.PlotState.FreqStep = step;
    return plot;
}
