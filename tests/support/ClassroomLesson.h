// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom lesson every plot test starts from, as typed into Edit1...Edit13.
#pragma once

#include "model/InputTexts.h"

#include <QChar>
#include <QString>

/** The classroom medium: w0 = 3E15, g = 1E13, N = 1E28, Q = 1,6E-19, m = 9,1E-31, with
    decimalSeparator, over the interval from..to by step (0 to 6E15 by 1E12 unless told). */
inline InputTexts classroomLesson(QChar decimalSeparator = QLatin1Char(','),
                                  const QString& from = "0", const QString& to = "6E15",
                                  const QString& step = "1E12") {
    const QString charge = QStringLiteral("1") + decimalSeparator + QStringLiteral("6");
    const QString mass = QStringLiteral("9") + decimalSeparator + QStringLiteral("1");
    return {"3", "1", "1", charge, mass, "15", "13", "-31", "28", "-19", from, to, step};
}
