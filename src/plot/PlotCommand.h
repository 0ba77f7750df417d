// SPDX-License-Identifier: GPL-3.0-or-later
// "Построить график": the whole plot command, from the input fields to the last label.
#pragma once

#include "model/InputParameters.h"

/** What the plot command reads from and writes into the main window while it runs. */
class PlotView : public InputFields {
public:
    virtual void setFieldText(int edit, const QString& text) = 0;
    /** The main window's CheckBoxN: 1 connect points, 2 automatic interval, 3 dotted region. */
    virtual bool isChecked(int checkBox) const = 0;
    virtual void setProgress(int percent) = 0;
    virtual void setStatusText(const QString& text) = 0;
};

/** Runs the plot command; conversion and floating-point errors end it where they arise. */
void runPlotCommand(PlotView& view);
