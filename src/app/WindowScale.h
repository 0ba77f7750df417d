// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of the windows for a projector: asked for on the command line, lowered to what
// the screen can show.
#pragma once

#include <QChar>
#include <QSize>
#include <QString>
#include <optional>

/** The scale asked for: a factor, or the largest that fits the screen. */
struct ScaleRequest {
    bool fit = false;
    double factor = 1; ///< 1 to 4, when not fit
};

/** "fit", or a number from 1 to 4 with a point or a comma as its decimal separator
    ("1.5", "1,5"); nothing for any other text. */
std::optional<ScaleRequest> parseScale(const QString& text);

/** The scale the windows open at. */
struct WindowScale {
    double factor = 1;
    bool lowered = false; ///< a factor asked for did not fit and was lowered
};

/** The scale for a window whose scaled part measures window at scale 1 and whose frame
    (drawn by the desktop, not scaled) adds frame, on a screen whose free area is
    available: the factor asked for where the window fits, else the largest factor in
    hundredths that fits, never below 1 nor above 4. */
WindowScale chooseScale(const ScaleRequest& request, QSize window, QSize frame, QSize available);

/** The one line standard error carries when a factor was lowered. */
QString loweredScaleNote(const ScaleRequest& request, const WindowScale& chosen, QSize available,
                         QChar decimalSeparator);
