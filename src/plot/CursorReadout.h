// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency and value under the mouse pointer, from the range of the last plot.
#pragma once

#include <QChar>
#include <QString>

struct CursorTexts {
    QString frequency; ///< for Edit14
    QString value;     ///< for Edit15
};

/** Inverts the last plot's mapping at pixel (x, y) of a width x height image. In automatic
    mode under the thousand rule the frequency is turned back into hertz with the exponent
    text of w0, which may throw ConversionError. */
CursorTexts cursorReadout(int x, int y, int width, int height, bool automatic,
                          const QString& exponentText, QChar decimalSeparator);
