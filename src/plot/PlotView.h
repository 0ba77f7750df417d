// SPDX-License-Identifier: GPL-3.0-or-later
// What the plot command reads from and writes into the main window while it runs.
#pragma once

#include "InputParameters.h"
#include "PlotSettings.h"

class PlotView : public InputFields {
public:
    virtual void setFieldText(int edit, const QString& text) = 0;
    /** The main window's CheckBoxN: 1 connect points, 2 automatic interval, 3 dotted region. */
    virtual bool isChecked(int checkBox) const = 0;
    /** The gauge's percentage; called only when it changes. */
    virtual void setProgress(int percent) = 0;
    /** The status line's single text. */
    virtual void setStatusText(const QString& text) = 0;
    /** The plot's style as the settings window holds it at this moment. */
    virtual PlotSettings plotSettings() const = 0;
    /** Asked every few thousand samples of a sweep: true when the user has asked to stop
        the plot. A window looks at its events here now and then; a view without events
        never stops. */
    virtual bool stopRequested() { return false; }
};
