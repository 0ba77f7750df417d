// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the plot command without a window: fields, check boxes and
// settings to set, and a record of messages, progress and status texts.
#pragma once

#include "plot/PlotView.h"

#include <QStringList>
#include <array>
#include <vector>

class RecordingPlotView : public PlotView {
public:
    std::array<QString, 20> fields{};
    bool connect = true;
    bool automatic = false;
    bool dotted = false;
    QChar separator = QLatin1Char(',');
    PlotSettings settings;

    QStringList messages;
    std::vector<int> progress{0};
    QStringList statusTexts;
    int stopChecks = 0;  ///< how often the sweeps asked whether to stop
    int stopAtCheck = 0; ///< the user stops at this question (0: never)

    /** The classroom medium: w0 = 3E15, g = 1E13, N = 1E28, Q = 1,6E-19, m = 9,1E-31. */
    void typeExample(const char* from = "0", const char* to = "6E15", const char* step = "1E12") {
        const char* texts[] = {"3",   "1",  "1",   "1,6", "9,1", "15", "13",
                               "-31", "28", "-19", from,  to,    step};
        for (int i = 0; i < 13; ++i)
            fields[static_cast<std::size_t>(i + 1)] = QString::fromUtf8(texts[i]);
    }

    /** A gas: w0 = 3E15, g = 3E13, N = 2,7E25, Q = 1,6E-19, m = 9,1E-31. Its n(0) is about
        1 and exceeds n''(w0), and n rises to 1,24 before w0: the scan of n widens the range. */
    void typeGas(const char* from = "2,8E15", const char* to = "3,2E15",
                 const char* step = "4E11") {
        typeExample(from, to, step);
        fields[2] = QStringLiteral("3");
        fields[3] = QStringLiteral("2,7");
        fields[9] = QStringLiteral("25");
    }

    QString fieldText(int edit) const override { return fields.at(static_cast<std::size_t>(edit)); }
    void setFieldText(int edit, const QString& text) override {
        fields.at(static_cast<std::size_t>(edit)) = text;
    }
    bool isChecked(int box) const override {
        return box == 1 ? connect : box == 2 ? automatic : dotted;
    }
    QChar decimalSeparator() const override { return separator; }
    void showMessage(const QString& text) override { messages << text; }
    void setProgress(int percent) override { progress.push_back(percent); }
    void setStatusText(const QString& text) override { statusTexts << text; }
    PlotSettings plotSettings() const override { return settings; }
    bool stopRequested() override { return ++stopChecks == stopAtCheck; }
};
