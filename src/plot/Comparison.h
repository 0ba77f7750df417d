// SPDX-License-Identifier: GPL-3.0-or-later
// A plot compared with one kept before: what differs between the two media.
#pragma once

#include <QChar>
#include <QRgb>
#include <QString>

struct TModelParams;

/** The legend's two texts: the kept plot's medium and the current one. */
struct MediumDifference {
    QString reference;
    QString current;
};

/** Names each typed quantity that differs, in the order of the window's rows (w0, N, γ,
    Q, m), as "γ = 3·10^13"; the two texts carry as many digits as it takes to tell the
    values apart. Two equal media are "прежний график" and "новый график". */
MediumDifference mediumDifference(const TModelParams& reference, const TModelParams& current,
                                  QChar decimalSeparator);

/** A value written short for a legend with the given significant digits: plain between
    0,01 and 10000, otherwise as "1,6·10^-19". */
QString legendNumber(double value, int digits, QChar decimalSeparator);

/** The paler shade a kept curve is drawn in: half way to white. */
QRgb paler(QRgb color);
