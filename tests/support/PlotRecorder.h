// SPDX-License-Identifier: GPL-3.0-or-later
// A plot request and a record of what the plot command reports: the main window's side of
// the command without a window.
#pragma once

#include "ClassroomLesson.h"
#include "plot/PlotRequest.h"

#include <QStringList>
#include <vector>

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
