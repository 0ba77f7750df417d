// SPDX-License-Identifier: GPL-3.0-or-later
// What a plot is asked with, and what it reports while it runs.
#pragma once

#include "PlotSettings.h"
#include "model/InputTexts.h"

#include <QChar>
#include <QString>

/** One plot as whoever starts it asks for it: built once, read by every stage. */
struct PlotRequest {
    InputTexts fields;      ///< Edit1 to Edit13, as typed
    QString rangeMin;       ///< Edit18 as it stands: the frame reads it until the plot writes it
    QString rangeMax;       ///< Edit19
    bool connected = true;  ///< CheckBox1 "Соединить точки"
    bool automatic = false; ///< CheckBox2 "Автоматически"
    bool dotted = false;    ///< CheckBox3, the dotted anomalous region
    QChar decimalSeparator = QLatin1Char(',');
    PlotSettings settings;

    /** The text of EditN, N from 1 to 13. */
    const QString& field(int edit) const { return fields.at(static_cast<std::size_t>(edit - 1)); }
    QString& field(int edit) { return fields.at(static_cast<std::size_t>(edit - 1)); }
};

/** What the plot command tells whoever started it, in the order it happens. Every report
    does nothing by default: this class itself is the sink of a plot nobody watches. */
class PlotSink {
public:
    virtual ~PlotSink() = default;
    /** A plain modal message with an OK button. */
    virtual void showMessage(const QString& text) { (void)text; }
    /** The range fields Edit18 and Edit19 take these texts. */
    virtual void setRangeTexts(const QString& min, const QString& max) {
        (void)min;
        (void)max;
    }
    /** The gauge's percentage; called only when it changes. */
    virtual void setProgress(int percent) { (void)percent; }
    /** The status line's single text. */
    virtual void setStatusText(const QString& text) { (void)text; }
    /** Asked every few thousand samples of a sweep: true when the user has asked to stop.
        A window looks at its events here now and then; a sink without events never stops. */
    virtual bool stopRequested() { return false; }
};
