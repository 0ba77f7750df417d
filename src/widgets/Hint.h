// SPDX-License-Identifier: GPL-3.0-or-later
// The hint of a control, kept on the control for the program-wide hint.
#pragma once

#include <QString>

class QObject;

/** Stores a control's hint ("short|long", or one text for both). */
void setHint(QObject* control, const QString& hint);
QString hintOf(const QObject* control);

/** The part of a hint shown in status bars: after the bar, or the whole hint. */
QString longHint(const QString& hint);
/** The part shown as a tooltip: before the bar, or the whole hint. */
QString shortHint(const QString& hint);
